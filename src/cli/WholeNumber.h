#pragma once

#include <cstdint>
#include <string_view>

namespace quenaro {

/// Reads a command-line count: decimal digits alone ("10", "007"; no sign, decimal point,
/// exponent or blanks) with a value from `minimum` to `maximum` (0 <= minimum <= maximum).
/// Throws BadInput naming the option and the accepted range for anything else, an empty
/// text and a value of any length beyond the range included.
std::int64_t parseWholeNumber(std::string_view text, std::string_view option, std::int64_t minimum,
                              std::int64_t maximum);

}  // namespace quenaro
