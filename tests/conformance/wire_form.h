// A borderless form holding one tripwire, unarmed until a test arms it.
#pragma once

#include "platform/form.h"
#include "platform/tripwire.h"

namespace tavrin::conformance {

class WireForm : public Form {
  public:
    explicit WireForm(WindowSystem& ws) : Form(ws) {
        setStyle(FormBorder::None, false, false);
        move(1500, 1500, 3000, 1500);
        add(wire);
    }
    Tripwire wire;
};

} // namespace tavrin::conformance
