#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "catalog/ConstellationLines.h"
#include "catalog/StarCatalog.h"

namespace quenaro {

/// The star catalogue compiled in: the stars of resources/StarCatalog.plist as readStarCatalog
/// reads them, equal value for value, in the same order (9,096 stars of the Yale Bright Star
/// Catalogue). For builds that read no property lists, such as the WebAssembly build; a copy.
std::vector<CatalogStar> builtInStarCatalog();

/// The constellation figures compiled in: the polylines of resources/Constellation.plist as
/// readConstellationLines reads them (150 polylines). A copy.
std::vector<ConstellationPolyline> builtInConstellationLines();

/// The generated tables behind them (src/catalog/tables/, written by quenaro_cataloggen): the
/// stars; the vertices of every polyline in turn, and the number of vertices of each polyline.
std::span<const CatalogStar> starCatalogTable();
std::span<const ConstellationVertex> constellationVertexTable();
std::span<const std::uint16_t> constellationPolylineSizeTable();

}  // namespace quenaro
