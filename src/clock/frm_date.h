// The clock panel: a small borderless window near the bottom of the screen,
// on the side opposite the bar, with the time, the weekday and the day and
// month. It comes and goes with the bar.
#pragma once

#include "platform/form.h"
#include "platform/label.h"
#include "platform/timer.h"

namespace tavrin {

class Program;

class frmDate : public Form {
  public:
    explicit frmDate(Program& program);

    Label Label1; // time
    Label Label2; // weekday
    Label Label3; // day and month
    Timer tmrDate;

    void Form_Load() override;
    void Form_Resize() override;

    // Rewrites the three captions from the clock and the regional long date.
    void BDate();

  private:
    void design();

    Program& program_;
};

} // namespace tavrin
