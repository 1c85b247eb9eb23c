// The windows at the screen's scale, read from the real windows: at the
// dpi the system reports, the program's windows know that dpi, their twips
// stand at 1440 / dpi to the pixel with both edges rounded to the nearest
// pixel, and the captions' font and the folder glyph are made for it. The
// end-to-end harness runs these at 120, 144 and 192 dpi as well as at 96;
// TAVRIN_TEST_DPI, where it is set, is the scale it gave the prefix.
#include "app/program.h"
#include "bar/frm_side.h"
#include "clock/frm_date.h"
#include "config/frm_config.h"
#include "platform/win32/handles.h"
#include "platform/win32/text/font_catalog.h"
#include "platform/win32/wide.h"

#include "canvas.h"
#include "conformance/desktop_driver.h"
#include "window_of.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

namespace tavrin::win32 {
namespace {

// The scale the system reports for the screen. Wine reports the prefix's
// to every program, whether it is aware of the scale or not.
int systemDpi() {
    const WindowDc screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

// The scale the window system gives a window: 96 for a program unaware of
// the scale, the screen's for one aware of it.
int windowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    const auto dpiOf = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return dpiOf ? static_cast<int>(dpiOf(window)) : 96;
}

// A window's or an expected rectangle's edges: left, top, right, bottom.
using Edges = std::array<LONG, 4>;

// What twips come to at a scale.
struct Scale {
    int dpi;
    double twipsPerPixel() const { return 1440.0 / dpi; }
    // The pixel where a coordinate falls, halves away from zero.
    int at(double twips) const { return static_cast<int>(std::lround(twips / twipsPerPixel())); }
    Edges edges(double left, double top, double width, double height) const {
        return {at(left), at(top), at(left + width), at(top + height)};
    }
    double screenWidth() const { return GetSystemMetrics(SM_CXSCREEN) * twipsPerPixel(); }
    double screenHeight() const { return GetSystemMetrics(SM_CYSCREEN) * twipsPerPixel(); }
};

RECT windowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

Edges edgesOf(HWND window) {
    const RECT r = windowRect(window);
    return {r.left, r.top, r.right, r.bottom};
}

// The ink of a caption drawn in the tile captions' font, Segoe UI 11.25 pt
// (or its installed stand-in), made for the scale.
InkBox captionInkAt(const Scale& scale, const std::string& caption) {
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<int>(std::lround(11.25 * scale.dpi / 72));
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    const std::wstring face = FontCatalog::installed().textFace(L"Segoe UI", FW_NORMAL, false).face;
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    const UniqueFont font(CreateFontIndirectW(&lf));
    Canvas canvas(400, 100, rgb(20, 20, 20));
    const Selected selected(canvas.dc(), font.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetTextColor(canvas.dc(), RGB(224, 224, 224));
    const std::wstring text = wideFromUtf8(caption);
    RECT box{0, 0, canvas.width(), canvas.height()};
    DrawTextW(canvas.dc(), text.c_str(), static_cast<int>(text.size()), &box,
              DT_CENTER | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    return canvas.ink();
}

class Dpi : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const char* given = std::getenv("TAVRIN_TEST_DPI")) {
            ASSERT_EQ(scale.dpi, std::atoi(given)) << "the scale the prefix was given";
        }
        SetCursorPos(0, GetSystemMetrics(SM_CYSCREEN) / 2); // off the bar
    }

