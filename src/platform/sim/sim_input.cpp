// Input as the user gives it: the mouse on controls and forms, the keyboard
// focus, keys typed into text boxes, items picked from lists, the close box.
// Each event the window system would send is delivered on its own, so a
// handler that fails stops only its own event.
#include "sim_internal.h"

#include "../check_box.h"
#include "../codepage.h"
#include "../combo_box.h"
#include "../tab_order.h"
#include "../text_box.h"

#include <algorithm>
#include <vector>

namespace tavrin::sim {
namespace {

constexpr int kBackspace = 8;
constexpr int kTab = 9;

// Byte offsets of each code point's start, plus the end of the text.
std::vector<std::size_t> codePointOffsets(const std::string& text) {
    std::vector<std::size_t> offsets;
    std::size_t pos = 0;
    while (pos < text.size()) {
        offsets.push_back(pos);
        nextCodePoint(text, pos);
    }
    offsets.push_back(text.size());
    return offsets;
}

// The text with the code points from..to (exclusive) taken out.
std::string erased(const std::string& text, const std::vector<std::size_t>& offsets, int from,
                   int to) {
    std::string edited = text;
    const std::size_t begin = offsets[static_cast<std::size_t>(from)];
    edited.erase(begin, offsets[static_cast<std::size_t>(to)] - begin);
    return edited;
}

} // namespace

bool SimDesktop::accepts(const Control& target) const {
    const Form* form = target.form();
    return !ended_ && form && form->loaded();
}

bool SimDesktop::reachable(const Control& target) const {
    if (!accepts(target))
        return false;
    // A hidden or disabled control, or one on a hidden or disabled frame,
    // gets no mouse and no keyboard.
    for (const Control* c = &target; c; c = dynamic_cast<const Control*>(c->parent()))
        if (!c->visible() || !c->enabled())
            return false;
    return true;
}

bool SimDesktop::mouseReaches(const Control& target) const {
    return reachable(target) && !target.form()->passThrough();
}

void SimDesktop::mouseMove(Control& target, MouseArgs args) {
    if (mouseReaches(target))
        deliver([&] { target.raiseMouseMove(args); });
}

void SimDesktop::mouseDown(Control& target, MouseArgs args) {
    if (mouseReaches(target))
        deliver([&] { target.raiseMouseDown(args); });
}

void SimDesktop::mouseUp(Control& target, MouseArgs args) {
    if (accepts(target))
        deliver([&] { target.raiseMouseUp(args); });
}

void SimDesktop::click(Control& target, int button) {
    Dispatch scope(*this);
    MouseArgs args;
    args.button = button;
    if (!mouseReaches(target))
        return;
    if (target.takesFocus())
        moveFocus(&target);
    deliver([&] { target.raiseMouseDown(args); });
    if (!accepts(target))
        return;
    deliver([&] { target.raiseMouseUp(args); });
    if (!accepts(target))
        return;
    if (target.kind() == ControlKind::CheckBox)
        deliver([&] { static_cast<CheckBox&>(target).userToggle(); }); // raises Click itself
    else
        deliver([&] { target.raiseClick(); });
}

void SimDesktop::dblClick(Control& target) {
    Dispatch scope(*this);
    if (!mouseReaches(target))
        return;
    click(target);
    if (!accepts(target))
        return;
    // A button has no double-click: the second press is a click of its own.
    if (target.kind() == ControlKind::CheckBox || target.kind() == ControlKind::CommandButton) {
        click(target);
        return;
    }
    deliver([&] { target.raiseDblClick(); });
    if (accepts(target))
        deliver([&] { target.raiseMouseUp(MouseArgs{}); });
}

void SimDesktop::mouseMove(Form& target, MouseArgs args) {
    if (!ended_ && target.loaded() && !target.passThrough())
        deliver([&] { target.Form_MouseMove(args); });
}

void SimDesktop::dblClick(Form& target) {
    if (!ended_ && target.loaded() && !target.passThrough())
        deliver([&] { target.Form_DblClick(); });
}

void SimDesktop::typeKey(TextBox& target, int key) {
    Dispatch scope(*this);
    // Tab moves the focus: the keyboard gives it to no text box as a character.
    if (!reachable(target) || key == kTab)
        return;
    int code = 0; // a KeyPress handler that fails consumes the key
    deliver([&] { code = target.raiseKeyPress(key); });
    key = code;
    // A one-line edit control inserts no control characters.
    if ((key != kBackspace && !insertsCharacter(key)) || !accepts(target))
        return;
    const std::vector<std::size_t> offsets = codePointOffsets(target.text());
    const int length = static_cast<int>(offsets.size()) - 1;
    const int caret = std::clamp(target.selStart(), 0, length);
    std::string edited;
    int newCaret = caret;
    if (key == kBackspace) {
        if (caret == 0)
            return;
        edited = erased(target.text(), offsets, caret - 1, caret);
        newCaret = caret - 1;
    } else {
        if (target.maxLength() > 0 && length >= target.maxLength())
            return;
        std::string inserted;
        appendUtf8(inserted, static_cast<char32_t>(key));
        edited = target.text();
        edited.insert(offsets[static_cast<std::size_t>(caret)], inserted);
        newCaret = caret + 1;
    }
    // The caret first, so that Change handlers see where it now stands.
    target.syncSelStart(newCaret);
    deliver([&] { target.syncText(edited); });
}

void SimDesktop::typeText(TextBox& target, const std::string& utf8) {
    Dispatch scope(*this);
    for (std::size_t pos = 0; pos < utf8.size();)
        typeKey(target, static_cast<int>(nextCodePoint(utf8, pos)));
}

void SimDesktop::pressKey(TextBox& target, EditKey key) {
    Dispatch scope(*this);
    if (!reachable(target))
        return;
    const std::vector<std::size_t> offsets = codePointOffsets(target.text());
    const int length = static_cast<int>(offsets.size()) - 1;
    const int caret = std::clamp(target.selStart(), 0, length);
    switch (key) {
    case EditKey::Delete:
        if (caret < length)
            deliver([&] { target.syncText(erased(target.text(), offsets, caret, caret + 1)); });
        break;
    case EditKey::Left:
        target.syncSelStart(std::max(caret - 1, 0));
        break;
    case EditKey::Right:
        target.syncSelStart(std::min(caret + 1, length));
        break;
    case EditKey::Home:
        target.syncSelStart(0);
        break;
    case EditKey::End:
        target.syncSelStart(length);
        break;
    }
}

void SimDesktop::pickItem(ComboBox& target, int index) {
    if (reachable(target))
        deliver([&] { target.syncListIndex(index); });
}

// --- The focus and the form's keys ---

void SimDesktop::setFocus(Control& target) {
    if (reachable(target) && target.takesFocus())
        moveFocus(&target);
}

void SimDesktop::moveFocus(Control* target) {
    // The form the focus leaves remembers where it was.
    if (focused_ && (!target || focused_->form() != target->form()))
        lastFocus_[focused_->form()] = focused_;
    focused_ = target;
}

Control* SimDesktop::focusedControl() const {
    return focused_ && accepts(*focused_) ? focused_ : nullptr;
}

void SimDesktop::pressTab(Form& form, bool backwards) {
    if (ended_ || !form.loaded())
        return;
    const Control* current = focusedControl();
    if (current && current->form() != &form)
        current = nullptr;
    if (Control* next = nextTabStop(form, current, backwards))
        moveFocus(next);
}

void SimDesktop::clickCloseBox(Form& target) {
    if (!ended_ && target.loaded() && target.hasCloseBox())
        deliver([&] { target.closeByUser(); });
}

void SimDesktop::pressAltF4(Form& target) {
    if (!ended_ && target.loaded())
        deliver([&] { target.closeByUser(); });
}

} // namespace tavrin::sim
