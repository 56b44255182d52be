#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace quenaro {

/// Where the zone database puts a zone's principal place: the place the zone is named after.
struct ZonePlace {
    double latitudeDegrees;   // [-90, 90], north positive
    double longitudeDegrees;  // [-180, 180], east positive
};

/// Coordinates as the zone database's tables write them (ISO 6709, whole units):
/// "+5230+01322" (±DDMM±DDDMM) or "-332652-0703603" (±DDMMSS±DDDMMSS), both parts of the same
/// kind. None for any other text, or for minutes or seconds from 60 on or a place beyond the
/// poles or 180 degrees.
std::optional<ZonePlace> parseZoneCoordinates(std::string_view text);

/// The principal place that a table of zones in the form of zone1970.tab or zone.tab gives
/// `zone`: of its lines (fields separated by tabs: country codes, coordinates, zone,
/// comments; "#" starts a comment line), the first naming the zone whose coordinates read
/// well. None when no line does.
std::optional<ZonePlace> zonePlaceInTable(std::istream& table, std::string_view zone);

/// The principal place of `zone` from the tables of the zone database in `databaseFolder`:
/// zone1970.tab, else zone.tab, which still lists zones that zone1970.tab folds into another
/// with the same clocks since 1970 (Europe/Oslo into Europe/Berlin). None when neither lists
/// the zone (UTC, a fixed offset) or neither can be read.
std::optional<ZonePlace> principalPlaceOfZone(std::string_view zone,
                                              const std::filesystem::path& databaseFolder);

/// The system's zone database: the folder TZDIR names, else /usr/share/zoneinfo.
std::filesystem::path zoneDatabaseFolder();

/// The place's name in the zone's name: its last part, with spaces for underscores
/// ("America/Argentina/Buenos_Aires" gives "Buenos Aires").
std::string zonePlaceName(std::string_view zone);

}  // namespace quenaro
