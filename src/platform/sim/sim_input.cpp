// Input as the user gives it: the mouse on controls and forms, keys typed
// into text boxes, items picked from lists.
#include "sim_internal.h"

#include "../check_box.h"
#include "../codepage.h"
#include "../combo_box.h"
#include "../text_box.h"

#include <algorithm>
#include <vector>

namespace tavrin::sim {
namespace {

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

} // namespace

bool SimDesktop::accepts(const Control& target) const {
    const Form* form = target.form();
    return !ended_ && form && form->loaded();
}

void SimDesktop::mouseMove(Control& target, MouseArgs args) {
    Dispatch scope(*this);
    if (accepts(target))
        target.raiseMouseMove(args);
}

void SimDesktop::mouseDown(Control& target, MouseArgs args) {
    Dispatch scope(*this);
    if (accepts(target))
        target.raiseMouseDown(args);
}

void SimDesktop::mouseUp(Control& target, MouseArgs args) {
    Dispatch scope(*this);
    if (accepts(target))
        target.raiseMouseUp(args);
}

void SimDesktop::click(Control& target, int button) {
    Dispatch scope(*this);
    MouseArgs args;
    args.button = button;
    if (!accepts(target))
        return;
    target.raiseMouseDown(args);
    if (!accepts(target))
        return;
    target.raiseMouseUp(args);
    if (!accepts(target))
        return;
    if (target.kind() == ControlKind::CheckBox)
        static_cast<CheckBox&>(target).userToggle(); // raises Click itself
    else
        target.raiseClick();
}

void SimDesktop::dblClick(Control& target) {
    Dispatch scope(*this);
    click(target);
    if (!accepts(target))
        return;
    target.raiseDblClick();
    if (accepts(target))
        target.raiseMouseUp(MouseArgs{});
}

void SimDesktop::mouseMove(Form& target, MouseArgs args) {
    Dispatch scope(*this);
    if (!ended_ && target.loaded())
        target.Form_MouseMove(args);
}

void SimDesktop::dblClick(Form& target) {
    Dispatch scope(*this);
    if (!ended_ && target.loaded())
        target.Form_DblClick();
}

void SimDesktop::typeKey(TextBox& target, int key) {
    Dispatch scope(*this);
    if (!accepts(target))
        return;
    key = target.raiseKeyPress(key);
    // A one-line edit control inserts no control characters.
    if (key == 0 || (key != 8 && key < 32) || !accepts(target))
        return;
    const std::string& text = target.text();
    const std::vector<std::size_t> offsets = codePointOffsets(text);
    const int length = static_cast<int>(offsets.size()) - 1;
    const int caret = std::clamp(target.selStart(), 0, length);
    std::string edited = text;
    int newCaret = caret;
    if (key == 8) {
        if (caret == 0)
            return;
        const std::size_t from = offsets[static_cast<std::size_t>(caret - 1)];
        edited.erase(from, offsets[static_cast<std::size_t>(caret)] - from);
        newCaret = caret - 1;
    } else {
        if (target.maxLength() > 0 && length >= target.maxLength())
            return;
        std::string inserted;
        appendUtf8(inserted, static_cast<char32_t>(key));
        edited.insert(offsets[static_cast<std::size_t>(caret)], inserted);
        newCaret = caret + 1;
    }
    // The caret first, so that Change handlers see where it now stands.
    target.syncSelStart(newCaret);
    target.syncText(edited);
}

void SimDesktop::typeText(TextBox& target, const std::string& utf8) {
    Dispatch scope(*this);
    for (std::size_t pos = 0; pos < utf8.size();)
        typeKey(target, static_cast<int>(nextCodePoint(utf8, pos)));
}

void SimDesktop::pickItem(ComboBox& target, int index) {
    Dispatch scope(*this);
    if (accepts(target))
        target.syncListIndex(index);
}
} // namespace tavrin::sim
