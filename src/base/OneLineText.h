#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quenaro {

/// The longest message line the program writes about bad input or a failure, bytes.
inline constexpr std::size_t kMaximumLineBytes = 200;

/// A value as a message shows it: in single quotes, control characters written as \n, \t or
/// \xHH, and so is every byte that is not part of well-formed UTF-8; a value longer than 40
/// bytes cut there (at a character boundary) with "…".
std::string shownValue(std::string_view value);

/// The text on one line (control characters and bytes of malformed UTF-8 as in shownValue) and
/// at most `maximumBytes` long, cut at a character boundary with "…" when longer.
std::string oneLineText(std::string_view text, std::size_t maximumBytes = kMaximumLineBytes);

}  // namespace quenaro
