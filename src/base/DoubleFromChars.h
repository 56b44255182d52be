#pragma once

#include <charconv>

namespace quenaro {

/// std::from_chars for a double in chars_format::general, the same on every platform (the
/// WebAssembly build's libc++ has no floating-point from_chars): read with fast_float, with the
/// standard's results. Decimal text only, optionally negative ("-12.5e-3"; no '+', no white
/// space, no hexadecimal: "0x1p3" reads its "0"), or "inf", "infinity", "nan" and "nan(…)" in any
/// case. The value is correctly rounded. A number whose magnitude rounds to infinity or to zero
/// although a digit is not zero ("1e400", "1e-400") gives std::errc::result_out_of_range, with
/// `ptr` past the number and `value` left as it was; no number at `first` gives
/// std::errc::invalid_argument, `ptr` equal to `first` and `value` left as it was.
std::from_chars_result doubleFromChars(const char* first, const char* last, double& value);

}  // namespace quenaro
