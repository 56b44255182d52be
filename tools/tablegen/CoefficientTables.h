#pragma once

#include <filesystem>
#include <vector>

#include "tablegen/GeneratedFile.h"

namespace quenaro::tablegen {

/// Generates every coefficient table of the series library from the shared data folder
/// (`vsop87/<body>_<L|B|R><k>.tsv`, `nutation_iau1980_63.tsv`, `moon_lr.tsv`, `moon_b.tsv`,
/// `pluto.tsv`): for each body or series a header declaring the arrays and a source defining
/// them as constexpr arrays, rows in the order of the data. Doubles are printed in their
/// shortest form that reads back to the same value.
/// Throws std::runtime_error when a file is missing or malformed, or when a table's row count
/// differs from the count the series library is built for.
std::vector<GeneratedFile> generateCoefficientTables(const std::filesystem::path& dataDirectory);

}  // namespace quenaro::tablegen
