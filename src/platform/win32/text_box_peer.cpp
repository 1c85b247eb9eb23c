#include "control_peers.h"

#include "platform/text_box.h"

namespace tavrin::win32 {

// Not yet a real control: the TextBox stands without a window.
std::unique_ptr<Peer> makeTextBoxPeer(FormContext&, TextBox&, HWND) {
    return nullptr;
}

} // namespace tavrin::win32
