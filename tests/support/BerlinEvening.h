#pragma once

#include "model/Ephemeris.h"
#include "time/EphemerisDate.h"
#include "time/TimeZone.h"

namespace quenaro::testing {

/// The Berlin evening many tests and benchmarks draw and check: 52.5 N, 13.4 E, on
/// 2026-12-07 at 21:08:00 in Europe/Berlin (CET, 20:08 GMT), a winter evening with the Milky
/// Way high.
inline constexpr double kBerlinLatitude = 52.5;
inline constexpr double kBerlinLongitude = 13.4;
inline constexpr const char* kBerlinZone = "Europe/Berlin";

/// 2026-12-07 21:08:00 in Europe/Berlin.
inline EphemerisDate berlinEveningDate() {
    return EphemerisDate::dateWithYear(2026, 12, 7, 21, 8, 0, TimeZone::named(kBerlinZone));
}

/// The model for the Berlin evening. The process's default zone and best known position are
/// left as they are.
inline Ephemeris berlinEvening() {
    return Ephemeris(berlinEveningDate(), kBerlinLatitude, kBerlinLongitude);
}

}  // namespace quenaro::testing
