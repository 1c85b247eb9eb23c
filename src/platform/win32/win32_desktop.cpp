#include "platform/win32/win32_desktop.h"

#include "platform/win32/form_host.h"
#include "platform/win32/handles.h"

#include <algorithm>

namespace tavrin::win32 {
namespace {

// What the form holds of its window. Dropping it (the form unloads, maybe
// from inside one of its own handlers) takes the window off the screen at
// once; the window and the control peers are destroyed when the message
// being handled is done with them.
class FormWindow : public FormPeer {
  public:
    FormWindow(Win32Desktop& desktop, std::unique_ptr<FormHost> host)
        : desktop_(desktop), host_(std::move(host)) {}
    ~FormWindow() override {
        host_->close();
        desktop_.dispatcher().bury(std::move(host_));
    }
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    void changed(Prop what) override { host_->changed(what); }
    WindowHandle handle() const override { return reinterpret_cast<WindowHandle>(host_->window()); }
    std::optional<OuterSize> outerSize() const override { return host_->outerSize(); }

  private:
    Win32Desktop& desktop_;
    std::unique_ptr<FormHost> host_;
};

} // namespace

Win32Desktop::Win32Desktop() = default;

Win32Desktop::~Win32Desktop() {
    dispatcher_.releaseAll();
}

void Win32Desktop::enlist(FormHost& host) {
    hosts_.push_back(&host);
}

void Win32Desktop::strike(FormHost& host) {
    hosts_.erase(std::remove(hosts_.begin(), hosts_.end(), &host), hosts_.end());
}

std::unique_ptr<FormPeer> Win32Desktop::createWindow(Form& form) {
    return std::make_unique<FormWindow>(*this, std::make_unique<FormHost>(*this, form));
}

void Win32Desktop::retire(std::unique_ptr<Form> form) {
    dispatcher_.retire(std::move(form));
}

void Win32Desktop::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    channel_.release();
    for (FormHost* host : hosts_)
        host->close();
    PostQuitMessage(0);
}

FormHost* Win32Desktop::hostOf(HWND window) const {
    const HWND form = GetAncestor(window, GA_ROOT);
    for (FormHost* host : hosts_)
        if (host->window() == form)
            return host;
    return nullptr;
}

void Win32Desktop::handleMessage(MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && !ended_) {
        FormHost* host = hostOf(message.hwnd);
        if (host && host->tab(message.hwnd, GetKeyState(VK_SHIFT) < 0))
            return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool Win32Desktop::waitAndHandle() {
    MSG message;
    HANDLE screenChanged = displayWatch_.event();
    if (!screenChanged) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0)
            return false;
        handleMessage(message);
        return true;
    }
    const DWORD woke =
        MsgWaitForMultipleObjectsEx(1, &screenChanged, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_OBJECT_0) {
        displayWatch_.rearm();
        displayChanged();
        return true;
    }
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            return false;
        handleMessage(message);
    }
    return true;
}

void Win32Desktop::displayChanged() {
    // The handlers may unload forms and load others; those unloaded stay
    // alive, buried, until the scope ends.
    Dispatcher::Scope scope(dispatcher_);
    const std::vector<FormHost*> hosts = hosts_;
    for (FormHost* host : hosts)
        host->displayChanged();
}

Control* Win32Desktop::focusedControl() const {
    const HWND focus = GetFocus();
    FormHost* host = focus ? hostOf(focus) : nullptr;
    return host ? host->controlOwning(focus) : nullptr;
}

void Win32Desktop::handlerEscaped(const char* what) noexcept {
    ++escaped_;
    // There is no log; a debugger sees it.
    OutputDebugStringA("Tavrin: a handler failed: ");
    OutputDebugStringA(what);
    OutputDebugStringA("\n");
}

// At the primary monitor's scale, in the fonts made for it.
TextExtent Win32Desktop::measureText(const Font& font, const std::string& text) {
    WindowDc screen(nullptr);
    const PixelScale scale = screenScale();
    const SIZE size = painter_.measure(screen.get(), font, scale.dpi(), text);
    return TextExtent{scale.twips(size.cx), scale.twips(size.cy)};
}

void Win32Desktop::messageBox(const std::string& text, const std::string& caption,
                              MessageIcon icon) {
    // The box pumps messages: handlers run inside it, nested.
    Dispatcher::Scope scope(dispatcher_);
    services_.messageBox(text, caption, icon);
}

} // namespace tavrin::win32
