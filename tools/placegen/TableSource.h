#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tablegen/GeneratedFile.h"

namespace quenaro::placegen {

/// A generated header and source pair of src/places/tables.
struct TableSource {
    std::string stem;          // "ZoneLookupTables": the files' names without extension
    std::string sources;       // the data files it comes from, for the files' first comment
    std::string includes;      // #include lines the header needs
    std::string declarations;  // the header's part inside namespace quenaro
    std::string definitions;   // the source's part inside namespace quenaro
};

/// The header and the source of `table`, each opened by a comment naming its generator.
std::vector<tablegen::GeneratedFile> generatedFiles(const TableSource& table);

/// `text` as a C++ string literal ("..."): quotes, backslashes, question marks and control
/// characters escaped (octal, three digits), other bytes (UTF-8 included) as they are.
std::string cppStringLiteral(std::string_view text);

/// "{\n    row,\n    row,\n}" with `rowsPerLine` rows on each line.
std::string braceList(const std::vector<std::string>& rows, std::size_t rowsPerLine);

}  // namespace quenaro::placegen
