#pragma once

#include <string_view>

namespace quenaro {

/// The credit the gazetteer's data asks for wherever it is used (about box, help, README).
inline constexpr std::string_view kGazetteerAttribution =
    "Place names and positions: GeoNames (geonames.org), CC BY 4.0";

/// The credit the zone lookup's boundaries ask for wherever they are used.
inline constexpr std::string_view kZoneBoundaryAttribution =
    "Time zone boundaries: OpenStreetMap contributors, ODbL";

}  // namespace quenaro
