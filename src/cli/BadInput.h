#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quenaro {

/// Bad input on the command line: a message of one line, at most kMaximumMessageBytes long,
/// that names the option or value and what would be accepted. The only error the command
/// line reports with exit status 2 (kExitBadInput).
class BadInput : public std::runtime_error {
  public:
    static constexpr std::size_t kMaximumMessageBytes = 200;

    /// The message as given, made one line and cut to the maximum with "…".
    explicit BadInput(std::string_view message);
    /// "<option> <value>: <accepted>", the value shown by shownValue().
    BadInput(std::string_view option, std::string_view value, std::string_view accepted);
};

/// A value as a message shows it: in single quotes, control characters written as \n, \t or
/// \xHH, and a value longer than 40 bytes cut there (at a character boundary) with "…".
std::string shownValue(std::string_view value);

/// The text on one line (control characters as in shownValue) and at most `maximumBytes`
/// long, cut at a character boundary with "…" when longer.
std::string oneLineText(std::string_view text, std::size_t maximumBytes);

}  // namespace quenaro
