// Makes the peers of a container's controls, and of the controls inside
// its frames, in stacking order: windowless ones for labels and shapes,
// window timers, and real child windows for the rest.
#pragma once

#include "platform/win32/form_context.h"

#include "platform/container.h"

#include <memory>
#include <vector>

namespace tavrin {
class CheckBox;
class ComboBox;
class CommandButton;
class TextBox;
} // namespace tavrin

namespace tavrin::win32 {

struct AttachedPeer {
    Control* control;
    std::unique_ptr<Peer> peer;
};

// Appends the peers to out, each attached to its control; a container's
// peer comes before those of its children.
void createPeers(FormContext& ctx, Container& container, HWND containerWindow,
                 std::vector<AttachedPeer>& out);

// The real controls, one file each.
std::unique_ptr<Peer> makeTextBoxPeer(FormContext& ctx, TextBox& box, HWND parent);
std::unique_ptr<Peer> makeCheckBoxPeer(FormContext& ctx, CheckBox& box, HWND parent);
std::unique_ptr<Peer> makeComboBoxPeer(FormContext& ctx, ComboBox& box, HWND parent);
std::unique_ptr<Peer> makeCommandButtonPeer(FormContext& ctx, CommandButton& button, HWND parent);

} // namespace tavrin::win32
