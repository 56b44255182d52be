#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace quenaro {

/// One star of the star catalogue (J2000).
struct CatalogStar {
    float rightAscensionHours;  ///< as written in the catalogue, normally [0, 24)
    float declinationDegrees;   ///< north positive, normally [−90, 90]
    float magnitude;            ///< visual magnitude, brighter is smaller
};

/// Reads a star catalogue: an XML property list whose top level is an array of dictionaries, one
/// per star, with the numbers "ra" (hours), "dec" (degrees) and "mag", each read by catalogNumber
/// (numbers or numeric strings; a missing key reads as 0). The stars come in the file's order.
/// Entries that cannot be a star (not a dictionary, or a value that is not a finite number) are
/// left out, and one line of the diagnostic log says how many.
/// Failure (the file refused or not well-formed: see parseXmlPropertyList; or its top level not
/// an array): one line "<sourceName> <problem>" in the diagnostic log, and nullopt.
std::optional<std::vector<CatalogStar>> readStarCatalog(std::string_view propertyList,
                                                        std::string_view sourceName);

}  // namespace quenaro
