#include "platform/win32/controls/tooltip.h"

#include "platform/win32/wide.h"

#include <commctrl.h>

namespace tavrin::win32 {
namespace {

// Tips such as " Figura 7. " are short; a wide limit turns on line
// breaking for any longer one rather than one endless line.
constexpr int kTipWidth = 400;

TOOLINFOW toolInfo(HWND container, UINT_PTR id, UINT flags) {
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = flags | TTF_SUBCLASS;
    info.hwnd = container;
    info.uId = id;
    return info;
}

bool hasTool(HWND tip, TOOLINFOW info) {
    return SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

} // namespace

bool Tooltip::ensure() {
    if (tip_)
        return true;
    tip_.reset(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                               GetModuleHandleW(nullptr), nullptr));
    if (tip_)
        SendMessageW(tip_.get(), TTM_SETMAXTIPWIDTH, 0, kTipWidth);
    return static_cast<bool>(tip_);
}

void Tooltip::set(TOOLINFOW& info, const std::string& utf8) {
    const bool exists = hasTool(tip_.get(), info);
    if (utf8.empty()) {
        if (exists)
            SendMessageW(tip_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        return;
    }
    std::wstring text = wideFromUtf8(utf8);
    info.lpszText = text.data();
    if (exists) {
        SendMessageW(tip_.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
        SendMessageW(tip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    } else {
        SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void Tooltip::setForWindow(HWND tool, const std::string& utf8) {
    if (utf8.empty() && !tip_)
        return;
    if (!ensure())
        return;
    TOOLINFOW info = toolInfo(GetParent(tool), reinterpret_cast<UINT_PTR>(tool), TTF_IDISHWND);
    set(info, utf8);
}

void Tooltip::setForRect(HWND container, UINT_PTR id, const RECT& rect, const std::string& utf8) {
    if (utf8.empty() && !tip_)
        return;
    if (!ensure())
        return;
    TOOLINFOW info = toolInfo(container, id, 0);
    info.rect = rect;
    set(info, utf8);
}

void Tooltip::removeRect(HWND container, UINT_PTR id) {
    if (!tip_)
        return;
    TOOLINFOW info = toolInfo(container, id, 0);
    set(info, std::string());
}

} // namespace tavrin::win32
