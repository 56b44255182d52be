#include "app/DiagnosticLines.h"

#include "base/OneLineText.h"

namespace quenaro {

std::optional<std::string> DiagnosticLines::lineFor(std::string_view entry) {
    std::string line = oneLineText(entry);
    if (!written_.insert(line).second) {
        return std::nullopt;
    }
    return line;
}

}  // namespace quenaro
