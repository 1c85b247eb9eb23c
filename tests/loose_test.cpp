#include "platform/loose.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

using namespace tavrin;

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(StrictNumber, AcceptsWholeTextNumbersOnly) {
    const std::pair<const char*, double> accepted[] = {
        {"42", 42.0},       {"  -7\t", -7.0}, {"+3", 3.0},     {".5", 0.5},
        {"5.", 5.0},        {"2e2", 200.0},   {"1D3", 1000.0}, {"1d-2", 0.01},
        {"-2.5E+1", -25.0}, {"0.1", 0.1},     {"1e-400", 0.0}}; // too small reads as zero
    for (auto [text, value] : accepted)
        EXPECT_EQ(strictNumber(text), value) << '"' << text << '"';
    for (const char* text : {"", "   ", "abc", "12abc", "1,5", "0x10", "inf", "nan", ".", "-",
                             "+-1", "1 2", "2e", "2e+", "e5", "1e400", "-1e400", "1.2.3"}) {
        EXPECT_THROW(strictNumber(text), ConversionError) << '"' << text << '"';
        EXPECT_FALSE(tryStrictNumber(text)) << '"' << text << '"';
    }
}

TEST(LeadingNumber, ReadsUpToTheFirstOtherCharacterAndHugeExponentsSaturate) {
    const std::pair<const char*, double> read[] = {
        {"  12abc", 12.0},   {"\t-3.5 px", -3.5},  {"2e", 2.0},
        {"2e-", 2.0},        {"2e2x", 200.0},      {"1D3,5", 1000.0},
        {"1,5", 1.0},        {"0x10", 0.0},        {".5.", 0.5},
        {"", 0.0},           {"abc", 0.0},         {"-", 0.0},
        {".", 0.0},          {"+.", 0.0},          {" - 5", 0.0},
        {"e5", 0.0},         {"1e400", kInfinity}, {"1000e306", kInfinity},
        {"0.0001e-320", 0.0}};
    for (auto [text, value] : read)
        EXPECT_EQ(leadingNumber(text), value) << '"' << text << '"';
    EXPECT_EQ(leadingNumber("-1e99999999999999999999"), -kInfinity);
    EXPECT_EQ(leadingNumber("1e-99999999999999999999"), 0.0);
    EXPECT_THROW(roundToInt32(leadingNumber("9e999")), ConversionError);
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndTheRangeIsCheckedAfterRounding) {
    const std::pair<double, int> toInt32[] = {{2.5, 2},    {3.5, 4},    {-2.5, -2},
                                              {-3.5, -4},  {0.5, 0},    {-0.5, 0},
                                              {2.4999, 2}, {2.5001, 3}, {-2.6, -3}};
    for (auto [value, rounded] : toInt32)
        EXPECT_EQ(roundToInt32(value), rounded) << value;
    EXPECT_EQ(roundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(roundToInt32(-2147483648.5), std::numeric_limits<int>::min());
    const std::pair<double, int> toInt16[] = {
        {1.5, 2}, {-1.5, -2}, {32767.4, 32767}, {-32768.5, -32768}};
    for (auto [value, rounded] : toInt16)
        EXPECT_EQ(roundToInt16(value), rounded) << value;
    for (double bad : {32767.5, -32768.6, 40000.0, kInfinity, -kInfinity, std::nan("")}) {
        EXPECT_THROW(roundToInt16(bad), ConversionError) << bad;
        EXPECT_FALSE(tryRoundToInt16(bad)) << bad;
    }
    for (double bad : {2147483647.5, -2147483648.6, 1e300, kInfinity, -kInfinity, std::nan("")}) {
        EXPECT_THROW(roundToInt32(bad), ConversionError) << bad;
        EXPECT_FALSE(tryRoundToInt32(bad)) << bad;
    }
}

TEST(NumberText, PlainDecimalThatReadsBackAndLooseValuesConvertThroughIt) {
    const std::pair<double, const char*> texts[] = {
        {240, "240"},        {-5, "-5"},   {16777215, "16777215"},
        {2.5, "2.5"},        {0.1, "0.1"}, {1e20, "100000000000000000000"},
        {1e-7, "0.0000001"}, {-0.0, "0"}};
    for (auto [value, text] : texts)
        EXPECT_EQ(numberText(value), text);
    for (double value : {0.1, 1.0 / 3.0, -123.456, 1e-300, 1.7976931348623157e308, 5e-324}) {
        std::string text = numberText(value);
        EXPECT_EQ(text.find_first_of("eE, "), std::string::npos) << text;
        EXPECT_EQ(strictNumber(text), value) << text;
    }

    // A Loose value converts between text and number.
    EXPECT_EQ(Loose().text(), "");
    EXPECT_EQ(Loose().number(), 0.0);
    EXPECT_EQ(Loose(12.5).text(), "12.5");
    EXPECT_EQ(Loose(" 12 ").number(), 12.0);
    EXPECT_THROW(Loose("12abc").number(), ConversionError);
    EXPECT_EQ(Loose("12abc").numberOr(-1), -1.0);
    EXPECT_EQ(Loose("1e400").numberOr(-1), -1.0);
    EXPECT_EQ(Loose().numberOr(-1), 0.0);
}

} // namespace
