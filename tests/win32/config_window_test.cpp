// The settings window as only its real windows show it: its frame, the
// colours the screen shows of its controls, the palette in front of the
// row it colours, the folder glyph drawn in the fallback font, a tooltip,
// the close box, and coming back to the front when it is opened again.
// (The Tab key's round: frm_config_test.cpp.)
#include "app/program.h"
#include "config/config_values.h"
#include "config/frm_config.h"
#include "platform/win32/dpi.h"
#include "platform/win32/handles.h"
#include "platform/win32/pixels.h"

#include "canvas.h"
#include "conformance/desktop_driver.h"
#include "tooltip.h"
#include "user_window.h"
#include "window_of.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

namespace tavrin::win32 {
namespace {

// A point of a window, in screen pixels.
POINT onScreen(HWND window, POINT p) {
    ClientToScreen(window, &p);
    return p;
}

// Inside a control, away from the text it holds: its client area's
// bottom right corner.
POINT clearOf(HWND control) {
    RECT client;
    GetClientRect(control, &client);
    return onScreen(control, POINT{client.right - 3, client.bottom - 3});
}

// How many pixels the screen shows in a red over a window's client area.
int redPixelsOver(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const POINT origin = onScreen(window, POINT{0, 0});
    Canvas shown(client.right, client.bottom, rgb(0, 0, 0));
    shown.copyScreen(origin.x, origin.y);
    int red = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const Color c = shown.at(x, y);
            red += redOf(c) > 2 * std::max(greenOf(c), blueOf(c)) + 20;
        }
    return red;
}

class ConfigWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        // As the bar's load leaves them without a settings file, but with
        // a translucency that no level of the list stands for.
        SettingsRecord& s = program.module1.Settings;
        s.LightLevel = 255;
        s.LeftSide = 0;
        s.FullHeight = 1;
        s.GlassAlpha = 245;
        for (Loose& glyph : s.ShortcutGlyph)
            glyph = "0";
        for (Loose& color : s.ShortcutColor)
            color = static_cast<std::uint32_t>(rgb(255, 255, 255));
        form = &program.form<frmConfig>();
        form->show();
        window = windowOf(*form);
        ASSERT_TRUE(driver->runUntil([&] { return GetForegroundWindow() == window; }));
    }

    // Waits for the screen to show the colour at the point: the windows
    // paint as their messages are handled.
    ::testing::AssertionResult shows(POINT p, COLORREF expected) {
        COLORREF seen = CLR_INVALID;
        const WindowDc screen(nullptr);
        if (driver->runUntil([&] { return (seen = GetPixel(screen.get(), p.x, p.y)) == expected; }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "RGB(" << int(GetRValue(seen)) << ", " << int(GetGValue(seen)) << ", "
               << int(GetBValue(seen)) << ") at " << p.x << ", " << p.y;
    }

    std::unique_ptr<conformance::DesktopDriver> driver = conformance::makeDriver();
    Program program{driver->ws()};
    frmConfig* form = nullptr;
    HWND window = nullptr;
};

// (Its caption and client area: the end-to-end scenarios.)
TEST_F(ConfigWindow, ItsFrameHasACloseBoxAloneATaskbarButtonAndItsTips) {
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_THICKFRAME),
              WS_CAPTION | WS_SYSMENU);
    EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "a taskbar button";
    // A tip set at load reaches the tooltip control.
    EXPECT_EQ(tipOf(window, windowOf(form->lblFolder[kSettingsRow])), L" Figura 7. ");
}

TEST_F(ConfigWindow, TheScreenShowsTheColoursOfItsBoxesAndThePalette) {
    // The light level: white at 255, light red out of range.
    const POINT light = clearOf(windowOf(form->txtLuz));
    EXPECT_TRUE(shows(light, RGB(255, 255, 255)));
    form->txtLuz.setText("999");
    EXPECT_TRUE(shows(light, RGB(255, 128, 128)));

    // The translucency list warns of 245 until a level is picked.
    HWND combo = windowOf(form->cboGlass);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    const POINT field = onScreen(combo, POINT{info.rcItem.right - 2, info.rcItem.bottom - 2});
    EXPECT_TRUE(shows(field, RGB(255, 128, 128)));
    SendMessageW(combo, CB_SETCURSEL, 2, 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    EXPECT_TRUE(shows(field, GetSysColor(COLOR_WINDOW)));

    // A click on the first glyph opens the palette over its row's folder
    // box, which stays behind it when it paints again.
    driver->click(form->lblFolder[0]);
    ASSERT_TRUE(form->Frame1.visible());
    const RECT swatch = pixelRect(windowScale(windowOf(*form)), form->lblColor[11]);
    const POINT red = onScreen(windowOf(form->Frame1), POINT{(swatch.left + swatch.right) / 2,
                                                             (swatch.top + swatch.bottom) / 2});
    EXPECT_TRUE(shows(red, RGB(184, 27, 27)));
    HWND folder = windowOf(form->txtCarpeta[0]);
    RECT folderBox;
    GetWindowRect(folder, &folderBox);
    EXPECT_TRUE(PtInRect(&folderBox, red));
    form->txtCarpeta[0].setText("D:\\M\u00fasica");
    RedrawWindow(folder, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_TRUE(shows(red, RGB(184, 27, 27)));

    // The swatch colours the glyph: the folder shows in that colour, drawn
    // from a fallback font where the symbol font has no folder (Wine).
    driver->click(form->lblColor[11]);
    HWND glyph = windowOf(form->lblFolder[0]);
    EXPECT_TRUE(driver->runUntil([&] { return redPixelsOver(glyph) >= 20; }))
        << redPixelsOver(glyph);
}

TEST_F(ConfigWindow, ShowingItAgainBringsItBackInFrontAndTheCloseBoxTakesItsWindow) {
    // Opened again from the bar while it is behind the user's window: in
    // front, with the focus where it was.
    driver->focus(form->txtLuz);
    {
        const UserWindow user(*driver);
        ASSERT_EQ(GetForegroundWindow(), user.window);
        program.form<frmConfig>().show();
        EXPECT_TRUE(driver->runUntil(
            [&] { return GetForegroundWindow() == window && driver->focused() == &form->txtLuz; }));
    }

    // Closed, it goes with its window. (Loaded afresh on the next use: the
    // conformance suite and frm_config_test.cpp.)
    driver->clickCloseBox(*form);
    ASSERT_TRUE(driver->runUntil([&] { return program.loaded<frmConfig>() == nullptr; }));
    EXPECT_TRUE(driver->runUntil([&] { return !IsWindow(window); }));
}

} // namespace
} // namespace tavrin::win32
