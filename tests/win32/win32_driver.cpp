// The conformance suite's driver for the real window system: real time,
// and the messages the user's mouse and keyboard would bring, posted to the
// real windows and handled by the program's own message handling.
#include "conformance/desktop_driver.h"

#include "platform/win32/dpi.h"
#include "platform/win32/pixels.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_desktop.h"

#include "platform/container.h"
#include "platform/frame.h"

#include "temp_folder.h"
#include "window_of.h"

#include <windows.h>

#include <array>
#include <chrono>
#include <optional>

namespace tavrin::conformance {
namespace {

using win32::Win32Desktop;
using win32::windowOf;

// How often the driver looks at an open message box.
constexpr UINT kMessageBoxPollMs = 10;
// Key messages as the keyboard driver sends them: repeat count 1.
constexpr LPARAM kKeyDown = 1;
constexpr LPARAM kKeyUp = 1 | (1LL << 30) | (1LL << 31);
constexpr LPARAM kAltDown = 1 | (1LL << 29);

HWND containerWindow(const Control& c) {
    const Container* parent = c.parent();
    if (!parent)
        return nullptr;
    if (auto* frame = dynamic_cast<const Frame*>(parent))
        return windowOf(*frame);
    return windowOf(*static_cast<const Form*>(parent));
}

// Where a click on the control goes, and at which point of that window.
std::pair<HWND, LPARAM> clickTarget(const Control& c) {
    if (HWND own = windowOf(c)) {
        RECT client;
        GetClientRect(own, &client);
        return {own, MAKELPARAM(client.right / 2, client.bottom / 2)};
    }
    HWND container = containerWindow(c);
    const RECT r = win32::pixelRect(win32::windowScale(container), c);
    return {container, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2)};
}

// A message box this thread shows.
HWND threadMessageBox() {
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"#32770", nullptr));)
        if (IsWindowVisible(w) && GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId())
            return w;
    return nullptr;
}

class Win32Driver : public DesktopDriver {
  public:
    Win32Driver() { current_ = this; }
    ~Win32Driver() override {
        if (boxTimer_)
            KillTimer(nullptr, boxTimer_);
        current_ = nullptr;
    }
    Win32Driver(const Win32Driver&) = delete;
    Win32Driver& operator=(const Win32Driver&) = delete;

    WindowSystem& ws() override { return desktop_; }
    bool atDpi(int dpi) override { return desktop_.screenScale().dpi() == dpi; }
    long long now() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    void runFor(int milliseconds) override {
        const long long end = now() + milliseconds;
        runUntil([&] { return now() >= end; }, milliseconds + 1);
    }
    bool runUntil(const std::function<bool()>& done, int deadlineMs) override {
        constexpr DWORD kPollMs = 5;
        const long long end = now() + deadlineMs;
        pump();
        while (!done()) {
            if (now() > end)
                return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
            pump();
        }
        return true;
    }

    void click(Control& target) override { button(target, WM_LBUTTONDOWN); }
    void doubleClick(Control& target) override {
        button(target, WM_LBUTTONDOWN);
        button(target, WM_LBUTTONDBLCLK);
    }
    void clickCloseBox(Form& target) override {
        // What the close box sends once the button comes up over it.
        PostMessageW(windowOf(target), WM_SYSCOMMAND, SC_CLOSE, 0);
        pump();
    }

    void focus(Control& target) override {
        SetFocus(windowOf(target));
        pump();
    }
    Control* focused() override { return desktop_.focusedControl(); }
    void type(char32_t character) override {
        const HWND window = GetFocus();
        if (character > 0xFFFF) {
            const char32_t v = character - 0x10000;
            PostMessageW(window, WM_CHAR, 0xD800 + (v >> 10), kKeyDown);
            PostMessageW(window, WM_CHAR, 0xDC00 + (v & 0x3FF), kKeyDown);
        } else {
            PostMessageW(window, WM_CHAR, character, kKeyDown);
        }
        pump();
    }
    void press(Form& form, Key key) override {
        HWND window = GetFocus();
        if (!window)
            window = windowOf(form);
        if (key == Key::AltF4) {
            PostMessageW(window, WM_SYSKEYDOWN, VK_F4, kAltDown);
            return pump();
        }
        // The virtual keys of the other keys, in the order of Key.
        constexpr WPARAM kVirtualKeys[] = {VK_TAB,   VK_TAB,  VK_DELETE, VK_LEFT,
                                           VK_RIGHT, VK_HOME, VK_END};
        // Shift held down for Shift+Tab alone, for this thread's idea of
        // the keyboard.
        BYTE keys[256];
        GetKeyboardState(keys);
        const BYTE before = keys[VK_SHIFT];
        keys[VK_SHIFT] = key == Key::ShiftTab ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageW(window, WM_KEYDOWN, kVirtualKeys[static_cast<int>(key)], kKeyDown);
        PostMessageW(window, WM_KEYUP, kVirtualKeys[static_cast<int>(key)], kKeyUp);
        pump();
        keys[VK_SHIFT] = before;
        SetKeyboardState(keys);
    }

