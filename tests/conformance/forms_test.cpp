// Forms on both desktops: unloading from inside their own handlers, the
// close box and Alt+F4, a load that fails, a form shown again while open,
// the Tab key's round, the system's window colour, a form that lets the
// mouse through, and pixels and labels that fit their text at 96 and 144 dpi.
#include "probe_form.h"
#include "wire_form.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace tavrin::conformance {
namespace {

using FormConformance = ProbeTest;

TEST_F(FormConformance, FormsUnloadSafelyFromInsideTheirOwnHandlers) {
    int timerTicks = 0;
    auto unloadFrom = [&](auto wire, auto act) {
        ProbeForm& form = open();
        bool ranToTheEnd = false;
        wire(form, [&] {
            slot.unload();
            // The form stays usable until its handler returns.
            ranToTheEnd = !form.loaded() && form.label.caption() == "Acerca";
        });
        act(form);
        EXPECT_TRUE(driver->runUntil([&] { return ranToTheEnd; }));
        EXPECT_EQ(slot.ifLoaded(), nullptr);
    };
    unloadFrom(
        [&](ProbeForm& f, auto handler) {
            f.timer.onTimer = [&timerTicks, handler] {
                ++timerTicks;
                handler();
            };
            f.timer.setInterval(10);
            f.timer.setEnabled(true);
        },
        [](ProbeForm&) {});
    unloadFrom([](ProbeForm& f,
                  auto handler) { f.label.onMouseDown = [=](const MouseArgs&) { handler(); }; },
               [&](ProbeForm& f) { driver->click(f.label); });
    unloadFrom([](ProbeForm& f, auto handler) { f.label.onClick = handler; },
               [&](ProbeForm& f) { driver->click(f.label); });
    unloadFrom([](ProbeForm& f, auto handler) { f.check.onClick = handler; },
               [&](ProbeForm& f) { driver->click(f.check); });
    unloadFrom([](ProbeForm& f, auto handler) { f.button.onClick = handler; },
               [&](ProbeForm& f) { driver->click(f.button); });
    // The unloaded form's timer is gone with it.
    driver->runFor(100);
    EXPECT_EQ(timerTicks, 1);
}

TEST_F(FormConformance, CloseBoxAndAltF4UnloadOnlyAFormThatHasACloseBox) {
    driver->clickCloseBox(open());
    EXPECT_TRUE(driver->runUntil([&] { return slot.ifLoaded() == nullptr; }));

    ProbeForm& again = open();
    driver->focus(again.text);
    driver->press(again, Key::AltF4);
    EXPECT_TRUE(driver->runUntil([&] { return slot.ifLoaded() == nullptr; }));

    // The bar, the clock panel and the splash have no close box.
    ProbeForm::nextBorder = FormBorder::None;
    ProbeForm& borderless = open();
    driver->press(borderless, Key::AltF4);
    driver->clickCloseBox(borderless);
    driver->runFor(100);
    EXPECT_EQ(slot.ifLoaded(), &borderless);
}

TEST_F(FormConformance, AFormWhoseLoadFailsIsNotKeptHalfLoaded) {
    WindowHandle window = 0;
    ProbeForm::onLoad = [&](ProbeForm& form) {
        window = form.hWnd();
        ws.setWindowLong(window, kGwlExStyle, kWsExLayered);
        throw std::runtime_error("the load failed");
    };
    EXPECT_THROW(slot.get(ws), std::runtime_error);
    EXPECT_EQ(slot.ifLoaded(), nullptr);
    ASSERT_NE(window, 0);
    EXPECT_TRUE(driver->runUntil([&] { return ws.getWindowLong(window, kGwlExStyle) == 0; }))
        << "the window of the failed load is still there";

    // The next use loads a fresh form.
    ProbeForm::onLoad = nullptr;
    EXPECT_TRUE(open().loaded());
}

TEST_F(FormConformance, TabFollowsTheDesignOrderThroughFrames) {
    // A bordered form comes up with the focus on its first stop.
    ProbeForm& form = open();
    ASSERT_TRUE(driver->runUntil([&] { return driver->focused() == &form.text; }));
    std::vector<Control*> round;
    for (int i = 0; i < 6; ++i) {
        driver->press(form, Key::Tab);
        round.push_back(driver->focused());
    }
    EXPECT_EQ(round, (std::vector<Control*>{&form.check, &form.inFrame, &form.button, &form.combo,
                                            &form.scroll, &form.text}));

    driver->press(form, Key::ShiftTab);
    EXPECT_EQ(driver->focused(), &form.scroll);

    // Hidden and disabled controls are no stops; neither is a hidden frame's.
    form.check.setEnabled(false);
    form.frame.setVisible(false);
    driver->press(form, Key::Tab);
    EXPECT_EQ(driver->focused(), &form.text);
    driver->press(form, Key::Tab);
    EXPECT_EQ(driver->focused(), &form.button);
}

TEST_F(FormConformance, ABorderedFormShownAgainWhileOpenKeepsItsWindowAndTakesTheFocusBack) {
    int loads = 0;
    ProbeForm::onLoad = [&](ProbeForm&) { ++loads; };
    ProbeForm& form = open();
    const WindowHandle window = form.hWnd();
    driver->focus(form.button);
    // Another window takes the focus.
    FormSlot<ProbeForm> otherSlot;
    ProbeForm& other = otherSlot.get(ws);
    other.show();
    ASSERT_TRUE(
        driver->runUntil([&] { return driver->focused() && driver->focused()->form() == &other; }));

    form.show();
    EXPECT_TRUE(driver->runUntil([&] { return driver->focused() == &form.button; }))
        << "the focus goes back where it was";
    EXPECT_EQ(form.hWnd(), window);
    EXPECT_EQ(slot.ifLoaded(), &form);
    EXPECT_EQ(loads, 2) << "the first form is not loaded again";
}

TEST_F(FormConformance, AFormThatLetsTheMouseThroughKeepsItsPlaceAndGivesItToTheWindowBeneath) {
    ProbeForm& beneath = open(); // pixels 100 to 500 across
    FormSlot<WireForm> slot;     // a borderless form over it, 100..300 x 100..200
    WireForm& over = slot.get(ws);
    over.show();
    ws.setWindowPos(over.hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoSize | kSwpNoMove);
    const Point first{200, 150}, moved{200, 250};
    auto reaches = [&](Point p, const Form& form) {
        return driver->runUntil([&] { return driver->windowAt(p) == form.hWnd(); });
    };
    ASSERT_TRUE(reaches(first, over));

    over.setPassThrough(true);
    EXPECT_TRUE(reaches(first, beneath));
    // Moved to a column one twip wide, as the collapsed bar: still through.
    over.move(3000, 3000, 1, 3000);
    EXPECT_TRUE(reaches(moved, beneath));
    over.setPassThrough(false);
    EXPECT_TRUE(reaches(moved, over)) << "the mouse is taken again where the form now stands";
    EXPECT_TRUE(reaches(first, beneath));
}

TEST_F(FormConformance, PixelsFollowTheScreensDpiAndSpansThatMeetInTwipsMeetInPixels) {
    for (int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        if (!driver->atDpi(dpi))
            continue; // the real desktop runs at another DPI
        ASSERT_EQ(ws.screenScale().dpi(), dpi);
        const Twips pixel = ws.screenScale().twipsPerPixel();
        EXPECT_EQ(std::fmod(ws.screenWidth(), pixel), 0);
        EXPECT_EQ(std::fmod(ws.screenHeight(), pixel), 0);

        // 1500 to 4500 twips across and 1500 to 3000 down.
        FormSlot<WireForm> wireSlot;
        WireForm& form = wireSlot.get(ws);
        form.show();
        ws.setWindowPos(form.hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoSize | kSwpNoMove);
        const long left = std::lround(1500 / pixel), right = std::lround(4500 / pixel);
        const long top = std::lround(1500 / pixel), bottom = std::lround(3000 / pixel);
        EXPECT_TRUE(driver->runUntil([&] { return driver->windowAt({left, top}) == form.hWnd(); }));
        EXPECT_EQ(driver->windowAt({right - 1, bottom - 1}), form.hWnd());
        for (Point beyond :
             {Point{left - 1, top}, Point{left, top - 1}, Point{right, top}, Point{left, bottom}})
            EXPECT_NE(driver->windowAt(beyond), form.hWnd()) << beyond.x << "," << beyond.y;
        wireSlot.unload();

        // A label that fits its text takes whole pixels of the DPI, at least
        // the font's size in twips high; it grows with its caption and font
        // and keeps its size once it no longer fits.
        Label& label = open().label;
        label.setFont(Font{"Segoe UI", 12, 400, false, false, false});
        label.setAutoSize(true);
        const Twips shortWidth = label.width(), lineHeight = label.height();
        EXPECT_EQ(std::fmod(shortWidth, pixel), 0);
        EXPECT_EQ(std::fmod(lineHeight, pixel), 0);
        EXPECT_GT(lineHeight, 12 * 20 - 1);
        label.setCaption("Acerca de Tavrin y de todo lo dem\u00e1s");
        EXPECT_GT(label.width(), 3 * shortWidth);
        EXPECT_EQ(label.height(), lineHeight);
        EXPECT_EQ(label.left(), 3000);
        label.setFont(Font{"Segoe UI", 24, 400, false, false, false});
        EXPECT_GT(label.height(), lineHeight * 1.5);
        label.setAutoSize(false);
        label.setCaption("A");
        EXPECT_GT(label.width(), 3 * shortWidth);
        slot.unload();
    }
}

TEST_F(FormConformance, GeometryRefusesWhatNoWindowCanTake) {
    ProbeForm& form = open();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_THROW(form.label.setWidth(nan), PropertyError);
    EXPECT_THROW(form.label.setWidth(-1), PropertyError);
    EXPECT_THROW(form.label.setLeft(infinity), PropertyError);
    EXPECT_THROW(form.setHeight(nan), PropertyError);
    EXPECT_THROW(form.setTop(-infinity), PropertyError);
    EXPECT_EQ(form.label.width(), 1500);
    EXPECT_EQ(form.height(), 4500);
}

} // namespace
} // namespace tavrin::conformance
