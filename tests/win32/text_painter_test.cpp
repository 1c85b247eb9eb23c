// The text painter on the real GDI: text is drawn into a 32-bit bitmap and
// judged by its pixels.
#include "platform/codepage.h"
#include "platform/win32/handles.h"
#include "platform/win32/text/font_catalog.h"
#include "platform/win32/text/font_chooser.h"
#include "platform/win32/text/text_painter.h"
#include "platform/win32/text/wingdings_codes.h"
#include "platform/win32/text/wingdings_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace tavrin::win32 {
namespace {

const Font kGlyphFont{"Wingdings", 45, 700, false, false, true};
const Font kCaptionFont{"Segoe UI", 11.25, 400, false, false, false};
constexpr Color kBackground = rgb(20, 20, 20); // the bar's own
constexpr Color kInk = rgb(255, 255, 255);
// The painter at the scale its figures below were taken at.
constexpr int kDpi = PixelScale::kBaseDpi;
// A character no installed font has: drawn, it is some font's "missing
// glyph" box.
const std::string kUnknownCharacter = "\xF4\x8F\xBF\xBD"; // U+10FFFD
// U+1F5C0 FOLDER, then text: drawn through the shaped path beyond the
// Basic Multilingual Plane.
const std::string kShapedCaption = "\xF0\x9F\x97\x80 Carpeta";

struct InkBox {
    int count = 0;
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom exclusive
};

// A top-down 32-bit bitmap selected into a memory DC.
class Canvas {
  public:
    Canvas(int width, int height)
        : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                        {}};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        pixels_ = static_cast<std::uint32_t*>(bits);
        old_ = SelectObject(dc_.get(), bitmap_.get());
        // Blue in the low byte.
        std::fill(pixels_, pixels_ + width * height,
                  redOf(kBackground) << 16 | greenOf(kBackground) << 8 | blueOf(kBackground));
    }
    ~Canvas() { SelectObject(dc_.get(), old_); }

    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }

    // A pixel as a Color (red in the low byte).
    Color at(int x, int y) const {
        GdiFlush();
        const std::uint32_t p = pixels_[y * width_ + x];
        return rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // The pixels that differ from the background, within a rectangle.
    InkBox ink(const RECT& within) const {
        InkBox box{0, within.right, within.bottom, within.left, within.top};
        for (int y = within.top; y < within.bottom; ++y)
            for (int x = within.left; x < within.right; ++x)
                if (at(x, y) != kBackground) {
                    ++box.count;
                    box.left = std::min(box.left, x);
                    box.top = std::min(box.top, y);
                    box.right = std::max(box.right, x + 1);
                    box.bottom = std::max(box.bottom, y + 1);
                }
        return box;
    }
    InkBox ink() const { return ink(RECT{0, 0, width_, height_}); }
    // Pixels where the two canvases differ.
    int differences(const Canvas& other) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                n += at(x, y) != other.at(x, y);
        return n;
    }

  private:
    int width_, height_;
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    std::uint32_t* pixels_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// Wine's own Wingdings, which has a few dozen of the glyphs and not the
// folder, made available to this process while the object lives, where no
// Wingdings is installed.
struct WineWingdings {
    static constexpr const wchar_t* kPath = L"Z:\\usr\\share\\wine\\fonts\\wingding.ttf";
    const bool added = !FontCatalog::installed().has(L"Wingdings") &&
                       AddFontResourceExW(kPath, FR_PRIVATE, nullptr) > 0;
    ~WineWingdings() {
        if (added)
            RemoveFontResourceExW(kPath, FR_PRIVATE, nullptr);
    }
};

