#include "control_peers.h"

#include "platform/combo_box.h"

namespace tavrin::win32 {

// Not yet a real control: the ComboBox stands without a window.
std::unique_ptr<Peer> makeComboBoxPeer(FormContext&, ComboBox&, HWND) {
    return nullptr;
}

} // namespace tavrin::win32
