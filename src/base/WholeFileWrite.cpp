#include "base/WholeFileWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace quenaro {

namespace {

/// As many links as the system follows in one path before it gives up (ELOOP).
constexpr int kMostLinksFollowed = 40;

/// Writes every byte to the descriptor; false with errno set when that fails.
bool writeAll(int descriptor, std::string_view bytes) {
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

/// The path with its symbolic links followed, link by link, to what they finally name (which
/// may not exist yet); errno is set and the result empty when a link cannot be read.
std::string followedLinks(std::string path) {
    for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            return errno == ENOENT ? path : std::string();
        }
        if (!S_ISLNK(status.st_mode)) {
            return path;
        }
        std::vector<char> target(static_cast<std::size_t>(status.st_size) + 2);
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            return {};
        }
        const std::string linked(target.data(), static_cast<std::size_t>(length));
        const std::size_t slash = path.rfind('/');
        path = linked.starts_with('/') || slash == std::string::npos
                   ? linked
                   : path.substr(0, slash + 1) + linked;
    }
    errno = ELOOP;
    return {};
}

/// Writes into the existing file that is not a regular one (a device, a pipe).
int writeInPlace(std::string_view bytes, const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return errno;
    }
    const bool written = writeAll(descriptor, bytes);
    const int writeError = errno;
    const bool closed = ::close(descriptor) == 0;
    return !written ? writeError : !closed ? errno : 0;
}

/// Replaces the regular file (or creates it) through a temporary file renamed over it.
int replace(std::string_view bytes, const std::string& path, const struct stat* existing) {
    std::string pattern = path + ".XXXXXX";
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0) {
        return errno;
    }
    // mkstemp creates the file for its owner alone; the output is an ordinary file, or keeps
    // the permissions of the one it replaces.
    mode_t mode = 0;
    if (existing != nullptr) {
        mode = existing->st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    const bool written =
        ::fchmod(descriptor, mode) == 0 && writeAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    const int writeError = errno;
    const bool closed = ::close(descriptor) == 0;
    const int closeError = errno;
    if (written && closed && std::rename(pattern.c_str(), path.c_str()) == 0) {
        return 0;
    }
    const int error = !written ? writeError : !closed ? closeError : errno;
    std::remove(pattern.c_str());
    return error;
}

}  // namespace

int writeWholeFile(std::string_view bytes, const std::string& path) {
    errno = 0;
    const std::string target = followedLinks(path);
    if (target.empty()) {
        return errno != 0 ? errno : ENOENT;
    }
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) {
        return errno == ENOENT ? replace(bytes, target, nullptr) : errno;
    }
    if (S_ISDIR(status.st_mode)) {
        return EISDIR;
    }
    return S_ISREG(status.st_mode) ? replace(bytes, target, &status) : writeInPlace(bytes, target);
}

}  // namespace quenaro