    const Scale scale{systemDpi()};
    std::unique_ptr<conformance::DesktopDriver> driver = conformance::makeDriver();
    Program program{driver->ws()};
};

// The bar opened by hand at the right edge with its clock panel; tile 1
// coloured to show its height, tile 3's face and tile 2's caption blank to
// show a caption and the folder glyph alone. (Tiles 1 to 3 are on the
// screen at every scale: at 192 dpi the short bar's 7,500 twips of tiles
// overhang a screen 5,760 twips high.)
TEST_F(Dpi, TheBarItsTilesCaptionsGlyphsAndClockPanelStandAtTheScale) {
    frmSide& bar = program.form<frmSide>();
    bar.tmrMouse.setEnabled(false);
    bar.show();
    frmDate* panel = program.loaded<frmDate>();
    ASSERT_NE(panel, nullptr);
    HWND w = windowOf(bar), p = windowOf(*panel);
    ASSERT_TRUE(driver->runUntil([&] { return IsWindowVisible(w) && IsWindowVisible(p); }));
    EXPECT_EQ(windowDpi(w), scale.dpi) << "the bar knows the screen's scale";

    bar.setWidth(1590);
    const double width = scale.screenWidth(), height = scale.screenHeight();
    // From 75 twips above the screen to 525 below it; the panel 750 twips
    // from the left, 720 above the bottom.
    EXPECT_EQ(edgesOf(w), scale.edges(width - 1590, -75, 1590, height + 600));
    EXPECT_EQ(edgesOf(p), scale.edges(750, height - 720 - 2100, 7470, 2100));

    constexpr COLORREF kMarked = RGB(200, 0, 0);
    bar.lblButton[1].setBackColor(rgb(200, 0, 0));
    bar.lblButton[3].setCaption("");
    bar.Labels[2].setCaption("");
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const WindowDc screen(nullptr);
    const RECT bounds = windowRect(w);
    // Tile i's rows of the bar.
    auto tile = [&](int i) {
        const int panelTop = scale.at(bar.frmeBar.top());
        return RECT{0, panelTop + scale.at(1500 * i), bounds.right - bounds.left,
                    panelTop + scale.at(1500 * (i + 1))};
    };
    ASSERT_GE(bounds.top + tile(1).top, 0);
    ASSERT_LE(bounds.top + tile(3).bottom, GetSystemMetrics(SM_CYSCREEN));
    ASSERT_TRUE(driver->runUntil([&] {
        return GetPixel(screen.get(), bounds.left + 2, bounds.top + tile(1).top) == kMarked;
    }));
    Canvas shown(bounds.right - bounds.left, bounds.bottom - bounds.top, rgb(20, 20, 20));
    shown.copyScreen(bounds.left, bounds.top);
    // Tile 1's colour down its left edge, clear of its glyph and caption.
    int marked = 0;
    for (int y = 0; y < shown.height(); ++y)
        marked += shown.at(2, y) == rgb(200, 0, 0);
    EXPECT_EQ(marked, tile(1).bottom - tile(1).top);

    // The caption, as large as the captions' font at the scale draws it.
    const InkBox caption = shown.ink(tile(3));
    const InkBox expected = captionInkAt(scale, bar.Labels[3].caption());
    EXPECT_NEAR(caption.height(), expected.height(), 1) << bar.Labels[3].caption();
    EXPECT_NEAR(caption.width(), expected.width(), 2) << bar.Labels[3].caption();
    // The bar's back colour at the screen's top, left of any glyph.
    EXPECT_EQ(shown.at(2, -bounds.top + 1), rgb(20, 20, 20));

    // The folder glyph, 60 pixels to the em at 96 dpi, fills its tile at
    // every scale: some 50 by 40 pixels there, most of it ink, on its side,
    // centred within rounding of its side bearings.
    const double s = scale.dpi / 96.0;
    const InkBox glyph = shown.ink(tile(2));
    EXPECT_GT(glyph.count, 600 * s * s);
    EXPECT_GT(glyph.height(), 30 * s);
    EXPECT_GT(glyph.width(), glyph.height());
    EXPECT_NEAR(glyph.left, shown.width() - glyph.right, 4 * s);
}

// Opened in the layout the screen gives the bar (the short one where the
// screen is lower than 10500 twips), centred as it ends up, then switched
// to the other layout: its client area is its design's at the scale, each
// edge within rounding.
TEST_F(Dpi, TheSettingsWindowsClientAreaInBothLayoutsAndItsPlace) {
    program.form<frmSide>();
    frmConfig& form = program.form<frmConfig>();
    form.show();
    HWND window = windowOf(form);
    ASSERT_TRUE(driver->runUntil([&] { return IsWindowVisible(window) != FALSE; }));
    EXPECT_EQ(windowDpi(window), scale.dpi);
    const bool full = scale.screenHeight() >= 10500;
    ASSERT_EQ(form.chkTotal.value(), full ? 1 : 0);

    const RECT outer = windowRect(window);
    EXPECT_NEAR(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2.0, 1);
    EXPECT_NEAR(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2.0, 1);
    for (const bool fullLayout : {full, !full}) {
        SCOPED_TRACE(fullLayout ? "full" : "short");
        form.chkTotal.setValue(fullLayout ? 1 : 0);
        RECT client;
        GetClientRect(window, &client);
        EXPECT_NEAR(client.right, 10110 / scale.twipsPerPixel(), 0.99);
        EXPECT_NEAR(client.bottom, (fullLayout ? 3855 : 2895) / scale.twipsPerPixel(), 0.99);
    }
}

} // namespace
} // namespace tavrin::win32
