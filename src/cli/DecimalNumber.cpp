#include "cli/DecimalNumber.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <system_error>

#include "base/DoubleFromChars.h"
#include "cli/BadInput.h"

namespace quenaro {

namespace {

constexpr std::int64_t kExponentLimit = 1'000'000'000;  // far beyond any double's exponent

/// The parts of a plain decimal number: [sign] digits [. digits] [e|E [sign] digits], with
/// at least one digit before the exponent.
struct DecimalParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::string_view exponent;  // with its sign, empty when absent
};

bool isDigit(char character) {
    return character >= '0' && character <= '9';
}

/// The digits at the start of `text` (possibly none), removed from it.
std::string_view takeDigits(std::string_view& text) {
    std::size_t count = 0;
    while (count < text.size() && isDigit(text[count])) {
        ++count;
    }
    const std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

/// The parts of the text, or none when it is not a plain decimal number. A scan, not a
/// regular expression: it takes any length in one pass and constant stack.
std::optional<DecimalParts> decimalParts(std::string_view text) {
    DecimalParts parts;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        parts.negative = text[0] == '-';
        text.remove_prefix(1);
    }
    parts.integerDigits = takeDigits(text);
    if (!text.empty() && text[0] == '.') {
        text.remove_prefix(1);
        parts.fractionDigits = takeDigits(text);
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) {
        return std::nullopt;
    }
    if (!text.empty() && (text[0] == 'e' || text[0] == 'E')) {
        text.remove_prefix(1);
        const std::string_view exponent = text;
        if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
            text.remove_prefix(1);
        }
        if (takeDigits(text).empty()) {
            return std::nullopt;
        }
        parts.exponent = exponent;
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return parts;
}

/// The decimal exponent e of the leading non-zero digit (the number is d.dd… x 10^e) of a
/// number with a non-zero digit; the exponent is held within +-kExponentLimit, which keeps
/// the sum exact.
std::int64_t leadingDigitExponent(const DecimalParts& parts) {
    std::int64_t exponent = 0;
    if (!parts.exponent.empty()) {
        const bool negative = parts.exponent[0] == '-';
        const std::size_t signLength = parts.exponent[0] == '+' || negative ? 1 : 0;
        const auto [end, error] =
            std::from_chars(parts.exponent.data() + signLength,
                            parts.exponent.data() + parts.exponent.size(), exponent);
        if (error == std::errc::result_out_of_range) {
            exponent = kExponentLimit;
        }
        exponent = std::min(exponent, kExponentLimit) * (negative ? -1 : 1);
    }
    const std::size_t leading = parts.integerDigits.find_first_not_of('0');
    if (leading != std::string_view::npos) {
        return exponent + static_cast<std::int64_t>(parts.integerDigits.size() - leading) - 1;
    }
    const std::size_t leadingInFraction = parts.fractionDigits.find_first_not_of('0');
    return exponent - static_cast<std::int64_t>(leadingInFraction) - 1;
}

}  // namespace

double parseDecimalNumber(std::string_view text, std::string_view option) {
    if (text.empty()) {
        throw BadInput(option, text, "empty; expected a decimal number such as 52.5");
    }
    const std::optional<DecimalParts> parts = decimalParts(text);
    if (!parts) {
        throw BadInput(option, text, "expected a plain decimal number such as 52.5 or -1.25e2");
    }
    // doubleFromChars, like std::from_chars, reads no "+" sign and is independent of the C
    // locale.
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    double value = 0.0;
    const auto [end, error] = doubleFromChars(first, text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (leadingDigitExponent(*parts) > 0) {
            throw BadInput(option, text, "too large; expected a decimal number such as 52.5");
        }
        return parts->negative ? -0.0 : 0.0;  // too small for a double: 0
    }
    return value;
}

}  // namespace quenaro
