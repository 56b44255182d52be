#pragma once

#include <QMetaType>
#include <QString>
#include <filesystem>
#include <string_view>

namespace quenaro {

/// Where the observer is, and how the application came to know it.
struct PlaceWithOrigin {
    enum class Origin {
        /// Nothing stored, no fix yet and no place known for the system's time zone:
        /// 45 N, 90 W.
        Fallback,
        /// Nothing stored and no fix yet: the principal place of the system's time zone.
        TimeZone,
        /// Stored by an earlier run.
        Remembered,
        /// Reported by the location service in this run.
        Fix,
        /// Chosen by the user in the place dialog.
        Chosen
    };

    double latitudeDegrees = 45.0;    // [-90, 90], north positive
    double longitudeDegrees = -90.0;  // [-180, 180], east positive
    /// "Tromsø"; empty for a place known by its coordinates only.
    QString name;
    /// The place's own IANA zone ("Europe/Oslo"); empty when not known.
    QString zone;
    Origin origin = Origin::Fallback;
};

/// True for finite coordinates within [-90, 90] and [-180, 180] degrees.
bool validCoordinates(double latitudeDegrees, double longitudeDegrees);

/// The place in a few words: its name, else its coordinates ("52.52° N, 13.40° E").
QString placeTitle(const PlaceWithOrigin& place);

/// Where the place came from, for the window's place line: "location service",
/// "remembered", "time zone", "fallback", "chosen".
QString placeOriginText(PlaceWithOrigin::Origin origin);

/// The place before the first fix when none is stored: the principal place of `zone` (an
/// IANA name) as the zone database in `databaseFolder` lists it, named after the zone and in
/// it, with the origin TimeZone; else (UTC, a fixed offset, a zone the tables do not list) the
/// fallback 45 N, 90 W.
PlaceWithOrigin placeBeforeFirstFix(std::string_view zone,
                                    const std::filesystem::path& databaseFolder);

}  // namespace quenaro

Q_DECLARE_METATYPE(quenaro::PlaceWithOrigin)
