#include "catalog/ConstellationLines.h"

#include <cstdint>

#include "catalog/CatalogArray.h"
#include "catalog/CatalogNumber.h"

namespace quenaro {

namespace {

/// Faults met while reading, counted for the diagnostic log.
struct ConstellationFaults {
    std::size_t notArrays = 0;
    std::size_t oddValueCounts = 0;
    std::size_t unusableValues = 0;
};

/// Ends the polyline being built: keeps it when it has a chord, and starts a new one.
void finishPolyline(ConstellationPolyline& polyline, std::vector<ConstellationPolyline>& lines) {
    if (polyline.size() >= 2) {
        lines.push_back(std::move(polyline));
    }
    polyline.clear();
}

void readPolyline(plist_t values, std::vector<ConstellationPolyline>& lines,
                  ConstellationFaults& faults) {
    const std::uint32_t count = plist_array_get_size(values);
    if (count % 2 != 0) {
        ++faults.oddValueCounts;
    }
    ConstellationPolyline polyline;
    for (std::uint32_t index = 0; index + 1 < count; index += 2) {
        const std::optional<float> rightAscension =
            catalogNumber(plist_array_get_item(values, index));
        const std::optional<float> declination =
            catalogNumber(plist_array_get_item(values, index + 1));
        if (rightAscension && declination) {
            polyline.push_back({*rightAscension, *declination});
        } else {
            faults.unusableValues += (rightAscension ? 0 : 1) + (declination ? 0 : 1);
            finishPolyline(polyline, lines);
        }
    }
    finishPolyline(polyline, lines);
}

}  // namespace

std::optional<std::vector<ConstellationPolyline>> readConstellationLines(
    std::string_view propertyList, std::string_view sourceName) {
    const PropertyListTree root = readCatalogArray(propertyList, sourceName);
    if (!root) {
        return std::nullopt;
    }
    std::vector<ConstellationPolyline> lines;
    ConstellationFaults faults;
    const std::uint32_t count = plist_array_get_size(root.get());
    for (std::uint32_t index = 0; index < count; ++index) {
        const plist_t entry = plist_array_get_item(root.get(), index);
        if (plist_get_node_type(entry) == PLIST_ARRAY) {
            readPolyline(entry, lines, faults);
        } else {
            ++faults.notArrays;
        }
    }
    logCatalogFaults(sourceName, "entries left out (not an array)", faults.notArrays);
    logCatalogFaults(sourceName, "polylines with an odd number of values (the last one ignored)",
                     faults.oddValueCounts);
    logCatalogFaults(sourceName, "values not a finite number (their polyline broken there)",
                     faults.unusableValues);
    return lines;
}

}  // namespace quenaro