    void answerMessageBoxesWhen(std::function<bool()> done) override {
        answerWhen_ = std::move(done);
        if (!boxTimer_)
            boxTimer_ = SetTimer(nullptr, 0, kMessageBoxPollMs, &Win32Driver::watchMessageBox);
    }
    std::string answeredMessageBoxText() override { return answeredText_; }
    std::size_t escapedHandlers() override { return desktop_.escapedHandlers(); }

    void moveCursor(long x, long y) override {
        SetCursorPos(static_cast<int>(x), static_cast<int>(y));
        pump();
    }
    // A tripwire's window: this thread's, shown, one pixel, on the pixel.
    bool tripwireAt(Point pixel) override {
        const RECT wanted{static_cast<LONG>(pixel.x), static_cast<LONG>(pixel.y),
                          static_cast<LONG>(pixel.x + 1), static_cast<LONG>(pixel.y + 1)};
        RECT r;
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, nullptr, nullptr));)
            if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId() &&
                IsWindowVisible(w) && GetWindowRect(w, &r) && EqualRect(&r, &wanted))
                return true;
        return false;
    }

    WindowHandle windowAt(Point pixel) override {
        const HWND w = GetAncestor(
            WindowFromPoint(POINT{static_cast<LONG>(pixel.x), static_cast<LONG>(pixel.y)}),
            GA_ROOT);
        return w && GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()
                   ? reinterpret_cast<WindowHandle>(w)
                   : 0;
    }

    std::string scratchFolder() override {
        if (!scratch_)
            scratch_.emplace();
        return scratch_->created() ? scratch_->path() : "";
    }
    bool folderExists(const std::string& path) override {
        const DWORD attributes = GetFileAttributesW(win32::wideFromUtf8(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    void refuseWrites(const std::string& path) override {
        SetFileAttributesW(win32::wideFromUtf8(path).c_str(), FILE_ATTRIBUTE_READONLY);
    }

  private:
    void pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            desktop_.handleMessage(message);
    }
    // A press and release in the middle of the control; a real mouse
    // reaches no hidden or disabled window.
    void button(Control& target, UINT press) {
        const auto [window, at] = clickTarget(target);
        if (!IsWindowVisible(window) || !IsWindowEnabled(window))
            return;
        PostMessageW(window, press, MK_LBUTTON, at);
        PostMessageW(window, WM_LBUTTONUP, 0, at);
        pump();
    }

    // A thread timer: it ticks inside the message box's own modal loop.
    static void CALLBACK watchMessageBox(HWND, UINT, UINT_PTR, DWORD) {
        Win32Driver* self = current_;
        if (!self)
            return;
        const HWND box = threadMessageBox();
        if (!box) {
            self->boxOpenedAt_ = 0;
            return;
        }
        if (self->boxOpenedAt_ == 0)
            self->boxOpenedAt_ = self->now();
        const bool late = self->now() - self->boxOpenedAt_ > kDeadlineMs;
        if (late || !self->answerWhen_ || self->answerWhen_()) {
            // The box shows its text in a static control of its own.
            self->answeredText_.clear();
            for (HWND part = nullptr; (part = FindWindowExW(box, part, L"Static", nullptr));) {
                std::array<wchar_t, 512> text{};
                GetWindowTextW(part, text.data(), static_cast<int>(text.size()));
                self->answeredText_ += win32::utf8FromWide(text.data());
            }
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            self->boxOpenedAt_ = 0;
        }
    }

    static inline Win32Driver* current_ = nullptr;
    Win32Desktop desktop_;
    std::function<bool()> answerWhen_;
    UINT_PTR boxTimer_ = 0;
    long long boxOpenedAt_ = 0;
    std::string answeredText_;
    std::optional<win32::TempFolder> scratch_;
};

} // namespace

std::unique_ptr<DesktopDriver> makeDriver() {
    return std::make_unique<Win32Driver>();
}

} // namespace tavrin::conformance
