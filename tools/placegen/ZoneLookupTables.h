#pragma once

#include <filesystem>

#include "placegen/TableSource.h"

namespace quenaro::placegen {

/// The ZoneLookupTables header and source from `zone_lookup/grid.txt` and `zones.txt` of the
/// data folder: the grid's character pairs decoded to their numbers (g_ZoneGrid), the zone
/// names in order (g_ZoneLookupNames) and the first number that names a zone.
/// Throws std::runtime_error when a file is missing or the grid is malformed: a character
/// outside the pair code, a top level other than 48 x 24 cells, a partial node, or a child
/// that lies outside the grid.
TableSource zoneLookupTableSource(const std::filesystem::path& dataDirectory);

}  // namespace quenaro::placegen
