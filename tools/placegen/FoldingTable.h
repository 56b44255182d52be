#pragma once

#include <filesystem>
#include <vector>

#include "placegen/TableSource.h"
#include "places/TextFolding.h"

namespace quenaro::placegen {

/// The folding of every character of the Latin, Greek and Cyrillic blocks (and the curly
/// apostrophes) that does not fold to itself, read from the Unicode Character Database's
/// UnicodeData.txt: a letter with a spelt-out replacement (ø -> o, ß -> ss, þ -> th, ...) takes
/// it; a combining mark is dropped; any other character is lower-cased, then replaced by the
/// folding of each character of its canonical (or compatibility) decomposition. Entries in
/// increasing code point order.
/// Throws std::runtime_error when the file cannot be read or is malformed, or when a folding
/// needs more than 3 bytes.
std::vector<FoldingEntry> readFoldingTable(const std::filesystem::path& unicodeData);

/// The TextFoldingTable header and source defining g_TextFoldingTable from `entries`.
TableSource foldingTableSource(const std::vector<FoldingEntry>& entries);

}  // namespace quenaro::placegen
