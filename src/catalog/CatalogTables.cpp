#include "catalog/CatalogTables.h"

namespace quenaro {

std::vector<CatalogStar> builtInStarCatalog() {
    const std::span<const CatalogStar> stars = starCatalogTable();
    return {stars.begin(), stars.end()};
}

std::vector<ConstellationPolyline> builtInConstellationLines() {
    const std::span<const ConstellationVertex> vertices = constellationVertexTable();
    std::vector<ConstellationPolyline> lines;
    lines.reserve(constellationPolylineSizeTable().size());
    auto first = vertices.begin();
    for (const std::uint16_t size : constellationPolylineSizeTable()) {
        lines.emplace_back(first, first + size);
        first += size;
    }
    return lines;
}

}  // namespace quenaro
