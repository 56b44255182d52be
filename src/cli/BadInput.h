#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "base/OneLineText.h"

namespace quenaro {

/// Bad input on the command line: a message of one line, at most kMaximumMessageBytes long,
/// that names the option or value and what would be accepted. The only error the command
/// line reports with exit status 2 (kExitBadInput).
class BadInput : public std::runtime_error {
  public:
    static constexpr std::size_t kMaximumMessageBytes = kMaximumLineBytes;

    /// The message as given, made one line and cut to the maximum with "…".
    explicit BadInput(std::string_view message);
    /// "<option> <value>: <accepted>", the value shown by shownValue().
    BadInput(std::string_view option, std::string_view value, std::string_view accepted);
};

}  // namespace quenaro
