#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quenaro {

/// How one character folds for matching: the UTF-8 text that replaces it (up to 3 bytes and a
/// NUL; empty for a character that is dropped, such as a combining accent).
struct FoldingEntry {
    char32_t codePoint;
    char replacement[4];
};

/// Appends `utf8` folded with `table` (entries in increasing code point order) to `folded`:
/// ASCII letters lower-cased, each character found in the table replaced by its entry, every
/// other character (and any byte that is not valid UTF-8) copied as it is.
void appendFolded(std::string_view utf8, std::span<const FoldingEntry> table, std::string& folded);

}  // namespace quenaro