// The tile's glyph, 45-point bold Wingdings "0", against the missing-glyph
// box the same font draws for a character it cannot show: with no
// Wingdings, and with Wine's own, where the folder it lacks falls back on
// its own and the black square it has stays in it. What controls show for
// symbol text round-trips to the program's characters for every code.
TEST(TextPainter, FolderGlyphIsDrawnAsAGlyphNotAsTheMissingGlyphBox) {
    for (const bool withWines : {false, true}) {
        SCOPED_TRACE(withWines);
        std::optional<WineWingdings> wine;
        if (withWines)
            wine.emplace();
        TextPainter painter;
        const RECT tile{0, 0, 106, 100};
        Canvas folder(106, 100);
        painter.draw(folder.dc(), kGlyphFont, kDpi, "0", tile, Alignment::Center, kInk);
        Canvas missing(106, 100);
        painter.draw(missing.dc(), kGlyphFont, kDpi, kUnknownCharacter, tile, Alignment::Center,
                     kInk);

        const InkBox glyph = folder.ink();
        // A folder at 60 pixels to the em is some 50 by 40 pixels, most of
        // it ink, and lies on its side, unlike the digit or a missing-glyph
        // box.
        EXPECT_GT(glyph.count, 600);
        EXPECT_GT(glyph.bottom - glyph.top, 30);
        EXPECT_GT(glyph.right - glyph.left, glyph.bottom - glyph.top);
        // Far from a box outline, whatever the box looks like.
        EXPECT_GT(folder.differences(missing), glyph.count / 2);
        // Centred in the tile, within rounding of the glyph's side bearings.
        EXPECT_NEAR(glyph.left, tile.right - glyph.right, 4);

        const WingdingsCodes codes;
        for (int code = kFirstWingdingsCode; code < kLastWingdingsCode; ++code) {
            std::string one;
            appendUtf8(one, codes.characterOf(code));
            EXPECT_EQ(painter.programText(kGlyphFont, painter.controlText(kGlyphFont, one)), one)
                << "code " << code;
        }
        if (wine && wine->added) {
            FontChooser chooser(FontCatalog::installed());
            const HFONT wingdings = chooser.chosenFont(kGlyphFont, kDpi);
            EXPECT_NE(chooser.runs(kGlyphFont, kDpi, "0").at(0).font, wingdings);
            EXPECT_EQ(chooser.runs(kGlyphFont, kDpi, "n").at(0).font, wingdings);
        }
    }
}

// For each way text is drawn (the plain path, the symbol font's glyphs and
// the shaped path): measure() covers what draw() inks; nothing is inked
// outside a box too small for the text, whatever the alignment; and the
// DC is left as it was found: font, colours, clip region. The caller's "&"
// reaches the screen as it is.
TEST(TextPainter, EachPathMeasuresItsInkKeepsToItsBoxAndLeavesTheDcAsItWas) {
    TextPainter painter;
    const struct {
        Font font;
        std::string text;
    } cases[] = {
        {kCaptionFont, "Configuraci\u00f3n Documentos Im\u00e1genes"},
        {kGlyphFont, "01J"},
        {kCaptionFont, kShapedCaption},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Canvas whole(400, 120);
        const SIZE size = painter.measure(whole.dc(), c.font, kDpi, c.text);
        painter.draw(whole.dc(), c.font, kDpi, c.text, RECT{0, 0, whole.width(), whole.height()},
                     Alignment::Left, kInk);
        const InkBox ink = whole.ink();
        ASSERT_GT(ink.count, 0);
        EXPECT_LE(ink.right, size.cx);
        EXPECT_LE(ink.bottom, size.cy);
        // Not wildly more than the ink either: a line's height at most
        // twice the ink's, the width within the side bearings.
        EXPECT_LE(size.cy, 2 * ink.bottom + 4);
        EXPECT_LE(size.cx, ink.right + size.cy / 2);

        Canvas canvas(120, 80);
        const RECT box{40, 30, 80, 50};
        HGDIOBJ font = GetCurrentObject(canvas.dc(), OBJ_FONT);
        SetTextColor(canvas.dc(), rgb(1, 2, 3));
        SetBkMode(canvas.dc(), OPAQUE);
        painter.measure(canvas.dc(), c.font, kDpi, c.text);
        for (Alignment alignment : {Alignment::Left, Alignment::Center, Alignment::Right})
            painter.draw(canvas.dc(), c.font, kDpi, c.text, box, alignment, kInk);
        const InkBox boxed = canvas.ink();
        ASSERT_GT(boxed.count, 0);
        EXPECT_EQ(boxed.count, canvas.ink(box).count);
        EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), font);
        EXPECT_EQ(GetTextColor(canvas.dc()), rgb(1, 2, 3));
        EXPECT_EQ(GetBkMode(canvas.dc()), OPAQUE);
        RECT clip{};
        EXPECT_EQ(GetClipBox(canvas.dc(), &clip), SIMPLEREGION);
        EXPECT_EQ(clip.right - clip.left, canvas.width());
    }
    Canvas canvas(10, 10);
    const SIZE plain = painter.measure(canvas.dc(), kCaptionFont, kDpi, "AB");
    const SIZE ampersand = painter.measure(canvas.dc(), kCaptionFont, kDpi, "A&B");
    EXPECT_GT(ampersand.cx, plain.cx);
    EXPECT_EQ(ampersand.cy, plain.cy);
    EXPECT_EQ(painter.measure(canvas.dc(), kCaptionFont, kDpi, "").cx, 0);
}

} // namespace
} // namespace tavrin::win32
