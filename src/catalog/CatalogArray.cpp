#include "catalog/CatalogArray.h"

#include <string>
#include <utility>

#include "base/DiagnosticLog.h"

namespace quenaro {

PropertyListTree readCatalogArray(std::string_view propertyList, std::string_view sourceName) {
    ParsedPropertyList parsed = parseXmlPropertyList(propertyList);
    if (parsed.root && plist_get_node_type(parsed.root.get()) != PLIST_ARRAY) {
        parsed = {nullptr, "does not hold an array at its top level"};
    }
    if (!parsed.root) {
        diagnosticLog(std::string(sourceName) + " " + parsed.problem);
    }
    return std::move(parsed.root);
}

void logCatalogFaults(std::string_view sourceName, std::string_view fault, std::size_t count) {
    if (count != 0) {
        diagnosticLog(std::string(sourceName) + ": " + std::string(fault) + ": " +
                      std::to_string(count));
    }
}

}  // namespace quenaro
