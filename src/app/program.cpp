#include "program.h"

#include "bar/frm_side.h"

namespace tavrin {

Program::~Program() = default;

void Program::start() {
    form<frmSide>().show();
}

} // namespace tavrin
