#include "cli/CommandOutput.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <vector>

#include "cli/BadInput.h"

namespace quenaro {

namespace {

constexpr std::size_t kMaximumMessageBytes = 200;

/// "quenaro: cannot write <what>: <reason>" on one line.
void reportWriteError(std::ostream& err, const std::string& what, int error) {
    const std::string reason = error != 0 ? std::strerror(error) : "write error";
    err << oneLineText("quenaro: cannot write " + what + ": " + reason, kMaximumMessageBytes)
        << '\n';
}

/// Writes every byte to the descriptor; false with errno set when that fails.
bool writeAll(int descriptor, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return true;
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
    std::string temporaryPath = path + ".XXXXXX";
    std::vector<char> pattern(temporaryPath.begin(), temporaryPath.end());
    pattern.push_back('\0');
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0) {
        reportWriteError(err, shownValue(path), errno);
        return false;
    }
    temporaryPath = pattern.data();
    // mkstemp creates the file for its owner alone; the output is an ordinary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const bool written = ::fchmod(descriptor, 0666 & ~mask) == 0 && writeAll(descriptor, output) &&
                         ::fsync(descriptor) == 0;
    const int writeError = errno;
    const bool closed = ::close(descriptor) == 0;
    const int closeError = errno;
    if (written && closed && std::rename(temporaryPath.c_str(), path.c_str()) == 0) {
        return true;
    }
    const int error = !written ? writeError : !closed ? closeError : errno;
    std::remove(temporaryPath.c_str());
    reportWriteError(err, shownValue(path), error);
    return false;
}

}  // namespace quenaro
