#pragma once

#include <cstddef>
#include <string_view>

#include "catalog/XmlPropertyList.h"

namespace quenaro {

/// Parses a catalogue file (parseXmlPropertyList) whose top level must be an array. On failure
/// writes "<sourceName> <problem>" to the diagnostic log and returns a null tree.
PropertyListTree readCatalogArray(std::string_view propertyList, std::string_view sourceName);

/// Writes "<sourceName>: <fault>: <count>" to the diagnostic log when `count` is not 0.
void logCatalogFaults(std::string_view sourceName, std::string_view fault, std::size_t count);

}  // namespace quenaro
