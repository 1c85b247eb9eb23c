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

#include "conformance/desktop_driver.h"
#include "window_of.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>

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

Edges edgesOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

RECT windowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

// A rectangle's pixels in a bitmap of its own, read by screen coordinates.
class Pixels {
  public:
    explicit Pixels(const RECT& area)
        : area_(area), dc_(CreateCompatibleDC(nullptr)),
          bitmap_(CreateCompatibleBitmap(WindowDc(nullptr).get(), area.right - area.left,
                                         area.bottom - area.top)),
          selected_(dc_.get(), bitmap_.get()) {}
    // Takes a copy of what the screen shows there.
    void copyScreen() {
        const WindowDc screen(nullptr);
        BitBlt(dc(), 0, 0, area_.right - area_.left, area_.bottom - area_.top, screen.get(),
               area_.left, area_.top, SRCCOPY);
    }
    HDC dc() const { return dc_.get(); }
    COLORREF at(int x, int y) const { return GetPixel(dc_.get(), x - area_.left, y - area_.top); }

  private:
    RECT area_;
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    Selected selected_;
};

// The pixels of a rectangle that differ from its top left pixel's colour,
// and the box around them.
struct Ink {
    int count = 0;
    RECT box{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    int width() const { return box.right - box.left; }
    int height() const { return box.bottom - box.top; }
};

Ink inkIn(const Pixels& pixels, const RECT& area) {
    Ink ink;
    const COLORREF background = pixels.at(area.left, area.top);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (pixels.at(x, y) != background) {
                ++ink.count;
                ink.box = RECT{std::min<LONG>(ink.box.left, x), std::min<LONG>(ink.box.top, y),
                               std::max<LONG>(ink.box.right, x + 1),
                               std::max<LONG>(ink.box.bottom, y + 1)};
            }
    return ink;
}

// The ink of a caption drawn on a dark canvas in the tile captions' font,
// Segoe UI 11.25 pt (or its installed stand-in), made for the scale.
Ink captionInkAt(const Scale& scale, const std::string& caption) {
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<int>(std::lround(11.25 * scale.dpi / 72));
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    const std::wstring face = FontCatalog::installed().textFace(L"Segoe UI", FW_NORMAL, false).face;
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    const UniqueFont font(CreateFontIndirectW(&lf));
    const RECT canvas{0, 0, 400, 100};
    const Pixels pixels(canvas);
    const Selected selectedFont(pixels.dc(), font.get());
    FillRect(pixels.dc(), &canvas, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetBkMode(pixels.dc(), TRANSPARENT);
    SetTextColor(pixels.dc(), RGB(224, 224, 224));
    const std::wstring text = wideFromUtf8(caption);
    RECT box = canvas;
    DrawTextW(pixels.dc(), text.c_str(), static_cast<int>(text.size()), &box,
              DT_CENTER | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    return inkIn(pixels, canvas);
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
// coloured to show its height, tile 0's face and tile 2's caption blank to
// show the caption and the folder glyph alone.
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
    bar.lblButton[0].setCaption("");
    bar.Labels[2].setCaption("");
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const WindowDc screen(nullptr);
    const RECT bounds = windowRect(w);
    const int panelTop = bounds.top + scale.at(bar.frmeBar.top());
    auto tile = [&](int i) {
        return RECT{bounds.left, panelTop + scale.at(1500 * i), bounds.right,
                    panelTop + scale.at(1500 * (i + 1))};
    };
    ASSERT_TRUE(driver->runUntil(
        [&] { return GetPixel(screen.get(), bounds.left + 2, tile(1).top) == kMarked; }));
    Pixels shown(bounds);
    shown.copyScreen();
    // Tile 1's colour down its left edge, clear of its glyph and caption.
    int marked = 0;
    for (int y = bounds.top; y < bounds.bottom; ++y)
        marked += shown.at(bounds.left + 2, y) == kMarked;
    EXPECT_EQ(marked, tile(1).bottom - tile(1).top);

    // The caption, as large as the captions' font at the scale draws it.
    const Ink caption = inkIn(shown, tile(0));
    const Ink expected = captionInkAt(scale, bar.Labels[0].caption());
    EXPECT_NEAR(caption.height(), expected.height(), 1) << bar.Labels[0].caption();
    EXPECT_NEAR(caption.width(), expected.width(), 2) << bar.Labels[0].caption();

    // The folder glyph, 60 pixels to the em at 96 dpi, fills its tile at
    // every scale: some 50 by 40 pixels there, most of it ink, on its side,
    // centred within rounding of its side bearings.
    const double s = scale.dpi / 96.0;
    const Ink glyph = inkIn(shown, tile(2));
    EXPECT_GT(glyph.count, 600 * s * s);
    EXPECT_GT(glyph.height(), 30 * s);
    EXPECT_GT(glyph.width(), glyph.height());
    EXPECT_NEAR(glyph.box.left - bounds.left, bounds.right - glyph.box.right, 4 * s);
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
