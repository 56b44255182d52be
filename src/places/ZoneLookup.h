#pragma once

#include <string_view>

namespace quenaro {

/// The IANA time zone at a point of the Earth, from the built-in zone map (time zone boundaries
/// of OpenStreetMap, to a few kilometres; at sea the nautical zones "Etc/GMT-9" ...; at the
/// North Pole "Etc/GMT"). Meant for coordinates typed by hand: a city picked from the
/// gazetteer keeps its own zone.
///
/// latitudeDegrees in [-90, 90], north positive; longitudeDegrees in [-180, 180], east
/// positive: -180 reads the map's western edge and 180 its eastern edge, which may lie in
/// different zones (the map is not wrapped).
/// Throws std::invalid_argument naming the value for a coordinate outside its range or not
/// finite. The name points into the program's constant tables.
std::string_view zoneAtPosition(double latitudeDegrees, double longitudeDegrees);

}  // namespace quenaro
