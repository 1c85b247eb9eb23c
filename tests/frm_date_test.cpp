// The clock panel: its captions from the clock and the regional long date,
// its place opposite the bar, its colours and its refresh.
#include "bar_fixture.h"

#include "clock/frm_date.h"

namespace tavrin::testing {
namespace {

using PanelTest = BarTest;

TEST_F(PanelTest, TheTimeRefreshesEverySecondAndTheWeekdayAndDateComeFromTheLongDate) {
    desk.setNow(LocalTime{2026, 12, 7, 9, 5, 58});
    frmDate& panel = program.form<frmDate>();
    EXPECT_EQ(panel.Label1.caption(), "09:05");
    EXPECT_EQ(panel.Label2.caption(), "lunes");
    EXPECT_EQ(panel.Label3.caption(), "7 de diciembre");
    desk.advance(1000);
    EXPECT_EQ(panel.Label1.caption(), "09:05");
    desk.advance(1000); // the minute turns within the next tick
    EXPECT_EQ(panel.Label1.caption(), "09:06");

    const struct {
        const char* longDate;
        const char* weekday;
        const char* dayAndMonth;
    } cases[] = {
        {"mi\u00e9rcoles, 31 de diciembre de 2012", "mi\u00e9rcoles", "31 de diciembre"},
        {"Monday, December 31, 2012", "Monday", "December 31, 2012"},
        {"Montag, 31. Dezember 2012", "Montag", "31. Dezember 2012"},
        {"lunes 7 de enero", "lunes 7 de enero", "7 de enero"}, // no comma
        {"lunes,  7 de", "lunes", " 7 de"},                     // two spaces: an empty piece
        {"lunes, 7", "lunes", "7"},                             // fewer pieces: what there is
        {"2026-12-07", "2026-12-07", "2026-12-07"},             // no space: the whole date
    };
    for (const auto& c : cases) {
        desk.setLongDate(c.longDate);
        panel.BDate();
        EXPECT_EQ(panel.Label2.caption(), c.weekday) << c.longDate;
        EXPECT_EQ(panel.Label3.caption(), c.dayAndMonth) << c.longDate;
    }
}

TEST_F(PanelTest, ThePanelStandsOppositeTheBarInItsColours) {
    frmSide& bar = loadBar();
    const Twips screenWidth = desk.screenWidth(), screenHeight = desk.screenHeight();
    const struct {
        Loose leftSide;
        Loose lightLevel;
        Twips left;
        int grey;
    } cases[] = {
        {0, 255, 750, 255},
        {1, 115, screenWidth - 7470 - 780, 115},
        {Loose(), 300, 750, 255}, // unset: the right edge; held to 255
        {"x", "claro", 750, 255}, // hand-edited: the right edge, white text
        {2, -4, 0, 0},            // no side it knows: the left stays as designed
    };
    for (const auto& c : cases) {
        settings().LeftSide = c.leftSide;
        settings().LightLevel = c.lightLevel;
        frmDate& panel = program.form<frmDate>();
        EXPECT_EQ(panel.left(), c.left);
        EXPECT_EQ(panel.top(), screenHeight - 2100 - 720);
        EXPECT_EQ(panel.Label3.foreColor(), rgb(c.grey, c.grey, c.grey));
        EXPECT_EQ(panel.backColor(), bar.backColor());
        panel.show();
        EXPECT_TRUE(desk.windowOf(panel)->topmost);
        program.unload<frmDate>();
    }
}

} // namespace
} // namespace tavrin::testing
