#include "frm_date.h"

#include "app/program.h"
#include "bar/frm_side.h"
#include "platform/window_system.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace tavrin {
namespace {

constexpr Twips kPanelWidth = 7470;
constexpr Twips kPanelHeight = 2100;
constexpr Twips kBottomMargin = 720; // above the bottom of the screen
constexpr Twips kLeftMargin = 750;   // from the left edge, with the bar at the right
constexpr Twips kRightMargin = 780;  // from the right edge, with the bar at the left
constexpr int kRefreshMs = 1000;
// A light level that is no number shows the text white, as the default does.
constexpr double kUnreadableLightLevel = 255;

// The long date's pieces at every single space; two spaces give an empty one.
std::vector<std::string> piecesAtSpaces(const std::string& text) {
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == ' ')
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

// The day and month: pieces 1 to 3 of the long date. A regional format with
// fewer pieces shows what it has after the weekday, or the whole date when
// it has no space at all.
std::string dayAndMonth(const std::string& longDate) {
    constexpr std::size_t kFirst = 1, kLast = 3;
    const std::vector<std::string> pieces = piecesAtSpaces(longDate);
    if (pieces.size() <= kFirst)
        return longDate;
    std::string shown;
    for (std::size_t i = kFirst; i <= kLast && i < pieces.size(); ++i)
        shown += (i == kFirst ? "" : " ") + pieces[i];
    return shown;
}

} // namespace

frmDate::frmDate(Program& program) : Form(program.ws), program_(program) {
    design();
}

void frmDate::design() {
    setStyle(FormBorder::None, false, false);
    setBackColor(rgb(64, 64, 64));
    move(0, 0, kPanelWidth, kPanelHeight);
    struct Design {
        Label* label;
        const char* name;
        Twips left, top, width, height;
        Font font;
        const char* text;
    };
    const Design labels[] = {
        {&Label1, "Label1", 960, 180, 3015, 1335, Font{"Segoe UI Light", 60, 300}, "09:35"},
        {&Label2, "Label2", 4080, 360, 2340, 750, Font{"Segoe UI", 27.75, 400}, "mi\u00e9rcoles"},
        {&Label3, "Label3", 4080, 1020, 2880, 555, Font{"Segoe UI", 20.25, 400}, "31 de diciembre"},
    };
    for (const Design& d : labels) {
        add(*d.label);
        d.label->setName(d.name);
        d.label->setGeometry(d.left, d.top, d.width, d.height);
        d.label->setFont(d.font);
        d.label->setTransparent(true);
        d.label->setCaption(d.text);
    }
    // The weekday and the date grow to the right to fit their text.
    Label2.setAutoSize(true);
    Label3.setAutoSize(true);
    add(tmrDate);
    tmrDate.setName("tmrDate");
    tmrDate.setInterval(kRefreshMs);
    tmrDate.setEnabled(true);
    tmrDate.onTimer = [this] { BDate(); };
}

void frmDate::Form_Load() {
    WindowSystem& ws = windowSystem();
    const SettingsRecord& s = program_.module1.Settings;

    // A hand-edited level outside 0..255 is held to it.
    const double level = std::clamp(s.LightLevel.numberOr(kUnreadableLightLevel), 0.0, 255.0);
    const int grey = static_cast<int>(std::lround(level));
    for (Label* label : {&Label1, &Label2, &Label3})
        label->setForeColor(rgb(grey, grey, grey));
    if (const frmSide* bar = program_.loaded<frmSide>())
        setBackColor(bar->backColor());

    setTop(ws.screenHeight() - height() - kBottomMargin);
    const double side = s.leftSide();
    if (side == 1)
        setLeft(ws.screenWidth() - width() - kRightMargin);
    else if (side == 0)
        setLeft(kLeftMargin);
    BDate();
}

void frmDate::Form_Resize() {
    windowSystem().setWindowPos(hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoSize | kSwpNoMove);
}

void frmDate::BDate() {
    WindowSystem& ws = windowSystem();
    const LocalTime t = ws.now();
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", t.hour, t.minute);
    Label1.setCaption(time);
    const std::string longDate = ws.longDate();
    Label2.setCaption(longDate.substr(0, longDate.find(',')));
    Label3.setCaption(dayAndMonth(ws.longDate()));
}

} // namespace tavrin
