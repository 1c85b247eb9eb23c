// The peer of a text box: a real EDIT. Every character typed reaches
// KeyPress first, and what KeyPress leaves goes on to the edit; what the
// program sets raises Change only once, in the property holder, never
// again from the control's own notification. The box counts characters
// where the edit counts UTF-16 units: the peer holds typing and pasting
// to the box's length limit and keeps the caret off the middle of a
// character beyond U+FFFF.
#include "platform/win32/controls/child_control.h"
#include "platform/win32/controls/classic_look.h"
#include "platform/win32/controls/clipboard.h"
#include "platform/win32/controls/control_peers.h"
#include "platform/win32/controls/edit_text.h"
#include "platform/win32/text/font_utf16.h"
#include "platform/win32/text/text_painter.h"
#include "platform/win32/win32_desktop.h"

#include "platform/handler_guard.h"
#include "platform/text_box.h"

#include <windowsx.h>

#include <utility>
#include <vector>

namespace tavrin::win32 {
namespace {

// Character codes as KeyPress sees them.
constexpr int kCtrlA = 1;
constexpr int kCtrlC = 3;
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kCtrlV = 22;
constexpr int kCtrlX = 24;
constexpr int kCtrlZ = 26;

// The control codes the edit acts on itself: Backspace, and the
// clipboard, undo and select-all keys. A one-line edit only beeps at the
// others (Enter, Esc ...).
bool editUsesItself(int code) {
    return code == kBackspace || code == kCtrlC || code == kCtrlV || code == kCtrlX ||
           code == kCtrlZ || code == kCtrlA;
}

DWORD alignmentStyle(Alignment a) {
    return a == Alignment::Center ? ES_CENTER : a == Alignment::Right ? ES_RIGHT : ES_LEFT;
}

constexpr DWORD kAlignmentStyles = ES_CENTER | ES_RIGHT;

DWORD editStyle(const TextBox& box) {
    return ES_AUTOHSCROLL | alignmentStyle(box.alignment());
}

struct Selection {
    DWORD start = 0;
    DWORD end = 0;
};

class TextBoxPeer : public ChildControl {
  public:
    TextBoxPeer(FormContext& ctx, TextBox& box, HWND parent)
        : ChildControl(ctx, box, parent), box_(box) {
        createStandard(L"EDIT", editStyle(box), WS_EX_CLIENTEDGE);
        dress();
    }

    void command(WORD code) override {
        if (code != EN_CHANGE || applying_)
            return;
        // The caret first, so that Change handlers see where it now stands.
        syncCaret();
        const std::string text = ctx_.painter().programText(box_.font(), windowText());
        runHandler(ctx_.desktop, [&] { box_.syncText(text); });
    }

    HBRUSH color(HDC dc) override { return colors(dc, box_.foreColor(), box_.backColor()); }

  private:
    // What a new edit window takes from the box.
    void dress() {
        useClassicLook(window());
        applyFont(ctx_.painter().controlFont(box_.font(), ctx_.scale.dpi()));
        applyText();
        applyLimit();
    }

    void update(Prop what) override {
        switch (what) {
        case Prop::Text:
            applyText();
            break;
        case Prop::Font:
            applyFont(ctx_.painter().controlFont(box_.font(), ctx_.scale.dpi()));
            applyText();
            break;
        case Prop::Style:
            if ((GetWindowLongW(window(), GWL_STYLE) & kAlignmentStyles) !=
                alignmentStyle(box_.alignment()))
                realign();
            applyLimit();
            break;
        case Prop::Selection: {
            const auto at = static_cast<WPARAM>(unitsFor(windowText(), box_.selStart()));
            SendMessageW(window(), EM_SETSEL, at, static_cast<LPARAM>(at));
            break;
        }
        default:
            break;
        }
    }

    // An edit reads its alignment only when it is created (Wine ignores a
    // later change), so a new one takes the old one's place.
    void realign() {
        const Selection selection = currentSelection();
        UniqueWindow old = recreateStandard(L"EDIT", editStyle(box_), WS_EX_CLIENTEDGE);
        if (!old)
            return;
        dress();
        SendMessageW(window(), EM_SETSEL, selection.start, static_cast<LPARAM>(selection.end));
        // Its code may still be on the stack: it goes once the message is done.
        ctx_.desktop.dispatcher().bury(std::move(old));
    }

    LRESULT subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CHAR && forwarding_) {
            // A character already through KeyPress, for the edit itself.
            forwarding_ = false;
            return ChildControl::subclassed(window, message, wParam, lParam);
        }
        if (!ctx_.live())
            return ChildControl::subclassed(window, message, wParam, lParam);
        switch (message) {
        case WM_CHAR:
        case WM_IME_CHAR:
            typed(window, static_cast<wchar_t>(wParam), lParam);
            if (ctx_.live())
                syncCaret();
            return 0;
        case WM_KEYDOWN:
            return keyDown(window, wParam, lParam);
        case WM_PASTE:
            paste();
            return 0;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            break;
        case WM_LBUTTONDBLCLK:
            // The second press of a double-click makes no click.
            pressed_ = false;
            break;
        default:
            break;
        }
        const LRESULT result = ChildControl::subclassed(window, message, wParam, lParam);
        if (!ctx_.live())
            return result;
        switch (message) {
        case WM_KEYUP:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            syncCaret();
            break;
        case WM_LBUTTONUP:
            syncCaret();
            released(window, lParam);
            break;
        default:
            break;
        }
        return result;
    }

    // A press and release inside the box is a click.
    void released(HWND window, LPARAM lParam) {
        if (!std::exchange(pressed_, false))
            return;
        RECT client;
        GetClientRect(window, &client);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (PtInRect(&client, at))
            runHandler(ctx_.desktop, [&] { box_.raiseClick(); });
    }

