// The text painter on the real GDI: text is drawn into a 32-bit bitmap and
// judged by its pixels.
#include "platform/codepage.h"
#include "platform/win32/text/font_catalog.h"
#include "platform/win32/text/font_chooser.h"
#include "platform/win32/text/text_painter.h"
#include "platform/win32/text/wingdings_codes.h"
#include "platform/win32/text/wingdings_table.h"

#include "canvas.h"

#include <gtest/gtest.h>

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
        Canvas folder(106, 100, kBackground);
        painter.draw(folder.dc(), kGlyphFont, kDpi, "0", tile, Alignment::Center, kInk);
        Canvas missing(106, 100, kBackground);
        painter.draw(missing.dc(), kGlyphFont, kDpi, kUnknownCharacter, tile, Alignment::Center,
                     kInk);

        // Far from a box outline, whatever the box looks like. (Its size
        // and place in the tile at every scale: dpi_test.cpp.)
        const InkBox glyph = folder.ink();
        EXPECT_GT(glyph.count, 600);
        EXPECT_GT(folder.differences(missing), glyph.count / 2);

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
        Canvas whole(400, 120, kBackground);
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

        Canvas canvas(120, 80, kBackground);
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
    Canvas canvas(10, 10, kBackground);
    const SIZE plain = painter.measure(canvas.dc(), kCaptionFont, kDpi, "AB");
    const SIZE ampersand = painter.measure(canvas.dc(), kCaptionFont, kDpi, "A&B");
    EXPECT_GT(ampersand.cx, plain.cx);
    EXPECT_EQ(ampersand.cy, plain.cy);
    EXPECT_EQ(painter.measure(canvas.dc(), kCaptionFont, kDpi, "").cx, 0);
}

} // namespace
} // namespace tavrin::win32
