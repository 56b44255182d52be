#pragma once

#include <filesystem>
#include <vector>

#include "tablegen/GeneratedFile.h"

namespace quenaro::placegen {

/// Every generated table of the places library (src/places/tables): the text folding table
/// from the Unicode Character Database's `unicodeData` file, the gazetteer from `cities.tsv`
/// and `countries.tsv` and the zone lookup from `zone_lookup/` of the shared data folder; a
/// header and a source for each.
/// Throws std::runtime_error when an input is missing or malformed.
std::vector<tablegen::GeneratedFile> generatePlaceTables(const std::filesystem::path& dataDirectory,
                                                         const std::filesystem::path& unicodeData);

}  // namespace quenaro::placegen
