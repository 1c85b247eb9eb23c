// The peer of a text box: a real EDIT. What the user types goes through
// KeyPress first; what the program sets raises Change only once, in the
// property holder, never again from the control's own notification.
#include "platform/win32/controls/child_control.h"
#include "platform/win32/controls/control_peers.h"
#include "platform/win32/text/text_painter.h"
#include "platform/win32/wide.h"

#include "platform/text_box.h"

#include <optional>

namespace tavrin::win32 {
namespace {

// Code points of a UTF-16 prefix: a surrogate pair counts once.
int codePointsIn(const std::wstring& text, std::size_t units) {
    int count = 0;
    for (std::size_t i = 0; i < units && i < text.size(); ++i)
        count += !(text[i] >= 0xDC00 && text[i] <= 0xDFFF);
    return count;
}

std::size_t unitsFor(const std::wstring& text, int codePoints) {
    std::size_t i = 0;
    for (int seen = 0; i < text.size(); ++i) {
        const bool trailing = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
        if (!trailing && seen++ == codePoints)
            break;
    }
    return i;
}

DWORD alignmentStyle(Alignment a) {
    return a == Alignment::Center ? ES_CENTER : a == Alignment::Right ? ES_RIGHT : ES_LEFT;
}

constexpr int kBackspace = 8;
constexpr int kFirstPrintable = 32;

class TextBoxPeer : public ChildControl {
  public:
    TextBoxPeer(FormContext& ctx, TextBox& box, HWND parent)
        : ChildControl(ctx, box, parent), box_(box) {
        createStandard(L"EDIT", ES_AUTOHSCROLL | alignmentStyle(box.alignment()), WS_EX_CLIENTEDGE);
        applyFont(ctx_.painter().controlFont(box_.font()));
        applyText();
        applyLimit();
    }

    void command(WORD code) override {
        if (code != EN_CHANGE || applying_)
            return;
        box_.syncText(ctx_.painter().programText(box_.font(), windowText()));
        syncCaret();
    }

    HBRUSH color(HDC dc) override { return colors(dc, box_.foreColor(), box_.backColor()); }

  private:
    void update(Prop what) override {
        switch (what) {
        case Prop::Text:
            applyText();
            break;
        case Prop::Font:
            applyFont(ctx_.painter().controlFont(box_.font()));
            applyText();
            break;
        case Prop::Style: {
            LONG style = GetWindowLongW(window(), GWL_STYLE) & ~(ES_CENTER | ES_RIGHT);
            SetWindowLongW(window(), GWL_STYLE,
                           style | static_cast<LONG>(alignmentStyle(box_.alignment())));
            applyLimit();
            InvalidateRect(window(), nullptr, TRUE);
            break;
        }
        case Prop::Selection: {
            const auto at = static_cast<WPARAM>(unitsFor(windowText(), box_.selStart()));
            SendMessageW(window(), EM_SETSEL, at, static_cast<LPARAM>(at));
            break;
        }
        default:
            break;
        }
    }

    LRESULT subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CHAR && ctx_.live() && !isSurrogate(wParam) &&
            (wParam >= kFirstPrintable || wParam == kBackspace)) {
            const int code = box_.raiseKeyPress(static_cast<int>(wParam));
            if (code == 0 || !ctx_.live())
                return 0; // consumed
            wParam = static_cast<WPARAM>(code);
        }
        const LRESULT result = ChildControl::subclassed(window, message, wParam, lParam);
        if ((message == WM_CHAR || message == WM_KEYUP || message == WM_LBUTTONUP) && ctx_.live())
            syncCaret();
        return result;
    }

    static bool isSurrogate(WPARAM c) { return c >= 0xD800 && c <= 0xDFFF; }

    std::wstring windowText() const {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window())) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(window(), text.data(), static_cast<int>(text.size()))));
        return text;
    }

    void applyText() {
        const std::wstring text = ctx_.painter().controlText(box_.font(), box_.text());
        if (text == windowText())
            return;
        applying_ = true;
        SetWindowTextW(window(), text.c_str());
        applying_ = false;
        update(Prop::Selection);
    }

    void applyLimit() {
        // 0 lets the edit hold as much as it can.
        SendMessageW(window(), EM_LIMITTEXT, static_cast<WPARAM>(box_.maxLength()), 0);
    }

    void syncCaret() {
        DWORD start = 0;
        SendMessageW(window(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
        box_.syncSelStart(codePointsIn(windowText(), start));
    }

    TextBox& box_;
    bool applying_ = false;
};

} // namespace

std::unique_ptr<Peer> makeTextBoxPeer(FormContext& ctx, TextBox& box, HWND parent) {
    return std::make_unique<TextBoxPeer>(ctx, box, parent);
}

} // namespace tavrin::win32
