#pragma once

#include <vector>

#include "model/Ephemeris.h"
#include "time/EphemerisDate.h"
#include "time/TimeZone.h"

namespace quenaro::testing {

/// Models at noon GMT, 45° N 0° E, on the first day of the year -9999 and the last day of 9999:
/// the first and last days the model supports, where events of a neighbouring day fall outside.
inline std::vector<Ephemeris> modelsAtTheSupportedYearEnds() {
    std::vector<Ephemeris> models;
    models.emplace_back(EphemerisDate::dateWithYear(-9999, 1, 1, 12, 0, 0, TimeZone::gmt()), 45.0,
                        0.0);
    models.emplace_back(EphemerisDate::dateWithYear(9999, 12, 31, 12, 0, 0, TimeZone::gmt()), 45.0,
                        0.0);
    return models;
}

}  // namespace quenaro::testing
