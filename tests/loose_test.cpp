#include "platform/loose.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tavrin;

TEST(StrictNumber, AcceptsWholeTextNumbers) {
    EXPECT_EQ(strictNumber("42"), 42.0);
    EXPECT_EQ(strictNumber("  -7\t"), -7.0);
    EXPECT_EQ(strictNumber("+3"), 3.0);
    EXPECT_EQ(strictNumber(".5"), 0.5);
    EXPECT_EQ(strictNumber("5."), 5.0);
    EXPECT_EQ(strictNumber("2e2"), 200.0);
    EXPECT_EQ(strictNumber("1D3"), 1000.0);
    EXPECT_EQ(strictNumber("1d-2"), 0.01);
    EXPECT_EQ(strictNumber("-2.5E+1"), -25.0);
    EXPECT_EQ(strictNumber("0.1"), 0.1);
    EXPECT_EQ(strictNumber("1e-400"), 0.0); // too small reads as zero
}

TEST(StrictNumber, RejectsAnythingElse) {
    for (const char* text : {"", "   ", "abc", "12abc", "1,5", "0x10", "inf", "nan", ".", "-",
                             "+-1", "1 2", "2e", "2e+", "e5", "1e400", "-1e400", "1.2.3"})
        EXPECT_THROW(strictNumber(text), ConversionError) << '"' << text << '"';
}

TEST(LeadingNumber, ReadsUpToFirstOtherCharacter) {
    EXPECT_EQ(leadingNumber("  12abc"), 12.0);
    EXPECT_EQ(leadingNumber("\t-3.5 px"), -3.5);
    EXPECT_EQ(leadingNumber("2e"), 2.0);
    EXPECT_EQ(leadingNumber("2e-"), 2.0);
    EXPECT_EQ(leadingNumber("2e2x"), 200.0);
    EXPECT_EQ(leadingNumber("1D3,5"), 1000.0);
    EXPECT_EQ(leadingNumber("1,5"), 1.0);
    EXPECT_EQ(leadingNumber("0x10"), 0.0);
    EXPECT_EQ(leadingNumber(".5."), 0.5);
    for (const char* text : {"", "abc", "-", ".", "+.", " - 5", "e5"})
        EXPECT_EQ(leadingNumber(text), 0.0) << '"' << text << '"';
}

TEST(LeadingNumber, HugeExponentsSaturate) {
    EXPECT_EQ(leadingNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("-1e99999999999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("1e-99999999999999999999"), 0.0);
    EXPECT_EQ(leadingNumber("0.0001e-320"), 0.0);
    EXPECT_EQ(leadingNumber("1000e306"), std::numeric_limits<double>::infinity());
    EXPECT_THROW(roundToInt32(leadingNumber("9e999")), ConversionError);
}

TEST(Rounding, HalvesGoToEvenNeighbour) {
    EXPECT_EQ(roundToInt32(2.5), 2);
    EXPECT_EQ(roundToInt32(3.5), 4);
    EXPECT_EQ(roundToInt32(-2.5), -2);
    EXPECT_EQ(roundToInt32(-3.5), -4);
    EXPECT_EQ(roundToInt32(0.5), 0);
    EXPECT_EQ(roundToInt32(-0.5), 0);
    EXPECT_EQ(roundToInt32(2.4999), 2);
    EXPECT_EQ(roundToInt32(2.5001), 3);
    EXPECT_EQ(roundToInt32(-2.6), -3);
    EXPECT_EQ(roundToInt16(1.5), 2);
    EXPECT_EQ(roundToInt16(-1.5), -2);
}

TEST(Rounding, RangeIsCheckedAfterRounding) {
    EXPECT_EQ(roundToInt16(32767.4), 32767);
    EXPECT_THROW(roundToInt16(32767.5), ConversionError);
    EXPECT_EQ(roundToInt16(-32768.5), -32768);
    EXPECT_THROW(roundToInt16(-32768.6), ConversionError);
    EXPECT_THROW(roundToInt16(40000), ConversionError);
    EXPECT_EQ(roundToInt32(2147483647.4), 2147483647);
    EXPECT_THROW(roundToInt32(2147483647.5), ConversionError);
    EXPECT_EQ(roundToInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_THROW(roundToInt32(-2147483648.6), ConversionError);
    EXPECT_THROW(roundToInt32(1e300), ConversionError);
    for (double bad : {std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(), std::nan("")}) {
        EXPECT_THROW(roundToInt16(bad), ConversionError);
        EXPECT_THROW(roundToInt32(bad), ConversionError);
    }
}

TEST(NumberText, PlainDecimalThatReadsBack) {
    EXPECT_EQ(numberText(240), "240");
    EXPECT_EQ(numberText(-5), "-5");
    EXPECT_EQ(numberText(16777215), "16777215");
    EXPECT_EQ(numberText(2.5), "2.5");
    EXPECT_EQ(numberText(0.1), "0.1");
    EXPECT_EQ(numberText(1e20), "100000000000000000000");
    EXPECT_EQ(numberText(1e-7), "0.0000001");
    EXPECT_EQ(numberText(-0.0), "0");
    for (double value : {0.1, 1.0 / 3.0, -123.456, 1e-300, 1.7976931348623157e308, 5e-324}) {
        std::string text = numberText(value);
        EXPECT_EQ(text.find_first_of("eE, "), std::string::npos) << text;
        EXPECT_EQ(strictNumber(text), value) << text;
    }
}

TEST(Loose, ConvertsBetweenTextAndNumber) {
    EXPECT_EQ(Loose().text(), "");
    EXPECT_EQ(Loose().number(), 0.0);
    EXPECT_EQ(Loose(12.5).text(), "12.5");
    EXPECT_EQ(Loose(" 12 ").number(), 12.0);
    EXPECT_EQ(Loose("abc").text(), "abc");
    EXPECT_THROW(Loose("12abc").number(), ConversionError);
    EXPECT_EQ(Loose("12abc").numberOr(-1), -1.0);
    EXPECT_EQ(Loose("1e400").numberOr(-1), -1.0);
    EXPECT_EQ(Loose("7").numberOr(-1), 7.0);
    EXPECT_EQ(Loose().numberOr(-1), 0.0);
    EXPECT_EQ(Loose("2.5").toInt16(), 2);
    EXPECT_THROW(Loose(70000).toInt16(), ConversionError);
    EXPECT_EQ(Loose(70000).toInt32(), 70000);
}
