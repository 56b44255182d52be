#include "app/PlaceWithOrigin.h"

#include <cmath>
#include <optional>

#include "app/QtText.h"
#include "places/ZoneTable.h"

namespace quenaro {

bool validCoordinates(double latitudeDegrees, double longitudeDegrees) {
    return std::isfinite(latitudeDegrees) && std::isfinite(longitudeDegrees) &&
           std::fabs(latitudeDegrees) <= 90.0 && std::fabs(longitudeDegrees) <= 180.0;
}

QString placeTitle(const PlaceWithOrigin& place) {
    if (!place.name.isEmpty()) {
        return place.name;
    }
    const QChar degree(0x00B0);
    return QStringLiteral("%1%2 %3, %4%5 %6")
        .arg(std::fabs(place.latitudeDegrees), 0, 'f', 2)
        .arg(degree)
        .arg(place.latitudeDegrees < 0 ? QLatin1Char('S') : QLatin1Char('N'))
        .arg(std::fabs(place.longitudeDegrees), 0, 'f', 2)
        .arg(degree)
        .arg(place.longitudeDegrees < 0 ? QLatin1Char('W') : QLatin1Char('E'));
}

QString placeOriginText(PlaceWithOrigin::Origin origin) {
    switch (origin) {
        case PlaceWithOrigin::Origin::Fallback:
            return QStringLiteral("fallback");
        case PlaceWithOrigin::Origin::TimeZone:
            return QStringLiteral("time zone");
        case PlaceWithOrigin::Origin::Remembered:
            return QStringLiteral("remembered");
        case PlaceWithOrigin::Origin::Fix:
            return QStringLiteral("location service");
        case PlaceWithOrigin::Origin::Chosen:
            return QStringLiteral("chosen");
    }
    return {};
}

PlaceWithOrigin placeBeforeFirstFix(std::string_view zone,
                                    const std::filesystem::path& databaseFolder) {
    PlaceWithOrigin place;
    if (const std::optional<ZonePlace> principal = principalPlaceOfZone(zone, databaseFolder)) {
        place.latitudeDegrees = principal->latitudeDegrees;
        place.longitudeDegrees = principal->longitudeDegrees;
        place.name = toQString(zonePlaceName(zone));
        place.zone = toQString(zone);
        place.origin = PlaceWithOrigin::Origin::TimeZone;
    }
    return place;
}

}  // namespace quenaro
