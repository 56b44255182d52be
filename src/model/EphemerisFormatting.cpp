// Angle texts of the model: degrees, minutes and seconds; signed angles; hours; geographic
// longitudes and latitudes. Every integer shown is truncated toward zero, never rounded, and
// nothing carries from seconds to minutes or from minutes to degrees.

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "base/PrintfText.h"
#include "model/Ephemeris.h"
#include "time/Degrees.h"

namespace quenaro {

namespace {

/// The marks after the whole units, the minutes and the seconds of a text.
struct UnitMarks {
    const char* whole;
    const char* minutes;
    const char* seconds;
};

constexpr UnitMarks kArcMarks{"\u00B0", "'", "\""};  // degree sign U+00B0, apostrophe, quote
constexpr UnitMarks kTimeMarks{"h", "m", "s"};

enum class Precision { Minutes, Seconds };

/// A magnitude in whole units (degrees or hours), minutes and seconds, each truncated.
struct Sexagesimal {
    int whole;
    int minutes;  // [0, 59]
    int seconds;  // [0, 59]
};

/// Splits a magnitude >= 0 as floor, then (fraction * 60), then the minutes' fraction * 60, in
/// that order of double arithmetic. No value when the magnitude is NaN, negative, infinite
/// or has more whole units than an int holds.
std::optional<Sexagesimal> splitSexagesimal(double magnitude) {
    const double whole = std::floor(magnitude);
    constexpr double kLargestWhole = std::numeric_limits<int>::max();
    if (!(whole >= 0.0 && whole <= kLargestWhole)) {  // also false for NaN
        return std::nullopt;
    }
    const double minutes = (magnitude - whole) * 60.0;              // [0, 60)
    const double seconds = (minutes - std::floor(minutes)) * 60.0;  // [0, 60)
    return Sexagesimal{static_cast<int>(whole), static_cast<int>(minutes),
                       static_cast<int>(seconds)};
}

/// "<sign><whole><whole mark><hemisphere> <minutes><minute mark>[ <seconds><second mark>]",
/// or the placeholder kNoAngleText when the magnitude cannot be split.
std::string formatMagnitude(const char* sign, double magnitude, const UnitMarks& marks,
                            const char* hemisphere, Precision precision) {
    const std::optional<Sexagesimal> parts = splitSexagesimal(magnitude);
    if (!parts) {
        return kNoAngleText;
    }
    if (precision == Precision::Minutes) {
        return printfText("%s%d%s%s %d%s", sign, parts->whole, marks.whole, hemisphere,
                          parts->minutes, marks.minutes);
    }
    return printfText("%s%d%s%s %d%s %d%s", sign, parts->whole, marks.whole, hemisphere,
                      parts->minutes, marks.minutes, parts->seconds, marks.seconds);
}

/// The angle wrapped to [0, 360) by fmod from the side of its sign; a negative exact multiple
/// of 360 gives 360. NaN for NaN or an infinity.
double wrapTo360(double degrees) {
    return degrees < 0.0 ? 360.0 - std::fmod(-degrees, 360.0) : std::fmod(degrees, 360.0);
}

/// Degrees shown as an unsigned angle, [0, 360].
std::string unsignedAngleText(double degrees, Precision precision) {
    return formatMagnitude("", wrapTo360(degrees), kArcMarks, "", precision);
}

/// Degrees wrapped to [0, 360], then folded: above 180 (strictly) the angle is 360 - u with
/// the sign "-", else u with the sign "+".
std::string signedAngleText(double degrees, Precision precision) {
    const double wrapped = wrapTo360(degrees);
    const bool negative = wrapped > 180.0;
    return formatMagnitude(negative ? "-" : "+", negative ? 360.0 - wrapped : wrapped, kArcMarks,
                           "", precision);
}

/// Degrees as hours (|degrees| / 15, not wrapped), with "-" for a negative input.
std::string hoursText(double degrees, Precision precision) {
    return formatMagnitude(degrees < 0.0 ? "-" : "", std::fabs(degrees) / 15.0, kTimeMarks, "",
                           precision);
}

/// Degrees reduced by mod360 and moved to [-180, 180] (above 180 strictly, 360 is taken off);
/// the magnitude follows the degree sign with the letter for a negative or a non-negative
/// value ("W"/"E", "S"/"N").
std::string geographicText(double degrees, const char* positiveLetter, const char* negativeLetter,
                           Precision precision) {
    double folded = mod360(degrees);
    if (folded > 180.0) {
        folded -= 360.0;
    }
    return formatMagnitude("", std::fabs(folded), kArcMarks,
                           folded < 0.0 ? negativeLetter : positiveLetter, precision);
}

}  // namespace

/// "123° 27'": any angle in degrees, wrapped to [0, 360] (only a negative exact multiple of
/// 360 shows 360). "—" for NaN or an infinity.
std::string Ephemeris::degreesToDM(double degrees) {
    return unsignedAngleText(degrees, Precision::Minutes);
}

/// "123° 27' 21\"": as degreesToDM, with arc-seconds.
std::string Ephemeris::degreesToDMS(double degrees) {
    return unsignedAngleText(degrees, Precision::Seconds);
}

/// "+123° 27'", "-123° 27'": any angle in degrees, shown in [-180, 180]; 180 is "+180° 0'".
/// "—" for NaN or an infinity.
std::string Ephemeris::degreesToSignedDM(double degrees) {
    return signedAngleText(degrees, Precision::Minutes);
}

/// "+123° 27' 21\"": as degreesToSignedDM, with arc-seconds.
std::string Ephemeris::degreesToSignedDMS(double degrees) {
    return signedAngleText(degrees, Precision::Seconds);
}

/// "8h 13m", "-8h 13m": an angle in degrees as hours of 15 degrees, not wrapped (400 is
/// "26h 40m"); the sign follows the input. "—" for NaN, an infinity or 2^31 hours and more.
std::string Ephemeris::degreesToHM(double degrees) {
    return hoursText(degrees, Precision::Minutes);
}

/// "8h 13m 49s": as degreesToHM, with seconds of time.
std::string Ephemeris::degreesToHMS(double degrees) {
    return hoursText(degrees, Precision::Seconds);
}

/// "123°E 27'", "123°W 27'": a longitude in degrees (east positive), any value, shown in
/// [0, 180] with its hemisphere. "—" for NaN or an infinity.
std::string Ephemeris::degreesToLongitudeDM(double degrees) {
    return geographicText(degrees, "E", "W", Precision::Minutes);
}

/// "123°E 27' 21\"": as degreesToLongitudeDM, with arc-seconds.
std::string Ephemeris::degreesToLongitudeDMS(double degrees) {
    return geographicText(degrees, "E", "W", Precision::Seconds);
}

/// "45°N 30'", "45°S 30'": a latitude in degrees (north positive), folded like a longitude
/// and not limited to 90 (100 is "100°N 0'", 200 is "160°S 0'"). "—" for NaN or an infinity.
std::string Ephemeris::degreesToLatitudeDM(double degrees) {
    return geographicText(degrees, "N", "S", Precision::Minutes);
}

/// "45°N 30' 0\"": as degreesToLatitudeDM, with arc-seconds.
std::string Ephemeris::degreesToLatitudeDMS(double degrees) {
    return geographicText(degrees, "N", "S", Precision::Seconds);
}

}  // namespace quenaro
