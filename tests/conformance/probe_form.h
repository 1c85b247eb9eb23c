// A form of every kind of control the conformance tests need, added in
// design order: a text box, a check box, a frame holding a text box and a
// timer, a push button, a drop-down list, a scroll bar, a label and a
// timer. It writes down, one letter an event, what the text box, the check
// box, the push button, the list and the scroll bar raise.
#pragma once

#include "desktop_driver.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/command_button.h"
#include "platform/form.h"
#include "platform/form_slot.h"
#include "platform/frame.h"
#include "platform/label.h"
#include "platform/scroll_bar.h"
#include "platform/text_box.h"
#include "platform/timer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

namespace tavrin::conformance {

class ProbeForm : public Form {
  public:
    // The border of the next form to load (a bordered form has a close
    // box); the forms after it are bordered again.
    static inline FormBorder nextBorder = FormBorder::FixedSingle;
    // Run by Form_Load, when set.
    static inline std::function<void(ProbeForm&)> onLoad;

    explicit ProbeForm(WindowSystem& ws) : Form(ws) {
        const FormBorder border = std::exchange(nextBorder, FormBorder::FixedSingle);
        setStyle(border, border != FormBorder::None, false);
        setCaption("Prueba");
        move(1500, 1500, 6000, 4500);
        for (Control* c : std::initializer_list<Control*>{&text, &check, &frame, &button, &combo,
                                                          &scroll, &label, &timer})
            add(*c);
        text.setGeometry(150, 150, 2400, 360);
        check.setGeometry(150, 600, 2400, 360);
        check.setCaption("Completo");
        frame.setGeometry(150, 1050, 5400, 600);
        frame.setBordered(false);
        frame.add(inFrame);
        inFrame.setGeometry(0, 0, 2400, 360);
        button.setGeometry(150, 1800, 1500, 450);
        button.setCaption("Guardar");
        combo.setGeometry(150, 2400, 2400, 360);
        combo.addItem("Nivel 1");
        combo.addItem("Nivel 2");
        scroll.setGeometry(150, 3000, 2400, 255);
        scroll.setRange(1, 255);
        label.setGeometry(3000, 2400, 1500, 600);
        label.setCaption("Acerca");
        text.onChange = [this] { events += 'T'; };
        text.onMouseDown = [this](const MouseArgs&) { events += 'D'; };
        text.onMouseUp = [this](const MouseArgs&) { events += 'U'; };
        text.onClick = [this] { events += 'C'; };
        text.onDblClick = [this] { events += 'W'; };
        check.onClick = [this] { events += 'K'; };
        button.onClick = [this] { events += 'B'; };
        combo.onClick = [this] { events += 'L'; };
        scroll.onChange = [this] { events += 'S'; };
    }
    void Form_Load() override {
        if (onLoad)
            onLoad(*this);
    }

    TextBox text;
    CheckBox check;
    Frame frame;
    TextBox inFrame;
    CommandButton button;
    ComboBox combo;
    HScrollBar scroll;
    Label label;
    Timer timer;
    std::string events;
};

// The fixture of the conformance suite: a fresh desktop for each test and
// one probe form, loaded and shown by open(); a test fails when a handler
// failed without the test expecting it.
class ProbeTest : public ::testing::Test {
  protected:
    ~ProbeTest() override { ProbeForm::onLoad = nullptr; }
    void TearDown() override {
        EXPECT_EQ(driver->escapedHandlers(), expectedEscapes)
            << "handlers failed that the test did not expect to";
    }

    ProbeForm& open() {
        ProbeForm& form = slot.get(ws);
        form.show();
        return form;
    }

    std::unique_ptr<DesktopDriver> driver = makeDriver();
    WindowSystem& ws = driver->ws();
    std::size_t expectedEscapes = 0;
    FormSlot<ProbeForm> slot;
};

} // namespace tavrin::conformance
