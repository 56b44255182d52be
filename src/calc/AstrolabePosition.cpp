#include "calc/AstrolabePosition.h"

#include <array>
#include <cmath>
#include <stdexcept>

#include "time/Degrees.h"

namespace quenaro {

namespace {

/// A declination the model reduced to [0, 360) (-10 held as 350) back in [-90, 90].
double signedDeclination(double declinationDegrees) {
    return declinationDegrees > 180.0 ? declinationDegrees - 360.0 : declinationDegrees;
}

/// How the shown magnitude of an angle text moves as the angle grows: texts wrapped to
/// [0, 360) grow with it; signed and hemisphere texts show the angle folded into
/// [-180, 180] without its sign; hour texts show |angle| / 15.
enum class TextMagnitude { Wrapped, Folded, Hours };

/// A model angle text of `degrees` whose last field (seconds of arc, or of time for hours) is
/// rounded, not truncated: 12h 30m 5s typed comes back as typed. The angle is rounded to a
/// whole last unit and moved a quarter unit towards a larger shown magnitude, so that the
/// text's truncation, and the rounding errors of its arithmetic, land on that unit. A whole
/// number of degrees (or hours) is held exactly and formatted as it is (a quarter unit there
/// could cross the fold at 180 or the wrap at 360).
std::string roundedText(std::string (*format)(double), double degrees, TextMagnitude magnitude) {
    const double unitDegrees = magnitude == TextMagnitude::Hours ? 15.0 / 3600.0 : 1.0 / 3600.0;
    const double wholeDegrees = magnitude == TextMagnitude::Hours ? 15.0 : 1.0;
    const double rounded = std::round(degrees / unitDegrees) * unitDegrees;
    if (!std::isfinite(rounded) || std::fmod(rounded, wholeDegrees) == 0.0) {
        return format(std::isfinite(rounded) ? rounded : degrees);
    }
    double direction = 1.0;
    if (magnitude == TextMagnitude::Folded) {
        direction = std::remainder(rounded, 360.0) < 0.0 ? -1.0 : 1.0;
    } else if (magnitude == TextMagnitude::Hours) {
        direction = rounded < 0.0 ? -1.0 : 1.0;
    }
    return format(rounded + direction * unitDegrees / 4.0);
}

void checkMode(int mode) {
    if (mode < 0 || mode >= kAstrolabeModeCount) {
        throw std::out_of_range("astrolabe mode out of range 0-5");
    }
}

}  // namespace

AstrolabePosition AstrolabePosition::fromAltAz(const Ephemeris& model, double altitudeDegrees,
                                               double azimuthDegrees) {
    Coordinate record;
    record.altitude = altitudeDegrees;
    record.azimuth = azimuthDegrees;
    model.calcGeocentricFromAltAz(record);
    model.calcEcliptic(record);
    return {altitudeDegrees,    azimuthDegrees,  record.rightAscension,
            record.declination, record.latitude, record.longitude};
}

AstrolabePosition AstrolabePosition::fromRaDecl(const Ephemeris& model,
                                                double rightAscensionDegrees,
                                                double declinationDegrees) {
    Coordinate record;
    record.rightAscension = rightAscensionDegrees;
    record.declination = declinationDegrees;
    model.calcHorizontal(record);
    model.calcEcliptic(record);
    return {record.altitude,    record.azimuth,  rightAscensionDegrees,
            declinationDegrees, record.latitude, record.longitude};
}

AstrolabePosition AstrolabePosition::fromLatLong(const Ephemeris& model, double latitudeDegrees,
                                                 double longitudeDegrees) {
    Coordinate record;
    record.latitude = latitudeDegrees;
    record.longitude = longitudeDegrees;
    model.calcGeocentricFromEcliptic(record);
    model.calcHorizontal(record);
    return {record.altitude,       record.azimuth,
            record.rightAscension, signedDeclination(record.declination),
            latitudeDegrees,       longitudeDegrees};
}

double AstrolabePosition::value(int mode) const {
    checkMode(mode);
    const std::array<double, kAstrolabeModeCount> values{altitude,    azimuth,  rightAscension,
                                                         declination, latitude, longitude};
    return values[static_cast<std::size_t>(mode)];
}

AstrolabePosition AstrolabePosition::withValue(const Ephemeris& model, int mode,
                                               double degrees) const {
    checkMode(mode);
    switch (mode) {
        case kAltitudeMode:
            return fromAltAz(model, degrees, azimuth);
        case kAzimuthMode:
            return fromAltAz(model, altitude, degrees);
        case kRightAscensionMode:
            return fromRaDecl(model, degrees, declination);
        case kDeclinationMode:
            return fromRaDecl(model, rightAscension, degrees);
        case kEclipticLatitudeMode:
            return fromLatLong(model, degrees, longitude);
        default:
            return fromLatLong(model, latitude, degrees);
    }
}

std::string AstrolabePosition::labelText(int mode) const {
    const double degrees = value(mode);
    switch (mode) {
        case kRightAscensionMode:
            return roundedText(&Ephemeris::degreesToHMS, degrees, TextMagnitude::Hours);
        case kEclipticLatitudeMode:
            return roundedText(&Ephemeris::degreesToLatitudeDMS, degrees, TextMagnitude::Folded);
        case kEclipticLongitudeMode:
            return roundedText(&Ephemeris::degreesToLongitudeDMS, degrees, TextMagnitude::Folded);
        case kAzimuthMode:
            return roundedText(&Ephemeris::degreesToDMS, degrees, TextMagnitude::Wrapped);
        default:
            // Altitude and declination keep their sign: -12.25 is "-12° 15' 0\"", not 347°.
            return roundedText(&Ephemeris::degreesToSignedDMS, degrees, TextMagnitude::Folded);
    }
}

std::string AstrolabePosition::tableText(int mode) const {
    const double degrees = value(mode);
    switch (mode) {
        case kRightAscensionMode:
            return roundedText(&Ephemeris::degreesToHMS, degrees, TextMagnitude::Hours);
        case kAzimuthMode:
            // Measured from the south towards the west: a positive azimuth lies west of the
            // meridian, where the longitude text (east positive) needs a negative angle.
            return roundedText(&Ephemeris::degreesToLongitudeDMS, -degrees, TextMagnitude::Folded);
        case kEclipticLongitudeMode:
            return roundedText(&Ephemeris::degreesToLongitudeDMS, degrees, TextMagnitude::Folded);
        default:
            return roundedText(&Ephemeris::degreesToLatitudeDMS, degrees, TextMagnitude::Folded);
    }
}

const char* astrolabeValueTitle(int mode) {
    checkMode(mode);
    constexpr std::array<const char*, kAstrolabeModeCount> kTitles{
        "Altitude", "Azimuth", "Right Ascension", "Declination", "Latitude", "Longitude"};
    return kTitles[static_cast<std::size_t>(mode)];
}

}  // namespace quenaro
