// One of each control that raises Change or Click: a text box, a check
// box, a push button, a drop-down list and a scroll bar, in design order.
// The form writes down what they raise, one letter an event.
#pragma once

#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/command_button.h"
#include "platform/form.h"
#include "platform/scroll_bar.h"
#include "platform/text_box.h"

#include <string>

namespace tavrin::conformance {

class EditorsForm : public Form {
  public:
    explicit EditorsForm(WindowSystem& ws) : Form(ws) {
        setStyle(FormBorder::FixedSingle, true, false);
        setCaption("Editores");
        move(1500, 1500, 6000, 4500);
        for (Control* c : std::initializer_list<Control*>{&text, &check, &button, &combo, &scroll})
            add(*c);
        text.setGeometry(150, 150, 3000, 360);
        check.setGeometry(150, 600, 3000, 360);
        check.setCaption("Izquierda");
        button.setGeometry(150, 1050, 1500, 450);
        button.setCaption("Guardar");
        combo.setGeometry(150, 1650, 3000, 360);
        combo.addItem("Nivel 1");
        combo.addItem("Nivel 2");
        scroll.setGeometry(150, 2250, 3000, 255);
        scroll.setRange(1, 255);
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

    TextBox text;
    CheckBox check;
    CommandButton button;
    ComboBox combo;
    HScrollBar scroll;
    std::string events;
};

} // namespace tavrin::conformance
