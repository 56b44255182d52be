#pragma once

#include <string_view>

namespace quenaro {

/// Reads a command-line number: a plain decimal number with an optional sign, decimal point
/// and exponent ("52.5", "-0.25", "1e-3", ".5"), nothing before or after it (no blanks, no
/// hexadecimal, no "inf" or "nan"). A number too small for a double reads as 0 (or the
/// nearest subnormal). Throws BadInput naming the option for anything else, for an empty
/// text and for a number too large for a double.
double parseDecimalNumber(std::string_view text, std::string_view option);

}  // namespace quenaro
