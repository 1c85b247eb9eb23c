// Windows-1252 both ways, as the settings file and the shell take text.
// (UTF-8 itself goes through every test of text beyond ASCII.)
#include "platform/codepage.h"

#include <gtest/gtest.h>

using namespace tavrin;

namespace {

std::u32string decodeAll(std::string_view text) {
    std::u32string out;
    for (std::size_t pos = 0; pos < text.size();)
        out += nextCodePoint(text, pos);
    return out;
}

} // namespace

TEST(Cp1252, EveryByteRoundTripsAndTheHighControlRangeMapsAsWindowsDoes) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::string utf8 = utf8FromCp1252(all);
    EXPECT_EQ(decodeAll(utf8).size(), 256u);
    EXPECT_EQ(cp1252FromUtf8(utf8), all);

    EXPECT_EQ(utf8FromCp1252("\x80"), "\u20AC");
    EXPECT_EQ(utf8FromCp1252("\x9F"), "\u0178");
    EXPECT_EQ(utf8FromCp1252("\x93x\x94"), "\u201Cx\u201D");
    EXPECT_EQ(utf8FromCp1252("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(utf8FromCp1252("\xA0\xFF"), "\u00A0\u00FF");
    EXPECT_EQ(cp1252FromUtf8("\u2122"), "\x99");
    EXPECT_EQ(cp1252FromUtf8("\u0080"), "?"); // 0x80 holds the euro sign
    EXPECT_EQ(cp1252FromUtf8("a\u4E2D\U0001F600b"), "a??b");
    // (Spanish text, as the settings file holds it: settings_file_test.cpp.)
}
