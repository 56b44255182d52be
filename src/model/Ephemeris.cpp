// Core of the Ephemeris model: object life, sidereal times, hour angles, nutation and the
// conversions between the ecliptic, equatorial and horizontal frames.

#include "model/Ephemeris.h"

#include <cmath>
#include <utility>

#include "model/ObserverPosition.h"
#include "series/tables/NutationCoefficients.h"
#include "time/Degrees.h"

namespace quenaro {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerJulianCentury = 36525.0;
constexpr double kRadiansToDegrees = 180.0 / 3.141592653589793;
constexpr double kKilometresPerAU = 149597869.0;

// The model's nutation uses the 31 largest terms of the IAU 1980 series in longitude: the
// leading rows of the full 63-term table of the series library.
constexpr std::size_t kModelNutationTerms = 31;

/// Ecliptic longitude and latitude (degrees) turned about the equinox by the obliquity onto
/// the equator: sets `rightAscension` [0, 360) and `declination` [-90, 90].
void turnOntoEquator(double lambda, double beta, double epsilon, Coordinate& coordinate) {
    coordinate.rightAscension =
        mod360(atan2d(sind(lambda) * cosd(epsilon) - tand(beta) * sind(epsilon), cosd(lambda)));
    coordinate.declination =
        asind(sind(beta) * cosd(epsilon) + cosd(beta) * sind(epsilon) * sind(lambda));
}

}  // namespace

// ---- Object life ---------------------------------------------------------------------------

Ephemeris::Ephemeris() : Ephemeris(ephemeris()) {}

Ephemeris::Ephemeris(const EphemerisDate& date, double latitudeDegrees, double longitudeDegrees)
    : myDate(date), myLatitude(latitudeDegrees), myLongitude(longitudeDegrees) {
    setDate(date);
}

Ephemeris::Ephemeris(const EphemerisDate& date, double latitudeDegrees, double longitudeDegrees,
                     WithoutPositions)
    : myDate(date),
      myLatitude(latitudeDegrees),
      myLongitude(longitudeDegrees),
      myJulianDate(date.julianDate()) {}

Ephemeris Ephemeris::ephemerisForDate(const EphemerisDate& date) {
    const GeographicPosition position = bestKnownPosition();
    return Ephemeris(date, position.latitudeDegrees, position.longitudeDegrees);
}

Ephemeris Ephemeris::ephemeris() {
    return ephemerisForDate(EphemerisDate());
}

void Ephemeris::setDate(const EphemerisDate& date) {
    myDate = date;
    myJulianDate = myDate.julianDate();
    invalidateSiderealTimes();
    sunCoordinate(mySun);
    moonCoordinate(myMoon);
}

void Ephemeris::setLatitude(double latitudeDegrees, double longitudeDegrees) {
    myLatitude = latitudeDegrees;
    myLongitude = longitudeDegrees;
    invalidateSiderealTimes();
    sunCoordinate(mySun);
    moonCoordinate(myMoon);
}

void Ephemeris::setPositionSource(std::shared_ptr<const PositionSource> source) {
    myPositionSource = std::move(source);
    sunCoordinate(mySun);
    moonCoordinate(myMoon);
}

void Ephemeris::invalidateSiderealTimes() {
    myGreenwichApparentSiderealTimeValid = false;
    myLocalApparentSiderealTimeValid = false;
    myLocalMeanSiderealTimeValid = false;
}

Ephemeris Ephemeris::copyForDate(const EphemerisDate& date) const {
    Ephemeris copy(date, myLatitude, myLongitude, WithoutPositions{});
    copy.myPositionSource = myPositionSource;
    copy.setDate(date);
    return copy;
}

Ephemeris Ephemeris::bareCopyForDate(const EphemerisDate& date) const {
    Ephemeris copy(date, myLatitude, myLongitude, WithoutPositions{});
    copy.myPositionSource = myPositionSource;
    return copy;
}

Ephemeris Ephemeris::copyForTomorrow() const {
    return copyForDate(myDate.tomorrow());
}

Ephemeris Ephemeris::copyForYesterday() const {
    return copyForDate(myDate.yesterday());
}

Ephemeris Ephemeris::copyForTomorrowAtBestKnownPosition() const {
    Ephemeris nextDay = ephemerisForDate(myDate.tomorrow());
    if (myPositionSource != nullptr) {
        nextDay.setPositionSource(myPositionSource);
    }
    return nextDay;
}

