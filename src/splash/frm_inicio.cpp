#include "frm_inicio.h"

#include "app/program.h"
#include "bar/frm_side.h"

namespace tavrin {
namespace {

constexpr Twips kCardWidth = 7815;
constexpr Twips kCardHeight = 4455;
constexpr int kTickMs = 30;
constexpr int kBarDelayMs = 500;
constexpr std::int16_t kFadeStart = 250;
constexpr std::int16_t kFadeStep = 10;
constexpr Twips kSweepEnd = 4815;                 // just below the card's lower edge
constexpr Twips kFallStep = 120;                  // Shape2 grows down this much a tick
constexpr Twips kSweepStep = 200;                 // Shape1 grows left this much a tick
constexpr Twips kCrossFrom = 480, kCrossTo = 960; // where Shape1 meets Shape2

void designShape(Shape& shape, const char* name, Twips left, Twips top, Twips width, Twips height,
                 Color color) {
    shape.setName(name);
    shape.setGeometry(left, top, width, height);
    shape.setFill(true, color);
    shape.setBorderColor(color);
}

} // namespace

frmInicio::frmInicio(Program& program) : Form(program.ws), program_(program) {
    design();
}

void frmInicio::design() {
    setStyle(FormBorder::None, false, true);
    setCaption("Form1");
    setBackColor(rgb(255, 255, 255));
    move(0, 0, kCardWidth, kCardHeight);
    for (Control* c : std::initializer_list<Control*>{&Timer1, &Timer2, &Timer3, &Shape1, &Shape2,
                                                      &lblWord, &Shape4, &Shape3})
        add(*c);
    Timer1.setName("Timer1");
    Timer1.setInterval(kTickMs);
    Timer1.setEnabled(true);
    Timer2.setName("Timer2");
    Timer2.setInterval(kTickMs);
    Timer2.setEnabled(true);
    Timer3.setName("Timer3");
    Timer3.setInterval(kBarDelayMs);
    Timer3.setEnabled(false);
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };

    designShape(Shape1, "Shape1", 7800, 3240, 15, 495, rgb(128, 128, 128));
    designShape(Shape2, "Shape2", 480, 0, 495, 15, rgb(192, 192, 192));
    designShape(Shape3, "Shape3", 960, 3240, 15, 495, rgb(64, 64, 64));
    Shape3.setVisible(false);
    Shape4.setName("Shape4");
    Shape4.setGeometry(0, 0, kCardWidth, kCardHeight);
    Shape4.setSystemBorderColor(true);

    lblWord.setName("lblWord");
    lblWord.setGeometry(1080, 2280, 3675, 585);
    lblWord.setFont(Font{"Calibri", 24, 400});
    lblWord.setForeColor(rgb(255, 255, 255));
    lblWord.setTransparent(true);
    lblWord.setCaption("TAVRIN");
    lblWord.setAutoSize(true);
}

void frmInicio::Form_Load() {
    FadeLevel = kFadeStart;
}

void frmInicio::Timer1_Timer() {
    if (FadeLevel > 0 && FadeLevel <= kFadeStart) {
        FadeLevel = static_cast<std::int16_t>(FadeLevel - kFadeStep);
        lblWord.setForeColor(rgb(FadeLevel, FadeLevel, FadeLevel));
    } else {
        Timer1.setEnabled(false);
    }
}

void frmInicio::Timer2_Timer() {
    if (Shape2.height() < kSweepEnd) {
        Shape2.setHeight(Shape2.height() + kFallStep);
        Shape1.setLeft(Shape1.left() - kSweepStep);
        Shape1.setWidth(Shape1.width() + kSweepStep);
        if (Shape1.left() >= kCrossFrom && Shape1.left() <= kCrossTo) {
            Shape3.setVisible(true);
            Shape3.setLeft(Shape2.left());
            Shape3.setWidth(Shape2.width());
        }
    } else {
        Timer2.setEnabled(false);
        Timer3.setEnabled(true);
    }
}

void frmInicio::Timer3_Timer() {
    program_.form<frmSide>().show();
    Program& program = program_;
    program.unload<frmInicio>();
    program.barShown();
}

} // namespace tavrin
