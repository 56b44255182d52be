#include "catalog/StarCatalog.h"

#include <cstdint>

#include "catalog/CatalogArray.h"
#include "catalog/CatalogNumber.h"

namespace quenaro {

std::optional<std::vector<CatalogStar>> readStarCatalog(std::string_view propertyList,
                                                        std::string_view sourceName) {
    const PropertyListTree root = readCatalogArray(propertyList, sourceName);
    if (!root) {
        return std::nullopt;
    }
    const std::uint32_t count = plist_array_get_size(root.get());
    std::vector<CatalogStar> stars;
    stars.reserve(count);
    std::size_t leftOut = 0;
    for (std::uint32_t index = 0; index < count; ++index) {
        const plist_t entry = plist_array_get_item(root.get(), index);
        if (plist_get_node_type(entry) != PLIST_DICT) {
            ++leftOut;
            continue;
        }
        const std::optional<float> rightAscension = catalogNumber(plist_dict_get_item(entry, "ra"));
        const std::optional<float> declination = catalogNumber(plist_dict_get_item(entry, "dec"));
        const std::optional<float> magnitude = catalogNumber(plist_dict_get_item(entry, "mag"));
        if (!rightAscension || !declination || !magnitude) {
            ++leftOut;
            continue;
        }
        stars.push_back({*rightAscension, *declination, *magnitude});
    }
    logCatalogFaults(
        sourceName, "entries left out (not a dictionary, or a value not a finite number)", leftOut);
    return stars;
}

}  // namespace quenaro
