#include "control_peers.h"

#include "platform/command_button.h"

namespace tavrin::win32 {

// Not yet a real control: the CommandButton stands without a window.
std::unique_ptr<Peer> makeCommandButtonPeer(FormContext&, CommandButton&, HWND) {
    return nullptr;
}

} // namespace tavrin::win32
