#include "program.h"

#include "bar/frm_side.h"
#include "clock/frm_date.h"
#include "config/frm_config.h"
#include "splash/frm_inicio.h"

namespace tavrin {

Program::Program(WindowSystem& ws) : ws(ws), module1(ws) {}

Program::~Program() = default;

void Program::start() {
    form<frmInicio>().show();
}

} // namespace tavrin
