#include "loose.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

namespace tavrin {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    return pos;
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

// The pieces of a number found at some position. An exponent marker only
// counts when digits follow it, so "2e" is the number 2 followed by "e".
struct NumberParts {
    std::size_t end = 0; // one past the last character used
    bool negative = false;
    std::string_view whole, fraction, exponent; // exponent keeps its sign
};

std::optional<NumberParts> scanNumber(std::string_view text, std::size_t pos) {
    NumberParts parts;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        parts.negative = text[pos++] == '-';
    std::size_t digitsEnd = skipDigits(text, pos);
    parts.whole = text.substr(pos, digitsEnd - pos);
    pos = digitsEnd;
    if (pos < text.size() && text[pos] == '.') {
        digitsEnd = skipDigits(text, pos + 1);
        parts.fraction = text.substr(pos + 1, digitsEnd - pos - 1);
        pos = digitsEnd;
    }
    if (parts.whole.empty() && parts.fraction.empty())
        return std::nullopt;
    if (pos < text.size() && std::string_view("eEdD").find(text[pos]) != std::string_view::npos) {
        std::size_t start = pos + 1;
        std::size_t digits = start;
        if (digits < text.size() && (text[digits] == '+' || text[digits] == '-'))
            ++digits;
        digitsEnd = skipDigits(text, digits);
        if (digitsEnd > digits) {
            parts.exponent = text.substr(start, digitsEnd - start);
            pos = digitsEnd;
        }
    }
    parts.end = pos;
    return parts;
}

// Rough decimal magnitude of a value that did not fit a double: only its sign
// matters, telling an overflow (positive) from an underflow.
long roughMagnitude(const NumberParts& parts) {
    long exponent = 0;
    for (char c : parts.exponent)
        if (isDigit(c) && exponent < 1'000'000)
            exponent = exponent * 10 + (c - '0');
    if (!parts.exponent.empty() && parts.exponent[0] == '-')
        exponent = -exponent;
    std::size_t lead = parts.whole.find_first_not_of('0');
    if (lead != std::string_view::npos)
        return exponent + static_cast<long>(parts.whole.size() - lead);
    std::size_t zeros = parts.fraction.find_first_not_of('0');
    return exponent - static_cast<long>(zeros == std::string_view::npos ? 0 : zeros);
}

// Converts the scanned pieces, independent of the C locale. Too large gives
// infinity, too small gives zero.
double toDouble(const NumberParts& parts) {
    std::string plain(parts.whole.empty() ? "0" : parts.whole);
    plain += '.';
    plain += parts.fraction.empty() ? "0" : parts.fraction;
    if (!parts.exponent.empty())
        plain.append("e").append(parts.exponent[0] == '+' ? parts.exponent.substr(1)
                                                          : parts.exponent);
    double value = 0;
    auto ec = std::from_chars(plain.data(), plain.data() + plain.size(), value).ec;
    if (ec == std::errc::result_out_of_range)
        value = roughMagnitude(parts) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return parts.negative ? -value : value;
}

std::optional<double> readStrict(std::string_view text) {
    std::size_t start = skipBlanks(text, 0);
    auto parts = scanNumber(text, start);
    if (!parts || skipBlanks(text, parts->end) != text.size())
        return std::nullopt;
    double value = toDouble(*parts);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

template <typename Int> std::optional<Int> tryRoundTo(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    // Done by hand so the result never depends on the current rounding mode.
    double below = std::floor(value);
    double rest = value - below;
    double rounded = below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(rounded);
}

template <typename Int> Int roundTo(double value) {
    if (const std::optional<Int> rounded = tryRoundTo<Int>(value))
        return *rounded;
    throw ConversionError("number out of range");
}

} // namespace

std::optional<double> tryStrictNumber(std::string_view text) {
    return readStrict(text);
}

double strictNumber(const std::string& text) {
    if (auto value = readStrict(text))
        return *value;
    throw ConversionError("not a number: \"" + text + "\"");
}

std::int16_t roundToInt16(double value) {
    return roundTo<std::int16_t>(value);
}
std::int32_t roundToInt32(double value) {
    return roundTo<std::int32_t>(value);
}
std::optional<std::int16_t> tryRoundToInt16(double value) {
    return tryRoundTo<std::int16_t>(value);
}
std::optional<std::int32_t> tryRoundToInt32(double value) {
    return tryRoundTo<std::int32_t>(value);
}

// An exponent too large gives plus or minus infinity, one too small gives 0.
double leadingNumber(const std::string& text) {
    auto parts = scanNumber(text, skipBlanks(text, 0));
    return parts ? toDouble(*parts) : 0.0;
}

std::string numberText(double value) {
    if (value == 0.0)
        value = 0.0; // no "-0"
    // Fixed notation of the largest double needs 309 digits, of the smallest 326 characters.
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, end);
}

std::string Loose::text() const {
    if (const auto* text = std::get_if<std::string>(&value_))
        return *text;
    if (const auto* number = std::get_if<double>(&value_))
        return numberText(*number);
    return {};
}

double Loose::number() const {
    if (const auto* text = std::get_if<std::string>(&value_))
        return strictNumber(*text);
    if (const auto* number = std::get_if<double>(&value_))
        return *number;
    return 0.0;
}

std::optional<double> Loose::tryNumber() const {
    if (const auto* text = std::get_if<std::string>(&value_))
        return readStrict(*text);
    return number();
}

double Loose::numberOr(double fallback) const {
    if (const auto* text = std::get_if<std::string>(&value_))
        return readStrict(*text).value_or(fallback);
    return number();
}

} // namespace tavrin