double Ephemeris::julianCenturies() const {
    return (myJulianDate - kJ2000) / kDaysPerJulianCentury;
}

// ---- Sidereal time and hour angles ----------------------------------------------------------

double Ephemeris::greenwichMeanSiderealTime() const {
    return myDate.greenwichMeanSiderealTime();
}

double Ephemeris::apparentSiderealTimeFor(double siderealTimeDegrees) const {
    double epsilon = 0.0;
    double deltaPsi = 0.0;
    calcEpsilon(epsilon, deltaPsi);
    return mod360(siderealTimeDegrees + deltaPsi * cosd(epsilon));
}

double Ephemeris::localSiderealTimeFor(double siderealTimeDegrees) const {
    return mod360(siderealTimeDegrees + myLongitude);
}

double Ephemeris::greenwichApparentSiderealTime() const {
    if (!myGreenwichApparentSiderealTimeValid) {
        myGreenwichApparentSiderealTime = apparentSiderealTimeFor(greenwichMeanSiderealTime());
        myGreenwichApparentSiderealTimeValid = true;
    }
    return myGreenwichApparentSiderealTime;
}

double Ephemeris::localMeanSiderealTime() const {
    if (!myLocalMeanSiderealTimeValid) {
        myLocalMeanSiderealTime = localSiderealTimeFor(greenwichMeanSiderealTime());
        myLocalMeanSiderealTimeValid = true;
    }
    return myLocalMeanSiderealTime;
}

double Ephemeris::localApparentSiderealTime() const {
    if (!myLocalApparentSiderealTimeValid) {
        myLocalApparentSiderealTime =
            apparentSiderealTimeFor(localSiderealTimeFor(greenwichMeanSiderealTime()));
        myLocalApparentSiderealTimeValid = true;
    }
    return myLocalApparentSiderealTime;
}

double Ephemeris::lha(const Coordinate& coordinate) const {
    return mod360(greenwichApparentSiderealTime() - coordinate.rightAscension + myLongitude);
}

double Ephemeris::gha(const Coordinate& coordinate) const {
    return mod360(greenwichApparentSiderealTime() - coordinate.rightAscension);
}

double Ephemeris::equationOfTime() const {
    const double day = myDate.dayOfYear();
    const double b = (day - 2.0) * 0.985653;
    const double c = b + 1.915169 * sind(b);
    double a = mod360((day - 80.0) * 0.985653);
    if (a >= 270.0) {
        a -= 360.0;
    }
    if (a >= 90.0) {
        a -= 180.0;
    }
    const double r = a - std::atan(0.917408 * tand(a)) * 180.0 / 3.141592653589793;
    const double minutesOfTime = (r + (b - c)) * 3.98892;
    return minutesOfTime / 60.0 * 15.0;
}

// ---- Nutation and obliquity -----------------------------------------------------------------

void Ephemeris::calcEpsilon(double& epsilonDegrees, double& deltaPsiDegrees) const {
    const double t = julianCenturies();
    const double node = mod360(125.04452 + t * (-1934.136261 + t * 0.0020708));
    const double elongation = meanElongationOfTheMoon();
    const double sunAnomaly = meanAnomalyOfTheSun();
    const double moonAnomaly = meanAnomalyOfTheMoon();
    const double argumentOfLatitude =
        mod360(93.27191 + t * (483202.017538 + t * (-0.0036825 + t / 327270.0)));

    double deltaPsi = 0.0;  // units of 0.0001 arcsecond
    for (std::size_t row = 0; row < kModelNutationTerms; ++row) {
        const CAANutationTerm& term = g_NutationCoefficients[row];
        const double argument = term.D * elongation + term.M * sunAnomaly +
                                term.MPrime * moonAnomaly + term.F * argumentOfLatitude +
                                term.Omega * node;
        deltaPsi += (term.SinConst + term.SinPerT * t) * sind(argument);
    }
    deltaPsiDegrees = deltaPsi * 0.0001 / 3600.0;
    epsilonDegrees = (84381.448 + t * (-46.815 + t * (-0.00059 + t * 0.001813))) / 3600.0;
}

// ---- Frame conversions ----------------------------------------------------------------------

