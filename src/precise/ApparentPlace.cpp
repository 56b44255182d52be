#include "precise/ApparentPlace.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "precise/ElpMpp02Moon.h"
#include "precise/Vsop87bPosition.h"
#include "precise/tables/Vsop87bTerms.h"

namespace quenaro {

namespace {

using Vector = std::array<double, 3>;

constexpr double kilometresPerAu = ERFA_DAU / 1000.0;
constexpr double mjdZero = 2400000.5;

/// From the VSOP87 frame (dynamical ecliptic and equinox of J2000) to the FK5 equator of J2000.
Vector toEquator(const Vector& v) {
    return {v[0] + 0.000000440360 * v[1] - 0.000000190919 * v[2],
            -0.000000479966 * v[0] + 0.917482137087 * v[1] - 0.397776982902 * v[2],
            0.397776982902 * v[1] + 0.917482137087 * v[2]};
}

/// The body's heliocentric position on the equator of J2000, AU.
Vector heliocentric(const Vsop87bSeries& series, double julianEphemerisDate) {
    return toEquator(vsop87bPosition(series, julianEphemerisDate).rectangular());
}

/// A motion on the VSOP87 frame turned to the equator of J2000, scaled by `factor`.
Motion toEquator(const Motion& motion, double factor) {
    Motion turned{toEquator(motion.position), toEquator(motion.velocity)};
    for (std::size_t i = 0; i < 3; ++i) {
        turned.position[i] *= factor;
        turned.velocity[i] *= factor;
    }
    return turned;
}

const Vsop87bSeries& planetSeries(PreciseBody body) {
    switch (body) {
        case PreciseBody::Mercury:
            return g_Vsop87bMercury;
        case PreciseBody::Venus:
            return g_Vsop87bVenus;
        case PreciseBody::Mars:
            return g_Vsop87bMars;
        case PreciseBody::Jupiter:
            return g_Vsop87bJupiter;
        default:
            return g_Vsop87bSaturn;
    }
}

Vector difference(const Vector& a, const Vector& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

double length(const Vector& v) {
    return std::hypot(v[0], v[1], v[2]);
}

Vector unit(const Vector& v) {
    const double size = length(v);
    return {v[0] / size, v[1] / size, v[2] / size};
}

/// The light time in days over a distance in AU.
double lightDays(double distanceAu) {
    return distanceAu * ERFA_AULT / ERFA_DAYSEC;
}

}  // namespace

ApparentPlace apparentPlace(PreciseBody body, double julianEphemerisDate) {
    if (!std::isfinite(julianEphemerisDate)) {
        return {NAN, NAN, NAN, NAN, NAN, NAN};
    }
    const double mjd = julianEphemerisDate - mjdZero;
    const Motion earthMotion = toEquator(vsop87bMotion(g_Vsop87bEarth, julianEphemerisDate), 1.0);
    const Vector& earth = earthMotion.position;
    // The Earth's velocity in units of c: its heliocentric one, which differs from the
    // barycentric by the Sun's 15 m/s at most (0.01 arcsecond of aberration).
    double velocity[3];
    for (std::size_t i = 0; i < 3; ++i) {
        velocity[i] = earthMotion.velocity[i] * ERFA_AULT / ERFA_DAYSEC;
    }

    // The astrometric place: where the body was when the light left it, seen from where the
    // Earth is; the Sun (and the barycentre, 0.01 arcsecond at most here) taken as fixed over
    // the light time.
    Vector geometric{};
    Vector astrometric{};
    Vector planet{};  // a planet's heliocentric position when the light left it
    if (body == PreciseBody::Sun) {
        geometric = {-earth[0], -earth[1], -earth[2]};
        astrometric = geometric;
    } else if (body == PreciseBody::Moon) {
        const Motion moon = toEquator(elpMpp02Moon(julianEphemerisDate), 1.0 / kilometresPerAu);
        geometric = moon.position;
        // The Moon where it was when the light left it (1.3 s earlier: a straight step back
        // along its velocity), and the Earth's own move over that time undone.
        const double tau = lightDays(length(geometric));
        for (std::size_t i = 0; i < 3; ++i) {
            astrometric[i] = moon.position[i] - (moon.velocity[i] + earthMotion.velocity[i]) * tau;
        }
    } else {
        const Vsop87bSeries& series = planetSeries(body);
        geometric = difference(heliocentric(series, julianEphemerisDate), earth);
        // The planet at the light time of its geometric distance: the planet's distance
        // changes by under 20,000 km in that time, 0.07 s of light, in which it moves under
        // 3 km, 0.01 arcsecond at its least distance.
        planet = heliocentric(series, julianEphemerisDate - lightDays(length(geometric)));
        astrometric = difference(planet, earth);
    }

    const double lightTime = lightDays(length(astrometric));

    // The Sun's deflection of a planet's light, then the annual aberration.
    double direction[3];
    const Vector towards = unit(astrometric);
    std::copy(towards.begin(), towards.end(), direction);
    const double sunDistance = length(earth);
    double sunToEarth[3] = {earth[0] / sunDistance, earth[1] / sunDistance, earth[2] / sunDistance};
    if (body != PreciseBody::Sun && body != PreciseBody::Moon) {
        const Vector sunToBody = unit(planet);
        double q[3] = {sunToBody[0], sunToBody[1], sunToBody[2]};
        double deflected[3];
        eraLd(1.0, direction, q, sunToEarth, sunDistance, 1e-9, deflected);
        std::copy(deflected, deflected + 3, direction);
    }
    double aberrated[3];
    eraAb(direction, velocity, sunDistance, std::sqrt(1.0 - eraPm(velocity) * eraPm(velocity)),
          aberrated);

    // Precession and nutation to the true equator and equinox of date.
    double nutationInLongitude = 0.0;
    double nutationInObliquity = 0.0;
    eraNut00b(mjdZero, mjd, &nutationInLongitude, &nutationInObliquity);
    double meanObliquity = 0.0;
    double rb[3][3];
    double rp[3][3];
    double rbp[3][3];
    double rn[3][3];
    double rbpn[3][3];
    eraPn06(mjdZero, mjd, nutationInLongitude, nutationInObliquity, &meanObliquity, rb, rp, rbp, rn,
            rbpn);
    double ofDate[3];
    eraRxp(rbpn, aberrated, ofDate);
    double rightAscension = 0.0;
    double declination = 0.0;
    eraC2s(ofDate, &rightAscension, &declination);

    // The true ecliptic of date: the equator turned about the equinox by the true obliquity.
    double ecliptic[3];
    double toEcliptic[3][3];
    eraIr(toEcliptic);
    eraRx(meanObliquity + nutationInObliquity, toEcliptic);
    eraRxp(toEcliptic, ofDate, ecliptic);
    double longitude = 0.0;
    double latitude = 0.0;
    eraC2s(ecliptic, &longitude, &latitude);

    return {eraAnp(rightAscension) * ERFA_DR2D,  declination * ERFA_DR2D,
            eraAnp(longitude) * ERFA_DR2D,       latitude * ERFA_DR2D,
            length(geometric) * kilometresPerAu, lightTime};
}

double trueObliquity(double julianEphemerisDate) {
    double nutationInLongitude = 0.0;
    double nutationInObliquity = 0.0;
    const double mjd = julianEphemerisDate - mjdZero;
    eraNut00b(mjdZero, mjd, &nutationInLongitude, &nutationInObliquity);
    return (eraObl06(mjdZero, mjd) + nutationInObliquity) * ERFA_DR2D;
}

}  // namespace quenaro
