// A handler that fails stops where the window system called it, on every
// path into the program, and the program goes on.
#include "probe_form.h"

#include <stdexcept>

namespace tavrin::conformance {
namespace {

using HandlerFailureConformance = ProbeTest;

TEST_F(HandlerFailureConformance, EveryPathStopsTheFailureAndTheProgramGoesOn) {
    ProbeForm& form = open();
    std::size_t failures = 0;
    auto fail = [&failures] {
        ++failures;
        throw std::runtime_error("a handler failed");
    };

    // A timer tick: the timer ticks on.
    int ticks = 0;
    form.timer.onTimer = [&] {
        if (++ticks == 1)
            fail();
    };
    form.timer.setInterval(10);
    form.timer.setEnabled(true);
    ASSERT_TRUE(driver->runUntil([&] { return ticks >= 3; }));
    form.timer.setEnabled(false);

    // The mouse on a label, routed by its container: the later events come.
    std::string events;
    form.label.onMouseDown = [&](const MouseArgs&) {
        events += 'D';
        fail();
    };
    form.label.onMouseUp = [&](const MouseArgs&) { events += 'U'; };
    form.label.onClick = [&] {
        events += 'C';
        fail();
    };
    driver->click(form.label);
    ASSERT_TRUE(driver->runUntil([&] { return events.size() == 3; }));
    EXPECT_EQ(events, "DUC");

    // A child control's notification.
    form.check.onClick = fail;
    driver->click(form.check);
    ASSERT_TRUE(driver->runUntil([&] { return form.check.value() == 1; }));

    // A text box's: a failed KeyPress consumes its key.
    const std::size_t failedBefore = failures;
    driver->focus(form.text);
    form.text.onKeyPress = [&](int&) { fail(); };
    driver->type(U'a');
    form.text.onKeyPress = nullptr;
    form.text.onChange = form.text.onClick = fail;
    driver->type(U'b');
    driver->click(form.text);
    ASSERT_TRUE(driver->runUntil([&] { return failures == failedBefore + 3; }));
    EXPECT_EQ(form.text.text(), "b");

    // Inside a modal message box, where timers tick on: the box still
    // closes and its caller carries on.
    bool carriedOn = false;
    form.timer.onTimer = [&] {
        ++ticks;
        fail();
    };
    form.timer.setEnabled(true);
    const int before = ticks;
    driver->answerMessageBoxesWhen([&] { return ticks >= before + 2; });
    const std::string text =
        "No se puede guardar la configuraci\u00f3n, \u00bfest\u00e1 protegido?";
    form.button.onClick = [&] {
        ws.messageBox(text, "Tavrin", MessageIcon::Critical);
        form.timer.setEnabled(false);
        carriedOn = true;
    };
    driver->click(form.button);
    ASSERT_TRUE(driver->runUntil([&] { return carriedOn; }));
    EXPECT_GE(ticks, before + 2) << "timers tick while a modal message box is open";
    EXPECT_NE(driver->answeredMessageBoxText().find(text), std::string::npos)
        << "the box shows its Spanish text as it is: " << driver->answeredMessageBoxText();

    // Each failure was stopped once, where it happened.
    EXPECT_GE(failures, 9u);
    expectedEscapes = failures;
    EXPECT_TRUE(form.loaded());
}

} // namespace
} // namespace tavrin::conformance
