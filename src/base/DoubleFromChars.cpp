#include "base/DoubleFromChars.h"

#include <fast_float/fast_float.h>

#include <cmath>

namespace quenaro {

namespace {

/// True when the text of a number read as a decimal (not "inf" or "nan") has a digit other than
/// 0 before its exponent: the number is not zero, however small it is.
bool hasNonZeroDigit(const char* first, const char* last) {
    for (const char* at = first; at != last && *at != 'e' && *at != 'E'; ++at) {
        if (*at >= '1' && *at <= '9') {
            return true;
        }
    }
    return false;
}

bool spellsInfinity(const char* first, const char* last) {
    const char* at = first != last && *first == '-' ? first + 1 : first;
    return at != last && (*at == 'i' || *at == 'I');
}

}  // namespace

std::from_chars_result doubleFromChars(const char* first, const char* last, double& value) {
    double parsed = 0.0;
    const fast_float::from_chars_result result = fast_float::from_chars(first, last, parsed);
    if (result.ec != std::errc{}) {
        return {result.ptr, result.ec};
    }
    // fast_float rounds a number beyond the range of a double to infinity or zero and calls that
    // success; the standard calls it out of range.
    const bool overflow = std::isinf(parsed) && !spellsInfinity(first, result.ptr);
    const bool underflow = parsed == 0.0 && hasNonZeroDigit(first, result.ptr);
    if (overflow || underflow) {
        return {result.ptr, std::errc::result_out_of_range};
    }
    value = parsed;
    return {result.ptr, std::errc{}};
}

}  // namespace quenaro
