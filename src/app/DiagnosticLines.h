#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace quenaro {

/// The lines the window writes for its diagnostic log: each entry on one line of at most
/// kMaximumLineBytes, control characters and malformed UTF-8 escaped (as the command line's
/// messages), and an entry already written in this run left out, so that a fault met on every
/// tick of the clock is told once.
class DiagnosticLines {
  public:
    /// The line to write for the entry; none when the same line was written before.
    std::optional<std::string> lineFor(std::string_view entry);

  private:
    std::unordered_set<std::string> written_;
};

}  // namespace quenaro
