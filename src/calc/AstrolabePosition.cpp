#include "calc/AstrolabePosition.h"

#include <array>
#include <stdexcept>

#include "time/Degrees.h"

namespace quenaro {

namespace {

/// A declination the model reduced to [0, 360) (-10 held as 350) back in [-90, 90].
double signedDeclination(double declinationDegrees) {
    return declinationDegrees > 180.0 ? declinationDegrees - 360.0 : declinationDegrees;
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
    model.calcGeocentric(record);
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
            return Ephemeris::degreesToHMS(degrees);
        case kEclipticLatitudeMode:
            return Ephemeris::degreesToLatitudeDMS(degrees);
        case kEclipticLongitudeMode:
            return Ephemeris::degreesToLongitudeDMS(degrees);
        case kAzimuthMode:
            return Ephemeris::degreesToDMS(degrees);
        default:
            // Altitude and declination keep their sign: -12.25 is "-12° 15' 0\"", not 347°.
            return Ephemeris::degreesToSignedDMS(degrees);
    }
}

std::string AstrolabePosition::tableText(int mode) const {
    const double degrees = value(mode);
    switch (mode) {
        case kRightAscensionMode:
            return Ephemeris::degreesToHMS(degrees);
        case kAzimuthMode:
            // Measured from the south towards the west: a positive azimuth lies west of the
            // meridian, where the longitude text (east positive) needs a negative angle.
            return Ephemeris::degreesToLongitudeDMS(-degrees);
        case kEclipticLongitudeMode:
            return Ephemeris::degreesToLongitudeDMS(degrees);
        default:
            return Ephemeris::degreesToLatitudeDMS(degrees);
    }
}

const char* astrolabeValueTitle(int mode) {
    checkMode(mode);
    constexpr std::array<const char*, kAstrolabeModeCount> kTitles{
        "Altitude", "Azimuth", "Right Ascension", "Declination", "Latitude", "Longitude"};
    return kTitles[static_cast<std::size_t>(mode)];
}

}  // namespace quenaro
