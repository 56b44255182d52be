#pragma once

#include <filesystem>
#include <vector>

#include "placegen/TableSource.h"
#include "places/TextFolding.h"

namespace quenaro::placegen {

/// The GazetteerTables header and source from `cities.tsv` and `countries.tsv` of the data
/// folder: the cities in the data's order (g_Cities, their texts in g_CityText), the search
/// index of their names folded with `folding` (g_CitySearchIndex), and the tables of zone
/// names, region codes and countries the cities refer to. Canadian provinces get their
/// two-letter abbreviations ("ON") in place of their numeric GeoNames codes, as US states
/// already have them; Kosovo, which GeoNames codes XK, joins the ISO 3166 countries.
/// Throws std::runtime_error when a file is missing or malformed: a field count other than
/// the header's, a number out of range or with more than 5 decimals, an unknown country, an
/// empty name or zone.
TableSource gazetteerTableSource(const std::filesystem::path& dataDirectory,
                                 const std::vector<FoldingEntry>& folding);

}  // namespace quenaro::placegen
