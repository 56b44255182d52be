#include "catalog/XmlPropertyList.h"

#include <cstdint>

#include "base/ClassicLocaleScope.h"
#include "catalog/CatalogFileLimits.h"
#include "catalog/ContainerNesting.h"

namespace quenaro {

ParsedPropertyList parseXmlPropertyList(std::string_view bytes) {
    if (bytes.size() > maximumCatalogFileBytes) {
        return {nullptr, "is larger than " + std::to_string(maximumCatalogFileBytes) +
                             " bytes; it is not read"};
    }
    if (bytes.starts_with("bplist")) {
        return {nullptr, "is a binary property list; only XML property lists are read"};
    }
    if (containerNestingDepth(bytes, maximumCatalogNesting) > maximumCatalogNesting) {
        return {nullptr, "nests arrays and dictionaries deeper than " +
                             std::to_string(maximumCatalogNesting) + " levels; it is not read"};
    }
    // A terminated copy: the parser must never run past the end of the text.
    const std::string text(bytes);
    plist_t root = nullptr;
    {
        // libplist reads reals with strtod, which would stop at the '.' of "6.7525" under a
        // locale whose decimal point is a comma.
        const ClassicLocaleScope classicLocale;
        plist_from_xml(text.c_str(), static_cast<std::uint32_t>(text.size()), &root);
    }
    if (root == nullptr) {
        return {nullptr, "is not a well-formed XML property list"};
    }
    return {PropertyListTree(root), {}};
}

}  // namespace quenaro
