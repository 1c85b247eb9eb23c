#include "control_peers.h"

#include "platform/check_box.h"

namespace tavrin::win32 {

// Not yet a real control: the CheckBox stands without a window.
std::unique_ptr<Peer> makeCheckBoxPeer(FormContext&, CheckBox&, HWND) {
    return nullptr;
}

} // namespace tavrin::win32
