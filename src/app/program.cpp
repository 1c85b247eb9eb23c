#include "program.h"

#include "bar/frm_side.h"
#include "clock/frm_date.h"
#include "config/frm_config.h"
#include "splash/frm_inicio.h"

#include <utility>

namespace tavrin {

Program::Program(WindowSystem& ws) : ws(ws), module1(ws) {}

Program::~Program() = default;

bool Program::start() {
    if (!ws.claimOnlyInstance([this](InstanceRequest request) { handle(request); })) {
        ws.askRunningInstance(InstanceRequest::ShowSettings);
        return false;
    }
    form<frmInicio>().show();
    return true;
}

bool Program::endRunning() {
    return ws.askRunningInstance(InstanceRequest::Quit) != InstanceAnswer::Refused;
}

void Program::handle(InstanceRequest request) {
    if (request == InstanceRequest::Quit) {
        // As a double-click on the bar: at once, at any point of the start.
        ws.endProgram();
        return;
    }
    if (!loaded<frmSide>()) {
        settingsAsked_ = true;
        return;
    }
    // As the bar's settings tile shows it: loaded at its first showing,
    // brought to the front when it is open.
    form<frmConfig>().show();
}

void Program::barShown() {
    if (std::exchange(settingsAsked_, false))
        handle(InstanceRequest::ShowSettings);
}

} // namespace tavrin
