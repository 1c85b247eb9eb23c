// The splash: a white card on which the product name fades in while two
// bars sweep across it; then it opens the bar and goes.
#pragma once

#include "platform/form.h"
#include "platform/label.h"
#include "platform/shape.h"
#include "platform/timer.h"

#include <cstdint>

namespace tavrin {

class Program;

class frmInicio : public Form {
  public:
    explicit frmInicio(Program& program);

    Timer Timer1; // fades the name in
    Timer Timer2; // sweeps the bars
    Timer Timer3; // opens the bar and closes the splash
    // Back to front.
    Shape Shape1; // the bar that grows leftwards from the right edge
    Shape Shape2; // the bar that grows downwards from the top
    Label lblWord;
    Shape Shape4; // the frame around the card
    Shape Shape3; // where the two bars cross

    // The name's current grey.
    std::int16_t FadeLevel = 0;

    void Form_Load() override;
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

  private:
    void design();

    Program& program_;
};

} // namespace tavrin
