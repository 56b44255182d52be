// The zodiac signs of the model: the sign of an ecliptic longitude, the degrees within it and
// the position text. Twelve signs of 30 degrees each, Aries from longitude 0.

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "model/CyclicIndex.h"
#include "model/Ephemeris.h"
#include "time/Degrees.h"

namespace quenaro {

namespace {

constexpr std::array<const char*, 12> kSignNames{"Aries",       "Taurus",    "Gemini",   "Cancer",
                                                 "Leo",         "Virgo",     "Libra",    "Scorpius",
                                                 "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

constexpr double kDegreesPerSign = 30.0;

}  // namespace

/// The name of sign index `sign` taken cyclically: 0 "Aries" ... 11 "Pisces", 12 "Aries"
/// again; a negative index counts back from Pisces (-1 is "Pisces").
std::string Ephemeris::symbolForZodiac(int sign) {
    return kSignNames[static_cast<std::size_t>(
        cyclicIndex(sign, static_cast<int>(kSignNames.size())))];
}

/// The sign index of an ecliptic longitude in degrees: trunc(mod360(longitude) / 30), in
/// [0, 11], or 12 when mod360 rounds a tiny negative longitude up to exactly 360. The degrees
/// within the sign, [0, 30), go through the pointer when it is not null. A NaN or infinite
/// longitude has no sign: it gives 0 and NaN degrees within the sign.
int Ephemeris::degreesToZodiac(double longitudeDegrees, double* degreesWithinSign) {
    const double reducedDegrees = mod360(longitudeDegrees);  // [0, 360], NaN if not finite
    if (std::isnan(reducedDegrees)) {
        if (degreesWithinSign != nullptr) {
            *degreesWithinSign = std::numeric_limits<double>::quiet_NaN();
        }
        return 0;
    }
    const int sign = static_cast<int>(reducedDegrees / kDegreesPerSign);
    if (degreesWithinSign != nullptr) {
        *degreesWithinSign = reducedDegrees + sign * -kDegreesPerSign;
    }
    return sign;
}

/// "Taurus 15° 30'": the sign's name, a blank and the degrees and minutes within the sign
/// (truncated, as degreesToDM) of an ecliptic longitude in degrees. A NaN or infinite
/// longitude gives the placeholder kNoAngleText alone, since it lies in no sign.
std::string Ephemeris::zodiacPositionString(double longitudeDegrees) {
    if (!std::isfinite(longitudeDegrees)) {
        return kNoAngleText;
    }
    double degreesWithinSign = 0.0;
    const int sign = degreesToZodiac(longitudeDegrees, &degreesWithinSign);
    return symbolForZodiac(sign) + " " + degreesToDM(degreesWithinSign);
}

}  // namespace quenaro
