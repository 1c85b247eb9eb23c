// A form of every kind of control the conformance tests need, added in
// design order: the text boxes, a check box, a frame holding a text box and
// a timer, a push button, a label and a timer.
#pragma once

#include "platform/check_box.h"
#include "platform/command_button.h"
#include "platform/form.h"
#include "platform/frame.h"
#include "platform/label.h"
#include "platform/text_box.h"
#include "platform/timer.h"

#include <functional>

namespace tavrin::conformance {

class ProbeForm : public Form {
  public:
    // Set before the form loads: a bordered form has a close box.
    static inline FormBorder nextBorder = FormBorder::FixedSingle;
    // Run by Form_Load, when set.
    static inline std::function<void(ProbeForm&)> onLoad;

    explicit ProbeForm(WindowSystem& ws) : Form(ws) {
        setStyle(nextBorder, nextBorder != FormBorder::None, false);
        setCaption("Prueba");
        move(1500, 1500, 6000, 4500);
        for (Control* c :
             std::initializer_list<Control*>{&first, &check, &frame, &button, &label, &timer})
            add(*c);
        first.setGeometry(150, 150, 2400, 360);
        check.setGeometry(150, 600, 2400, 360);
        check.setCaption("Completo");
        frame.setGeometry(150, 1050, 5400, 600);
        frame.setBordered(false);
        frame.add(inFrame);
        frame.add(timerInFrame);
        inFrame.setGeometry(0, 0, 2400, 360);
        button.setGeometry(150, 1800, 1500, 450);
        button.setCaption("Guardar");
        label.setGeometry(3000, 2400, 1500, 600);
        label.setCaption("Acerca");
    }
    void Form_Load() override {
        if (onLoad)
            onLoad(*this);
    }

    TextBox first;
    CheckBox check;
    Frame frame;
    TextBox inFrame;
    Timer timerInFrame;
    CommandButton button;
    Label label;
    Timer timer;
};

} // namespace tavrin::conformance

#include "conformance.h"
#include "platform/form_slot.h"

namespace tavrin::conformance {

// A conformance test around one probe form, loaded and shown by open().
class ProbeTest : public Conformance {
  protected:
    ProbeTest() {
        ProbeForm::nextBorder = FormBorder::FixedSingle;
        ProbeForm::onLoad = nullptr;
    }
    ~ProbeTest() override { ProbeForm::onLoad = nullptr; }

    ProbeForm& open() {
        ProbeForm& form = slot.get(ws);
        form.show();
        return form;
    }

    FormSlot<ProbeForm> slot;
};

} // namespace tavrin::conformance
