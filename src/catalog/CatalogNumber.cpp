#include "catalog/CatalogNumber.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "base/DoubleFromChars.h"

namespace quenaro {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at;
}

}  // namespace

std::optional<double> leadingDecimalNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isSpace(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::size_t start = at;  // the unsigned number, which doubleFromChars reads
    std::size_t end = skipDigits(text, at);
    std::size_t digitCount = end - start;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = skipDigits(text, end + 1);
        digitCount += fractionEnd - (end + 1);
        end = fractionEnd;
    }
    if (digitCount == 0) {
        return 0.0;
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent) {
            end = exponentEnd;
        }
    }
    double value = 0.0;
    const auto result = doubleFromChars(text.data() + start, text.data() + end, value);
    if (result.ec != std::errc{}) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<float> catalogNumber(plist_t node) {
    double value = 0.0;
    switch (node == nullptr ? PLIST_NONE : plist_get_node_type(node)) {
        case PLIST_NONE:
            break;
        case PLIST_REAL:
            plist_get_real_val(node, &value);
            break;
        case PLIST_UINT: {
            std::uint64_t bits = 0;
            plist_get_uint_val(node, &bits);
            value = static_cast<double>(static_cast<std::int64_t>(bits));
            break;
        }
        case PLIST_BOOLEAN: {
            std::uint8_t flag = 0;
            plist_get_bool_val(node, &flag);
            value = flag != 0 ? 1.0 : 0.0;
            break;
        }
        case PLIST_STRING: {
            std::uint64_t length = 0;
            const char* text = plist_get_string_ptr(node, &length);
            const std::optional<double> number =
                text == nullptr ? std::optional<double>{0.0}
                                : leadingDecimalNumber(std::string_view(text, length));
            if (!number) {
                return std::nullopt;
            }
            value = *number;
            break;
        }
        default:
            return std::nullopt;
    }
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

}  // namespace quenaro
