#include "program.h"

#include "app/frm_inicio.h"
#include "bar/frm_side.h"
#include "clock/frm_date.h"
#include "config/frm_config.h"

namespace tavrin {

Program::Program(WindowSystem& ws) : ws(ws), module1(ws) {}

Program::~Program() = default;

void Program::start() {
    form<frmInicio>().show();
}

} // namespace tavrin
