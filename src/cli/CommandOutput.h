#pragma once

#include <iosfwd>
#include <string>

namespace quenaro {

/// Writes a subcommand's whole output to the stream (standard output) and flushes it.
/// Returns false, with a message naming the failure on `err`, when the stream cannot take it
/// (a full disk, a closed pipe).
bool writeToStream(const std::string& output, std::ostream& out, std::ostream& err);

/// Writes a subcommand's whole output to the file at `path` (writeWholeFile: a regular file
/// replaced whole or left as it was, a device written in place, links followed). Returns
/// false, with a message naming the path and the failure on `err`, when that fails.
bool writeToFile(const std::string& output, const std::string& path, std::ostream& err);

}  // namespace quenaro