void Ephemeris::calcGeocentric(Coordinate& coordinate) const {
    double epsilon = 0.0;
    double deltaPsi = 0.0;
    calcEpsilon(epsilon, deltaPsi);
    const double lambda = mod360(coordinate.longitude + deltaPsi);
    coordinate.longitude = lambda;
    turnOntoEquator(lambda, coordinate.latitude, epsilon, coordinate);
    coordinate.declination = mod360(coordinate.declination);
}

void Ephemeris::calcHorizontal(Coordinate& coordinate) const {
    const double hourAngle = lha(coordinate);
    const double delta = coordinate.declination;
    const double phi = myLatitude;
    coordinate.azimuth =
        mod360(atan2d(sind(hourAngle), cosd(hourAngle) * sind(phi) - tand(delta) * cosd(phi)));
    coordinate.altitude =
        asind(sind(phi) * sind(delta) + cosd(phi) * cosd(delta) * cosd(hourAngle));
}

void Ephemeris::calcEcliptic(Coordinate& coordinate) const {
    double epsilon = 0.0;
    double deltaPsi = 0.0;
    if (myPositionSource != nullptr) {
        epsilon = myPositionSource->trueObliquity(myJulianDate);
    } else {
        calcEpsilon(epsilon, deltaPsi);
    }
    const double alpha = coordinate.rightAscension;
    const double delta = coordinate.declination;
    coordinate.longitude =
        mod360(atan2d(sind(alpha) * cosd(epsilon) + tand(delta) * sind(epsilon), cosd(alpha)));
    coordinate.latitude =
        asind(sind(delta) * cosd(epsilon) - cosd(delta) * sind(epsilon) * sind(alpha));
}

void Ephemeris::calcGeocentricFromEcliptic(Coordinate& coordinate) const {
    if (myPositionSource == nullptr) {
        calcGeocentric(coordinate);
        return;
    }
    turnOntoEquator(coordinate.longitude, coordinate.latitude,
                    myPositionSource->trueObliquity(myJulianDate), coordinate);
}

void Ephemeris::calcGeocentricFromAltAz(Coordinate& coordinate) const {
    const double altitude = coordinate.altitude;
    const double azimuth = coordinate.azimuth;
    const double phi = myLatitude;
    coordinate.declination =
        asind(sind(phi) * sind(altitude) - cosd(phi) * cosd(altitude) * cosd(azimuth));
    const double hourAngle =
        atan2d(sind(azimuth), cosd(azimuth) * sind(phi) + tand(altitude) * cosd(phi));
    coordinate.rightAscension = mod360(greenwichApparentSiderealTime() - hourAngle + myLongitude);
}

void Ephemeris::correctPosition(Coordinate& coordinate, double heightMetres) const {
    const double phi = myLatitude;
    // Geocentric latitude of the observer on the reference ellipsoid (axis ratio 0.99664719).
    const double u = std::atan(0.9933056213348961 * tand(phi)) * kRadiansToDegrees;
    const double heightRatio = heightMetres / 6378140.0;
    const double rhoSin = 0.99664719 * sind(u) + heightRatio * sind(phi);
    const double rhoCos = cosd(u) + heightRatio * cosd(phi);

    const double parallax = horizontalParallax(moonDistance());
    coordinate.parallax = parallax;

    const double hourAngle =
        greenwichApparentSiderealTime() + myLongitude - coordinate.rightAscension;
    const double delta = coordinate.declination;
    const double deltaAlpha = std::atan(-rhoCos * sind(parallax) * sind(hourAngle) /
                                        (cosd(delta) - rhoCos * sind(parallax) * cosd(hourAngle))) *
                              kRadiansToDegrees;
    coordinate.rightAscension = coordinate.rightAscension + deltaAlpha;
    coordinate.declination = std::atan((sind(delta) - rhoSin * sind(parallax)) * cosd(deltaAlpha) /
                                       (cosd(delta) - rhoCos * sind(parallax) * cosd(hourAngle))) *
                             kRadiansToDegrees;
}

double Ephemeris::horizontalParallax(double distanceKilometres) {
    // 8.794 arcseconds, the Sun's parallax at 1 AU.
    return asind(sind(0.002442777777777778) / (distanceKilometres / kKilometresPerAU));
}

}  // namespace quenaro
