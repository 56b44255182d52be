#pragma once

#include <string>

#include "model/Ephemeris.h"

namespace quenaro {

/// The six values of the calculator, in the order of its modes (tag 100 + mode).
enum AstrolabeMode {
    kAltitudeMode = 0,
    kAzimuthMode = 1,
    kRightAscensionMode = 2,
    kDeclinationMode = 3,
    kEclipticLatitudeMode = 4,
    kEclipticLongitudeMode = 5,
};

inline constexpr int kAstrolabeModeCount = 6;

/// One position in the three frames of the model's date and place, every angle in degrees:
/// horizontal (altitude; azimuth from the south point towards the west, as the model measures
/// it), equatorial (right ascension in degrees, declination) and ecliptic (latitude,
/// longitude). The pair a position was made from is held as given; the derived pairs lie in
/// [-90, 90] (altitude, declination, latitude) and [0, 360) (azimuth, right ascension,
/// longitude).
struct AstrolabePosition {
    double altitude = 0.0;
    double azimuth = 0.0;
    double rightAscension = 0.0;
    double declination = 0.0;
    double latitude = 0.0;
    double longitude = 0.0;

    /// The position of the altitude and azimuth (degrees, azimuth from the south through the
    /// west): right ascension and declination by calcGeocentricFromAltAz, then the ecliptic
    /// latitude and longitude by calcEcliptic.
    static AstrolabePosition fromAltAz(const Ephemeris& model, double altitudeDegrees,
                                       double azimuthDegrees);
    /// The position of the right ascension and declination (degrees): altitude and azimuth by
    /// calcHorizontal, the ecliptic latitude and longitude by calcEcliptic.
    static AstrolabePosition fromRaDecl(const Ephemeris& model, double rightAscensionDegrees,
                                        double declinationDegrees);
    /// The position of the ecliptic latitude and longitude (degrees): right ascension and
    /// declination by calcGeocentric (which adds the nutation in longitude), then altitude and
    /// azimuth by calcHorizontal.
    static AstrolabePosition fromLatLong(const Ephemeris& model, double latitudeDegrees,
                                         double longitudeDegrees);

    /// The value of a mode (0-5), degrees.
    double value(int mode) const;
    /// The position made again from the pair that holds the mode's value (0-1 horizontal,
    /// 2-3 equatorial, 4-5 ecliptic), after the mode's value is set to `degrees`.
    AstrolabePosition withValue(const Ephemeris& model, int mode, double degrees) const;

    /// The text a value label shows for a mode (0-5), its last field rounded to the nearest
    /// second (of arc, or of time for right ascension): altitude and declination as signed
    /// degrees, minutes and seconds ("+12° 15' 0\"", "-12° 15' 0\""); azimuth as degrees,
    /// minutes and seconds wrapped to [0, 360); right ascension as hours, minutes and seconds;
    /// the ecliptic latitude and longitude with their hemisphere letters.
    std::string labelText(int mode) const;
    /// The text the table shows for a mode (0-5), rounded like the label's: altitude, declination
    /// and latitude with N or S, longitude with E or W, azimuth with the side of the meridian (W
    /// for 0-180, E for 180-360), right ascension in hours.
    std::string tableText(int mode) const;
};

/// The title of a mode's value as the table and the command line name it ("Altitude", …,
/// "Longitude"); mode 0-5.
const char* astrolabeValueTitle(int mode);

}  // namespace quenaro
