// Builds from the fuzzer's bytes a settings record as the settings window
// could fill it, saves it and loads the bar, which must read back every
// value. Only what the file cannot hold may differ, each by its one rule:
// a run of CR and LF in a text becomes one space, a character outside
// Windows-1252 becomes "?", a lone "&" glyph comes back as "&&", and a
// number comes back as its decimal text (the settings tile's colour as
// the number, read strictly).
#include "app/program.h"
#include "bar/frm_side.h"
#include "config/config_values.h"
#include "platform/codepage.h"
#include "platform/sim/sim_desktop.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using tavrin::Loose;
using tavrin::SettingsRecord;

// The character count times, in UTF-8.
std::string utf8(char32_t c, std::size_t count) {
    std::string out;
    tavrin::appendUtf8(out, c);
    const std::size_t size = out.size() * count;
    out.reserve(size);
    while (out.size() < size)
        out.append(out, 0, std::min(out.size(), size - out.size()));
    return out;
}

// The code page's characters (the conversion's table: codepage_test.cpp).
bool inCodePage(char32_t c) {
    return c < 0x80 || tavrin::cp1252FromUtf8(utf8(c, 1)) != "?";
}

bool isBreak(char32_t c) {
    return c == U'\r' || c == U'\n';
}

// A text as saved, and as the settings file gives it back.
struct Text {
    std::string saved, back;
    std::size_t characters = 0;
    bool endsInBreak = false;

    void append(char32_t c, std::size_t count) {
        if (count == 0)
            return;
        saved += utf8(c, count);
        if (!isBreak(c))
            back += inCodePage(c) ? utf8(c, count) : std::string(count, '?');
        else if (!endsInBreak)
            back += ' ';
        characters += count;
        endsInBreak = isBreak(c);
    }
};

// Any character a text box holds (all but NUL), the troublesome ones often.
char32_t fuzzedCharacter(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 6)) {
    case 0:
        return in.ConsumeIntegralInRange<char32_t>(0x20, 0x7E);
    case 1:
        return in.ConsumeBool() ? U'\r' : U'\n';
    case 2:
        return U'&';
    case 3:
    { // what Windows-1252's bytes 0x80-0x9F stand for
        const std::string c = tavrin::utf8FromCp1252(
            std::string(1, static_cast<char>(in.ConsumeIntegralInRange(0x80, 0x9F))));
        std::size_t pos = 0;
        return tavrin::nextCodePoint(c, pos);
    }
    case 4:
        return in.ConsumeIntegralInRange<char32_t>(0x01, 0xFF);
    case 5: { // the rest of the basic plane, past the surrogates
        const char32_t c = in.ConsumeIntegralInRange<char32_t>(0x100, 0xF7FF);
        return c < 0xD800 ? c : c + 0x800;
    }
    default:
        return in.ConsumeIntegralInRange<char32_t>(0x10000, 0x10FFFF);
    }
}

// Up to the longest line the file keeps, in runs of one character: mostly
// short ones, now and then one as long as there is room for.
Text fuzzedText(FuzzedDataProvider& in, Text text = {}) {
    for (int runs = in.ConsumeIntegralInRange(0, 24); runs > 0; --runs) {
        const char32_t c = fuzzedCharacter(in);
        const std::size_t room = tavrin::kLongestSettingsLine - text.characters;
        const auto length = in.ConsumeIntegral<std::uint16_t>();
        text.append(c, length < 0xFFFF ? std::min<std::size_t>(length % 4 + 1, room)
                                       : in.ConsumeIntegralInRange<std::size_t>(0, room));
    }
    return text;
}

struct RoundTrip {
    SettingsRecord saved, expected;
};

void addText(const Text& text, Loose& saved, Loose& expected) {
    saved = text.saved;
    expected = text.back;
}

// What frmConfig::cmdSave_Click stores, from its boxes as the user or
// the program may fill them.
RoundTrip fuzzedRoundTrip(FuzzedDataProvider& in) {
    RoundTrip t;
    SettingsRecord &s = t.saved, &e = t.expected;
    for (std::size_t i = 0; i < std::size(s.ShortcutName); ++i)
        addText(fuzzedText(in), s.ShortcutName[i], e.ShortcutName[i]);
    for (std::size_t i = 0; i < std::size(s.ShortcutFolder); ++i)
        addText(fuzzedText(in), s.ShortcutFolder[i], e.ShortcutFolder[i]);
    for (std::size_t i = 0; i < std::size(s.ShortcutColor); ++i) {
        const auto color = in.ConsumeIntegralInRange<std::uint32_t>(0, 0xFFFFFF);
        s.ShortcutColor[i] = color;
        e.ShortcutColor[i] = i == tavrin::kSettingsTile ? Loose(color) : std::to_string(color);
    }
    // The light level often starts with a number, in the range or near it.
    Text level;
    if (in.ConsumeBool())
        for (char digit : std::to_string(in.ConsumeIntegralInRange(100, 270)))
            level.append(static_cast<char32_t>(digit), 1);
    level = fuzzedText(in, level);
    const bool accepted = tavrin::acceptedLightLevel(level.saved);
    s.LightLevel = accepted ? Loose(level.saved) : Loose(tavrin::kBrightestLevel);
    e.LightLevel = accepted ? level.back : "255";
    for (std::size_t i = 0; i < std::size(s.ShortcutGlyph); ++i) {
        Text glyph; // empty, "&&" or one character
        if (const int kind = in.ConsumeIntegralInRange(0, 2); kind == 1)
            glyph.append(U'&', 2);
        else if (kind == 2)
            glyph.append(fuzzedCharacter(in), 1);
        addText(glyph, s.ShortcutGlyph[i], e.ShortcutGlyph[i]);
        if (glyph.saved == "&")
            e.ShortcutGlyph[i] = "&&";
    }
    const int left = in.ConsumeBool(), full = in.ConsumeBool();
    s.LeftSide = left;
    e.LeftSide = std::to_string(left);
    s.FullHeight = full;
    e.FullHeight = std::to_string(full);
    s.GlassAlpha = e.GlassAlpha = in.ConsumeBool()
                                      ? tavrin::glassAlphaOf(in.ConsumeIntegralInRange(0, 5))
                                      : in.ConsumeIntegral<std::int16_t>();
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const RoundTrip t = fuzzedRoundTrip(in);
    tavrin::sim::SimDesktop desk; // a screen high enough for the full bar
    tavrin::Program program(desk);
    program.module1.Settings = t.saved;
    program.module1.eSave();
    program.form<tavrin::frmSide>().show();
    const SettingsRecord& back = program.module1.Settings;
    if (desk.messageBoxes().empty() && back == t.expected)
        return 0;
    std::fprintf(stderr, "the record read back differs from the one saved, %zu message boxes\n",
                 desk.messageBoxes().size());
    std::abort();
}
