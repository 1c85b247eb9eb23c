// A tripwire: a tiny window of its own, on top of all others, lying on one
// screen pixel. It tells when the cursor touches it and gets out of the way
// at once, so that the user's next click there reaches the window beneath.
// It never takes the focus and shows in no taskbar. Waiting costs nothing:
// no timer runs for it. It belongs to its form and lives while the form is
// loaded.
#pragma once

#include "control.h"

namespace tavrin {

class Tripwire : public Control {
  public:
    Tripwire() : Control(ControlKind::Tripwire) {}

    // The screen pixel it lies on.
    Point pixel() const { return pixel_; }
    void setPixel(Point p) {
        if (p.x == pixel_.x && p.y == pixel_.y)
            return;
        pixel_ = p;
        notify(Prop::Geometry);
    }
    // Lying on its pixel and watching for the cursor.
    bool armed() const { return armed_; }
    void setArmed(bool v) { setAndNotify(armed_, v, Prop::Value); }

    std::function<void()> onTouched;
    // From the window system: the cursor came onto the pixel. The wire is
    // out of the way before the handler runs.
    void touch() {
        setArmed(false);
        fire(onTouched);
    }

  private:
    Point pixel_;
    bool armed_ = false;
};

} // namespace tavrin
