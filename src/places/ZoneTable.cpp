// The principal places of the zones, read from the zone database's own tables, which the
// system's tz package keeps up to date with the zones the system knows.

#include "places/ZoneTable.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <istream>
#include <string>

namespace quenaro {

namespace {

/// A signed angle of `degreeDigits` digits of degrees followed by minutes and, when
/// `withSeconds`, seconds, each of two digits; none when the text is not exactly that.
std::optional<double> parseAngle(std::string_view text, std::size_t degreeDigits,
                                 bool withSeconds) {
    const std::size_t length = 1 + degreeDigits + (withSeconds ? 4 : 2);
    if (text.size() != length || (text[0] != '+' && text[0] != '-') ||
        !std::all_of(text.begin() + 1, text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const auto number = [&text](std::size_t from, std::size_t digits) {
        int value = 0;
        for (std::size_t index = from; index < from + digits; ++index) {
            value = value * 10 + (text[index] - '0');
        }
        return value;
    };
    const int degrees = number(1, degreeDigits);
    const int minutes = number(1 + degreeDigits, 2);
    const int seconds = withSeconds ? number(3 + degreeDigits, 2) : 0;
    if (minutes >= 60 || seconds >= 60) {
        return std::nullopt;
    }
    const double magnitude = degrees + minutes / 60.0 + seconds / 3600.0;
    return text[0] == '-' ? -magnitude : magnitude;
}

}  // namespace

std::optional<ZonePlace> parseZoneCoordinates(std::string_view text) {
    const std::size_t split = text.find_first_of("+-", 1);
    if (split == std::string_view::npos) {
        return std::nullopt;
    }
    // The latitude's length says which kind both parts are: 5 (±DDMM) or 7 (±DDMMSS).
    const bool withSeconds = split == 7;
    if (split != 5 && !withSeconds) {
        return std::nullopt;
    }
    const std::optional<double> latitude = parseAngle(text.substr(0, split), 2, withSeconds);
    const std::optional<double> longitude = parseAngle(text.substr(split), 3, withSeconds);
    if (!latitude || !longitude || std::abs(*latitude) > 90.0 || std::abs(*longitude) > 180.0) {
        return std::nullopt;
    }
    return ZonePlace{*latitude, *longitude};
}

std::optional<ZonePlace> zonePlaceInTable(std::istream& table, std::string_view zone) {
    std::string line;
    while (std::getline(table, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::size_t firstTab = line.find('\t');
        const std::size_t secondTab =
            firstTab == std::string::npos ? std::string::npos : line.find('\t', firstTab + 1);
        if (secondTab == std::string::npos) {
            continue;
        }
        const std::string_view fields(line);
        const std::size_t zoneEnd = fields.find('\t', secondTab + 1);
        if (fields.substr(secondTab + 1, zoneEnd - (secondTab + 1)) != zone) {
            continue;
        }
        if (const std::optional<ZonePlace> place =
                parseZoneCoordinates(fields.substr(firstTab + 1, secondTab - (firstTab + 1)))) {
            return place;
        }
    }
    return std::nullopt;
}

std::optional<ZonePlace> principalPlaceOfZone(std::string_view zone,
                                              const std::filesystem::path& databaseFolder) {
    if (zone.empty()) {
        return std::nullopt;
    }
    for (const char* tableName : {"zone1970.tab", "zone.tab"}) {
        std::ifstream table(databaseFolder / tableName);
        if (const std::optional<ZonePlace> place = zonePlaceInTable(table, zone)) {
            return place;
        }
    }
    return std::nullopt;
}

std::filesystem::path zoneDatabaseFolder() {
    const char* folder = std::getenv("TZDIR");
    return folder != nullptr && *folder != '\0' ? std::filesystem::path(folder)
                                                : std::filesystem::path("/usr/share/zoneinfo");
}

std::string zonePlaceName(std::string_view zone) {
    std::string name(zone.substr(zone.rfind('/') + 1));
    std::replace(name.begin(), name.end(), '_', ' ');
    return name;
}

}  // namespace quenaro
