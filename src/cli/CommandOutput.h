#pragma once

#include <iosfwd>
#include <string>

namespace quenaro {

/// Writes a subcommand's whole output to the stream (standard output) and flushes it.
/// Returns false, with a message naming the failure on `err`, when the stream cannot take it
/// (a full disk, a closed pipe).
bool writeToStream(const std::string& output, std::ostream& out, std::ostream& err);

/// Writes a subcommand's whole output to the file at `path`, replacing it: the bytes go to a
/// temporary file beside it that is renamed to the path only once written and closed, so a
/// file under the asked name is never half-written. Returns false, with a message naming the
/// path and the failure on `err`, when that fails (the temporary file is removed then).
bool writeToFile(const std::string& output, const std::string& path, std::ostream& err);

}  // namespace quenaro
