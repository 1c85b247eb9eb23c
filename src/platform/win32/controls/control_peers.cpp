#include "platform/win32/controls/control_peers.h"

#include "platform/win32/controls/frame_peer.h"
#include "platform/win32/controls/list_box_peer.h"
#include "platform/win32/controls/scroll_bar_peer.h"
#include "platform/win32/controls/timer_peer.h"
#include "platform/win32/controls/tripwire_peer.h"
#include "platform/win32/controls/windowless_peer.h"

#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/command_button.h"
#include "platform/frame.h"
#include "platform/list_box.h"
#include "platform/scroll_bar.h"
#include "platform/text_box.h"
#include "platform/timer.h"

namespace tavrin::win32 {
namespace {

std::unique_ptr<Peer> makePeer(FormContext& ctx, Control& c, HWND parent) {
    switch (c.kind()) {
    case ControlKind::Label:
    case ControlKind::Shape:
        return std::make_unique<WindowlessPeer>(ctx, c, parent);
    case ControlKind::Timer:
        return std::make_unique<TimerPeer>(ctx, static_cast<Timer&>(c));
    case ControlKind::Frame:
        return std::make_unique<FramePeer>(ctx, static_cast<Frame&>(c), parent);
    case ControlKind::ListBox:
        return std::make_unique<ListBoxPeer>(ctx, static_cast<ListBox&>(c), parent);
    case ControlKind::HScrollBar:
        return std::make_unique<ScrollBarPeer>(ctx, static_cast<HScrollBar&>(c), parent);
    case ControlKind::TextBox:
        return makeTextBoxPeer(ctx, static_cast<TextBox&>(c), parent);
    case ControlKind::CheckBox:
        return makeCheckBoxPeer(ctx, static_cast<CheckBox&>(c), parent);
    case ControlKind::ComboBox:
        return makeComboBoxPeer(ctx, static_cast<ComboBox&>(c), parent);
    case ControlKind::CommandButton:
        return makeCommandButtonPeer(ctx, static_cast<CommandButton&>(c), parent);
    case ControlKind::Tripwire:
        return std::make_unique<TripwirePeer>(ctx, static_cast<Tripwire&>(c));
    }
    return nullptr;
}

} // namespace

void createPeers(FormContext& ctx, Container& container, HWND containerWindow,
                 std::vector<AttachedPeer>& out) {
    for (Control* c : container.children()) {
        std::unique_ptr<Peer> peer = makePeer(ctx, *c, containerWindow);
        Peer* raw = peer.get();
        c->attach(raw);
        out.push_back(AttachedPeer{c, std::move(peer)});
        if (c->kind() == ControlKind::Frame && raw)
            createPeers(ctx, static_cast<Frame&>(*c), static_cast<FramePeer*>(raw)->window(), out);
    }
}

} // namespace tavrin::win32
