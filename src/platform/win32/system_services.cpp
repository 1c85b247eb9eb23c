#include "platform/win32/system_services.h"

#include "platform/win32/dpi.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>

namespace tavrin::win32 {
namespace {

HWND hwndOf(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

// The icon the window shows in its title bar, or its class icon.
HICON iconOf(HWND window) {
    if (!window)
        return nullptr;
    auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    if (!icon)
        icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
    return icon;
}

} // namespace

Twips SystemServices::screenWidth() const {
    return screenScale().twips(GetSystemMetrics(SM_CXSCREEN));
}

Twips SystemServices::screenHeight() const {
    return screenScale().twips(GetSystemMetrics(SM_CYSCREEN));
}

PixelScale SystemServices::screenScale() const {
    return PixelScale(primaryMonitorDpi());
}

bool SystemServices::getCursorPos(Point& p) {
    POINT cursor;
    if (!GetCursorPos(&cursor))
        return false;
    p.x = cursor.x;
    p.y = cursor.y;
    return true;
}

long SystemServices::getWindowLong(WindowHandle window, int index) {
    return GetWindowLongA(hwndOf(window), index);
}

long SystemServices::setWindowLong(WindowHandle window, int index, long value) {
    return SetWindowLongA(hwndOf(window), index, value);
}

bool SystemServices::setLayeredWindowAttributes(WindowHandle window, Color key, std::uint8_t alpha,
                                                std::uint32_t flags) {
    // A Color and a COLORREF share the same byte order.
    return SetLayeredWindowAttributes(hwndOf(window), static_cast<COLORREF>(key), alpha, flags) !=
           FALSE;
}

bool SystemServices::setWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y,
                                  int cx, int cy, unsigned flags) {
    return SetWindowPos(hwndOf(window), hwndOf(insertAfter), x, y, cx, cy,
                        flags | SWP_NOACTIVATE) != FALSE;
}

void SystemServices::shellAbout(WindowHandle owner, const std::string& app,
                                const std::string& otherStuff) {
    ShellAboutW(hwndOf(owner), wideFromUtf8(app).c_str(), wideFromUtf8(otherStuff).c_str(),
                iconOf(hwndOf(owner)));
}

void SystemServices::messageBox(const std::string& text, const std::string& caption, MessageIcon) {
    // Wide, so that the Spanish text shows exactly whatever the code page;
    // task-modal, so that it blocks the program's windows although it has
    // no owner; topmost and brought to the foreground, because the program
    // never activates its own windows and the box would otherwise open
    // behind the window the user is in.
    MessageBoxW(nullptr, wideFromUtf8(text).c_str(), wideFromUtf8(caption).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND);
}

bool SystemServices::getUserName(std::string& buffer) {
    std::wstring wide(buffer.size(), L'\0');
    auto size = static_cast<DWORD>(wide.size());
    if (!GetUserNameW(wide.data(), &size))
        return false;
    // size counts the NUL the call wrote after the name.
    wide.resize(size > 0 ? size - 1 : 0);
    wide.resize(std::min(wide.size(), wide.find(L'\0')));
    const std::string name = utf8FromWide(wide);
    // UTF-8 may need more bytes than the name has characters.
    if (buffer.size() < name.size() + 1)
        buffer.resize(name.size() + 1, ' ');
    buffer.replace(0, name.size(), name);
    buffer[name.size()] = '\0';
    return true;
}

long long SystemServices::steadyMilliseconds() const {
    // The counter's frequency is fixed at boot; whole seconds and the rest
    // apart, so that the product cannot overflow in a machine's uptime.
    static const long long perSecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return frequency.QuadPart;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return count.QuadPart / perSecond * 1000 + count.QuadPart % perSecond * 1000 / perSecond;
}

LocalTime SystemServices::now() const {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wDayOfWeek};
}

std::string SystemServices::longDate() const {
    const int length =
        GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    const int written =
        GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, text.data(), length);
    // The count includes the terminating NUL.
    text.resize(written > 0 ? static_cast<std::size_t>(written) - 1 : 0);
    return utf8FromWide(text);
}

std::string SystemServices::ansiFromUtf8(const std::string& utf8) const {
    const std::wstring wide = wideFromUtf8(utf8);
    if (wide.empty())
        return {};
    // Without this flag Windows writes a look-alike ("L" for "Ł"), which
    // would name a different folder; '?' names none. A UTF-8 code page
    // takes no such flag and lacks no character.
    const DWORD flags = GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int size = static_cast<int>(wide.size());
    const int n =
        WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

std::string SystemServices::utf8FromAnsi(const std::string& ansi) const {
    return utf8FromWide(wideFromCodePage(CP_ACP, ansi));
}

bool SystemServices::fitsAnsi(const std::string& utf8) const {
    // A UTF-8 code page lacks no character (and takes no such question).
    if (GetACP() == CP_UTF8)
        return true;
    const std::wstring wide = wideFromUtf8(utf8);
    if (wide.empty())
        return true;
    BOOL lacking = FALSE;
    const int size = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0,
                                      nullptr, &lacking);
    return n > 0 && !lacking;
}

} // namespace tavrin::win32
