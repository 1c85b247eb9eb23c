#include "platform/win32/window_class.h"

#include "platform/handler_guard.h"

namespace tavrin::win32 {
namespace {

constexpr const wchar_t* kFormClass = L"TavrinForm";
constexpr const wchar_t* kFrameClass = L"TavrinFrame";
// Other programs look the channel up by this name: it does not change.
constexpr const wchar_t* kChannelClass = L"TavrinInstance";
// The program's icon in its resources.
constexpr WORD kIconResource = 1;

// Nothing unwinds through the system's code that called us: what escapes
// the window's own handling stops here.
LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    auto* target = reinterpret_cast<MessageTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (target) {
        LRESULT result = 0;
        bool handled = false;
        runHandler(target->windowSystem(), [&] {
            result = target->handle(window, message, wParam, lParam);
            handled = true;
        });
        if (handled)
            return result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// LR_SHARED icons belong to the system and are never destroyed; a test
// program without the resource simply gets none.
HICON programIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource),
                                         IMAGE_ICON, size, size, LR_SHARED));
}

ATOM registerClass(const wchar_t* name) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = windowProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = programIcon(GetSystemMetrics(SM_CXICON));
    wc.hIconSm = programIcon(GetSystemMetrics(SM_CXSMICON));
    wc.lpszClassName = name;
    return RegisterClassExW(&wc);
}

} // namespace

void attachTarget(HWND window, MessageTarget* target) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
}

const wchar_t* windowClassName(WindowClass which) {
    // In the order of WindowClass.
    static constexpr const wchar_t* kNames[] = {kFormClass, kFrameClass, kChannelClass};
    // Registered for the life of the process; the classes hold no state.
    static const bool registered = [] {
        for (const wchar_t* name : kNames)
            registerClass(name);
        return true;
    }();
    (void)registered;
    return kNames[static_cast<int>(which)];
}

} // namespace tavrin::win32
