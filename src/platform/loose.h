// A loose value: holds nothing, text or a number, and converts between them
// the way the settings record needs.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace tavrin {

// Raised when text is not a number or a number does not fit its type.
// Handlers catch it and stop at that point, keeping what was already done.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Strict text to number: the whole text (blanks around it allowed) must be
// one number: optional sign, digits with an optional period, an optional
// exponent written with E or D. Throws ConversionError otherwise.
double strictNumber(const std::string& text);
// The same, with nothing for text that is not a number: for the places
// where a damaged value is an everyday case rather than an error.
std::optional<double> tryStrictNumber(std::string_view text);

// Nearest whole number, halves to the even neighbour; throws ConversionError
// when the result lies outside the type's range or the value is not finite.
std::int16_t roundToInt16(double value);
std::int32_t roundToInt32(double value);
std::optional<std::int16_t> tryRoundToInt16(double value);
std::optional<std::int32_t> tryRoundToInt32(double value);

// The leading-number rule: blanks skipped, optional sign, digits, a period,
// an exponent with E or D; stops at the first other character. No number
// gives 0. Never throws.
double leadingNumber(const std::string& text);

// Plain decimal text: no blanks, no thousands separator, "-" when negative,
// no exponent.
std::string numberText(double value);

class Loose {
  public:
    Loose() = default;
    Loose(const char* text) : value_(std::string(text)) {}
    Loose(std::string text) : value_(std::move(text)) {}
    Loose(double number) : value_(number) {}
    Loose(int number) : value_(static_cast<double>(number)) {}
    Loose(std::int64_t number) : value_(static_cast<double>(number)) {}
    Loose(std::uint32_t number) : value_(static_cast<double>(number)) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool isText() const { return std::holds_alternative<std::string>(value_); }
    bool isNumber() const { return std::holds_alternative<double>(value_); }

    // Empty gives "", a number its plain decimal text.
    std::string text() const;
    // The text held, without a copy; only for a value that isText().
    std::string_view textView() const { return std::get<std::string>(value_); }
    // Empty gives 0, text is read strictly (throws ConversionError).
    double number() const;
    // The same, with nothing where number() throws.
    std::optional<double> tryNumber() const;
    std::int16_t toInt16() const { return roundToInt16(number()); }
    std::int32_t toInt32() const { return roundToInt32(number()); }

    // The number, or the fallback when the value cannot be read as one.
    double numberOr(double fallback) const;

    bool operator==(const Loose& other) const = default;

  private:
    std::variant<std::monostate, std::string, double> value_;
};

} // namespace tavrin
