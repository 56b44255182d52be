#pragma once

#include <string>
#include <string_view>

namespace quenaro {

/// Writes `bytes` as the whole content of the file at `path`, the one way every output file of
/// the program is written. Symbolic links are followed to the file they name (which is created
/// when missing). A regular file (or none) is replaced whole: the bytes go to a temporary file
/// beside it, flushed to the disk and renamed over it only when complete, so a failure leaves
/// the old file as it was; a replaced file keeps its permissions. Anything else (a device, a
/// pipe) is written in place, never replaced. Returns 0, or the errno of the failure (the
/// temporary file removed then).
int writeWholeFile(std::string_view bytes, const std::string& path);

}  // namespace quenaro
