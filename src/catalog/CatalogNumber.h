#pragma once

#include <plist/plist.h>

#include <optional>
#include <string_view>

namespace quenaro {

/// The number at the start of `text`, read as the catalogues read numeric strings: leading white
/// space skipped, then an optional sign, decimal digits with an optional fraction and an optional
/// exponent ("  -3.25e2 h" → −325); the rest of the text is ignored. 0 when the text does not
/// start with a number ("", "abc", "inf", "0x1p3" → 0 from its "0"). nullopt when the number is
/// beyond the range of a double ("1e999", "1e-999"). The decimal point is '.' in every locale.
std::optional<double> leadingDecimalNumber(std::string_view text);

/// The value of one catalogue number: a real or an integer as its value, a boolean as 1 or 0, a
/// string by leadingDecimalNumber, narrowed to float; a null node (a missing value) is 0.
/// nullopt when the node holds something else (data, a date, an array, a dictionary) or when the
/// value is not a finite float (NaN, infinite, or beyond ±3.4e38).
/// Integers are read as signed 64-bit (libplist 2.2 keeps negative ones as two's complement).
std::optional<float> catalogNumber(plist_t node);

}  // namespace quenaro
