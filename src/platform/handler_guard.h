// Where the window system calls into the program. A handler that fails
// stops there: what escapes it is caught, reported to the window system
// and goes no further, so no exception ever unwinds through a window
// procedure, a modal loop or the system's own code.
#pragma once

#include "window_system.h"

#include <exception>

namespace tavrin {

template <class Handler> void runHandler(WindowSystem& ws, Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& e) {
        ws.handlerEscaped(e.what());
    } catch (...) {
        ws.handlerEscaped("an exception of unknown type");
    }
}

} // namespace tavrin
