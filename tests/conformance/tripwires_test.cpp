// Tripwires on both desktops: the cursor coming onto the pixel touches an
// armed wire once, and so does the wire appearing under a cursor already
// there; a disarmed wire and the wire of an unloaded form are nowhere.
#include "probe_form.h"
#include "wire_form.h"

namespace tavrin::conformance {
namespace {

// Long enough for a touch that should not come to have come.
constexpr int kQuietMs = 300;

using TripwireConformance = ProbeTest;

TEST_F(TripwireConformance, TouchedOnceWhereTheCursorMeetsTheArmedWire) {
    FormSlot<WireForm> slot;
    Tripwire& wire = slot.get(ws).wire;
    int touches = 0;
    wire.onTouched = [&] { ++touches; };
    const Point pixel{640, 600}, moved{660, 620}, away{700, 650};

    driver->moveCursor(away.x, away.y);
    wire.setPixel(pixel);
    wire.setArmed(true);
    driver->runFor(kQuietMs);
    EXPECT_TRUE(driver->tripwireAt(pixel));
    EXPECT_EQ(touches, 0) << "the cursor is elsewhere";

    driver->moveCursor(pixel.x, pixel.y);
    ASSERT_TRUE(driver->runUntil([&] { return touches > 0; }));
    driver->runFor(kQuietMs);
    EXPECT_EQ(touches, 1);
    EXPECT_FALSE(wire.armed());
    EXPECT_FALSE(driver->tripwireAt(pixel)) << "out of the way of the next click";

    // Armed again under the cursor that waits there: its window appearing
    // under the cursor tells.
    wire.setArmed(true);
    ASSERT_TRUE(driver->runUntil([&] { return touches == 2; }));
    EXPECT_FALSE(wire.armed());

    // Set at another pixel, it waits there.
    driver->moveCursor(away.x, away.y);
    wire.setPixel(moved);
    wire.setArmed(true);
    driver->moveCursor(moved.x, moved.y);
    ASSERT_TRUE(driver->runUntil([&] { return touches == 3; }));

    // Disarmed, it is not there for the cursor.
    driver->moveCursor(away.x, away.y);
    wire.setArmed(true);
    wire.setArmed(false);
    driver->moveCursor(moved.x, moved.y);
    driver->runFor(kQuietMs);
    EXPECT_EQ(touches, 3);
    EXPECT_FALSE(driver->tripwireAt(moved));

    // Unloaded while armed: nothing is left on the pixel to touch.
    driver->moveCursor(away.x, away.y);
    wire.setArmed(true);
    wire.onTouched = [&] { ADD_FAILURE() << "the wire of an unloaded form was touched"; };
    slot.unload();
    driver->runFor(kQuietMs);
    EXPECT_FALSE(driver->tripwireAt(moved));
    driver->moveCursor(moved.x, moved.y);
    driver->runFor(kQuietMs);
}

} // namespace
} // namespace tavrin::conformance
