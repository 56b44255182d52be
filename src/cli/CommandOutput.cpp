#include "cli/CommandOutput.h"

#include <cerrno>
#include <cstring>
#include <ostream>

#include "base/WholeFileWrite.h"
#include "cli/BadInput.h"

namespace quenaro {

namespace {

/// "quenaro: cannot write <what>: <reason>" on one line.
void reportWriteError(std::ostream& err, const std::string& what, int error) {
    const std::string reason = error != 0 ? std::strerror(error) : "write error";
    err << oneLineText("quenaro: cannot write " + what + ": " + reason) << '\n';
}

}  // namespace

bool writeToStream(const std::string& output, std::ostream& out, std::ostream& err) {
    errno = 0;
    out << output;
    out.flush();
    if (out) {
        return true;
    }
    reportWriteError(err, "the output", errno);
    return false;
}

bool writeToFile(const std::string& output, const std::string& path, std::ostream& err) {
    const int error = writeWholeFile(output, path);
    if (error != 0) {
        reportWriteError(err, shownValue(path), error);
    }
    return error == 0;
}

}  // namespace quenaro
