#include "cli/ExitStatus.h"

#include "base/PrintfText.h"

namespace quenaro {

std::string exitStatusText() {
    std::string text = "Exit status:\n";
    for (const ExitStatusMeaning& row : kExitStatusTable) {
        text += printfText("  %d  %s\n", static_cast<int>(row.status), row.meaning);
    }
    return text;
}

}  // namespace quenaro