    // One UTF-16 unit of a typed character: a character beyond U+FFFF
    // comes as two, and reaches KeyPress once, whole.
    void typed(HWND window, wchar_t unit, LPARAM lParam) {
        char32_t character = static_cast<char16_t>(unit);
        if (isHighSurrogate(character)) {
            pendingHigh_ = unit;
            return;
        }
        if (isLowSurrogate(character)) {
            if (!pendingHigh_)
                return;
            character = fromSurrogates(pendingHigh_, unit);
        }
        pendingHigh_ = 0;
        // Tab moves the focus; it is no character.
        if (character == kTab)
            return;
        int code = 0; // a KeyPress handler that fails consumes the key
        runHandler(ctx_.desktop, [&] { code = box_.raiseKeyPress(static_cast<int>(character)); });
        if (code == 0 || !ctx_.live())
            return;
        if (code == kBackspace) {
            selectPair(Direction::Back);
            toEdit(window, code, lParam);
        } else if (editUsesItself(code)) {
            toEdit(window, code, lParam);
        } else if (insertsCharacter(code)) {
            insert(window, static_cast<char32_t>(code), lParam);
        }
    }

    void insert(HWND window, char32_t character, LPARAM lParam) {
        if (room() == 0)
            return;
        if (character < kFirstSupplementary) {
            toEdit(window, static_cast<int>(character), lParam);
            return;
        }
        // Both halves at once: the edit would show the first one alone.
        std::wstring pair;
        appendUtf16(pair, character);
        SendMessageW(this->window(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pair.c_str()));
    }

    // Hands a character on to the edit; to the new one when KeyPress made
    // the box replace its window.
    void toEdit(HWND window, int code, LPARAM lParam) {
        if (window == this->window()) {
            ChildControl::subclassed(window, WM_CHAR, static_cast<WPARAM>(code), lParam);
            return;
        }
        forwarding_ = true;
        SendMessageW(this->window(), WM_CHAR, static_cast<WPARAM>(code), lParam);
        forwarding_ = false;
    }

    LRESULT keyDown(HWND window, WPARAM key, LPARAM lParam) {
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        const bool control = GetKeyState(VK_CONTROL) < 0;
        if (key == VK_INSERT && shift && !control) {
            // Shift+Insert pastes without a WM_PASTE the limit could stop.
            paste();
            return 0;
        }
        if (key == VK_DELETE && !shift && !control)
            selectPair(Direction::Forward);
        LRESULT result = ChildControl::subclassed(window, WM_KEYDOWN, key, lParam);
        // The edit steps over one unit: once more over the pair's other half.
        if ((key == VK_LEFT || key == VK_RIGHT) && !control && ctx_.live() &&
            window == this->window() && caretSplitsPair())
            result = ChildControl::subclassed(window, WM_KEYDOWN, key, lParam);
        if (ctx_.live())
            syncCaret();
        return result;
    }

    enum class Direction { Back, Forward };

    // Selects the character beyond U+FFFF next to a caret with no
    // selection, so that deleting takes both its halves.
    void selectPair(Direction direction) {
        const Selection s = currentSelection();
        if (s.start != s.end)
            return;
        const std::wstring text = windowText();
        if (direction == Direction::Back && s.start >= 2 && splitsPair(text, s.start - 1))
            SendMessageW(window(), EM_SETSEL, s.start - 2, static_cast<LPARAM>(s.start));
        else if (direction == Direction::Forward && splitsPair(text, s.start + 1))
            SendMessageW(window(), EM_SETSEL, s.start, static_cast<LPARAM>(s.start + 2));
    }

    bool caretSplitsPair() const {
        const Selection s = currentSelection();
        const std::wstring text = windowText();
        return splitsPair(text, s.start) || splitsPair(text, s.end);
    }

    // Pastes the clipboard's first line, as much of it as the limit leaves
    // room for; nothing at all when none of it fits.
    void paste() {
        const std::wstring text = pastable(clipboardText(window()), room());
        if (!text.empty())
            SendMessageW(window(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }

    // Characters the user may still put in place of the selection; -1
    // when the box has no limit. The program may have set a longer text.
    int room() const {
        if (box_.maxLength() <= 0)
            return -1;
        const std::wstring text = windowText();
        const Selection s = currentSelection();
        const int kept =
            charactersIn(text) - (charactersIn(text, s.end) - charactersIn(text, s.start));
        return kept >= box_.maxLength() ? 0 : box_.maxLength() - kept;
    }

    Selection currentSelection() const {
        Selection s;
        SendMessageW(window(), EM_GETSEL, reinterpret_cast<WPARAM>(&s.start),
                     reinterpret_cast<LPARAM>(&s.end));
        return s;
    }

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
        // The peer holds typing and pasting to the limit in characters;
        // the edit's own limit, in units, only stops what else may come
        // (an input method's text): a character takes at most two units.
        // 0 lets the edit hold as much as it can.
        const int characters = box_.maxLength() > 0 ? box_.maxLength() : 0;
        SendMessageW(window(), EM_LIMITTEXT, static_cast<WPARAM>(characters) * 2, 0);
    }

    void syncCaret() { box_.syncSelStart(charactersIn(windowText(), currentSelection().start)); }

    TextBox& box_;
    bool applying_ = false;   // the program's text is being set
    bool forwarding_ = false; // a character goes to the edit past KeyPress
    bool pressed_ = false;    // the left button went down in the box
    wchar_t pendingHigh_ = 0; // first half of a character beyond U+FFFF
};

} // namespace

std::unique_ptr<Peer> makeTextBoxPeer(FormContext& ctx, TextBox& box, HWND parent) {
    return std::make_unique<TextBoxPeer>(ctx, box, parent);
}

} // namespace tavrin::win32
