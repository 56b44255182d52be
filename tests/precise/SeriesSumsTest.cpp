#include <erfa.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>

#include "precise/ElpMpp02Moon.h"
#include "precise/Vsop87bPosition.h"
#include "precise/tables/Vsop87bTerms.h"
#include "tablegen/TsvTable.h"

namespace quenaro {
namespace {

constexpr double arcsecondsPerRadian = 648000.0 / std::numbers::pi;
constexpr double degreesPerRadian = 180.0 / std::numbers::pi;

using Vector = std::array<double, 3>;

/// The VSOP87 frame (ecliptic and equinox of J2000) to the FK5 equator of J2000.
Vector toEquator(const Vector& v) {
    return {v[0] + 0.000000440360 * v[1] - 0.000000190919 * v[2],
            -0.000000479966 * v[0] + 0.917482137087 * v[1] - 0.397776982902 * v[2],
            0.397776982902 * v[1] + 0.917482137087 * v[2]};
}

/// Longitude (degrees, [0, 360)), latitude (degrees) and length on ERFA's IAU 2006 mean
/// ecliptic and equinox of date, of a vector on the equator of J2000.
Vector eclipticOfDate(const Vector& equatorial, double julianDate) {
    double rotation[3][3];
    eraEcm06(2400000.5, julianDate - 2400000.5, rotation);
    double v[3] = {equatorial[0], equatorial[1], equatorial[2]};
    double ecliptic[3];
    eraRxp(rotation, v, ecliptic);
    double longitude = 0;
    double latitude = 0;
    double length = 0;
    eraP2s(ecliptic, &longitude, &latitude, &length);
    return {eraAnp(longitude) * degreesPerRadian, latitude * degreesPerRadian, length};
}

/// The angle between two vectors in arcseconds.
double separation(const Vector& a, const Vector& b) {
    double u[3] = {a[0], a[1], a[2]};
    double v[3] = {b[0], b[1], b[2]};
    return eraSepp(u, v) * arcsecondsPerRadian;
}

TEST(SeriesSums, EarthAtJ2000AgreesWithTheCompleteSeriesCheck) {
    // The check values of the complete VSOP87B; the cut leaves out terms of under 3e-8.
    const HeliocentricPosition earth = vsop87bPosition(g_Vsop87bEarth, 2451545.0);
    EXPECT_NEAR(earth.longitude, 1.7519238637, 1e-7);
    EXPECT_NEAR(earth.latitude, -0.0000039656, 1e-7);
    EXPECT_NEAR(earth.radius, 0.9833276823, 1e-7);
}

TEST(SeriesSums, EarthAgreesWithErfasOwnEarthModel) {
    // ERFA's eraEpv00 (a fit to DE405, within a few milliarcseconds) on the ICRS axes; the FK5
    // equator of the VSOP87 matrix differs from these by about 0.02 arcsecond.
    for (const double julianDate : {2436934.5, 2444239.5, 2451545.0, 2461041.5, 2473000.5}) {
        double heliocentric[2][3];
        double barycentric[2][3];
        eraEpv00(julianDate, 0.0, heliocentric, barycentric);
        const Vector erfa{heliocentric[0][0], heliocentric[0][1], heliocentric[0][2]};
        const Vector earth = toEquator(vsop87bPosition(g_Vsop87bEarth, julianDate).rectangular());
        EXPECT_LT(separation(earth, erfa), 0.1) << julianDate;
        EXPECT_NEAR(std::hypot(earth[0], earth[1], earth[2]), std::hypot(erfa[0], erfa[1], erfa[2]),
                    3e-7)
            << julianDate;
    }
}

TEST(SeriesSums, EarthAndMoonAgreeWithTheAbridgedSeriesWorkedExamples) {
    // The worked examples come from the abridged series (VSOP87D of date, 60 terms of
    // ELP-2000/82), whose own errors are about a second of arc for the Earth and up to 10
    // arcseconds for the Moon: the tolerances are theirs. Both complete theories are brought
    // to the mean ecliptic of date by ERFA's IAU 2006 precession.
    const double earthDate = 2448908.5;
    const Vector earth = eclipticOfDate(
        toEquator(vsop87bPosition(g_Vsop87bEarth, earthDate).rectangular()), earthDate);
    EXPECT_NEAR(earth[0], 19.907372, 1.0 / 3600);
    EXPECT_NEAR(earth[1] * 3600, -0.644, 0.2);
    EXPECT_NEAR(earth[2], 0.99760775, 2e-6);

    const double moonDate = 2448724.5;
    const Vector moon = eclipticOfDate(toEquator(elpMpp02Moon(moonDate).position), moonDate);
    double nutationInLongitude = 0;
    double nutationInObliquity = 0;
    eraNut00b(2400000.5, moonDate - 2400000.5, &nutationInLongitude, &nutationInObliquity);
    EXPECT_NEAR(moon[0] + nutationInLongitude * degreesPerRadian, 133.167264, 10.0 / 3600);
    EXPECT_NEAR(moon[1], -3.229126, 4.0 / 3600);
    EXPECT_NEAR(moon[2], 368409.7, 10.0);
}

TEST(SeriesSums, CutSeriesPlaceTheSunAndPlanetsAsTheCompleteOnesDoSeenFromTheEarth) {
    const std::filesystem::path data =
        std::filesystem::path(QUENARO_SHARED_DATA_DIR) / "precise/vsop87b.tsv";
    if (!std::filesystem::exists(data)) {
        GTEST_SKIP() << "shared data folder absent: " << data;
    }
    const tablegen::TsvTable table = tablegen::readTsvTable(data, 6);
    const std::array<std::pair<const char*, const Vsop87bSeries*>, 5> bodies{
        {{"mercury", &g_Vsop87bMercury},
         {"venus", &g_Vsop87bVenus},
         {"mars", &g_Vsop87bMars},
         {"jupiter", &g_Vsop87bJupiter},
         {"saturn", &g_Vsop87bSaturn}}};
    /// The body's complete series, L, B, R summed over every term of the data.
    const auto completeSeries = [&table](const std::string& name, double julianDate) {
        const double tau = (julianDate - 2451545.0) / 365250.0;
        std::array<double, 3> sums{};
        for (std::size_t row = 1; row < table.rows.size(); ++row) {
            if (table.rows[row][0] == name) {
                const std::size_t coordinate = std::string("LBR").find(table.rows[row][1]);
                sums[coordinate] += tablegen::doubleField(table, row, 3) *
                                    std::pow(tau, tablegen::integerField(table, row, 2)) *
                                    std::cos(tablegen::doubleField(table, row, 4) +
                                             tablegen::doubleField(table, row, 5) * tau);
            }
        }
        return HeliocentricPosition{sums[0], sums[1], sums[2]};
    };
    const auto difference = [](const Vector& a, const Vector& b) {
        return Vector{a[0] - b[0], a[1] - b[1], a[2] - b[2]};
    };
    for (const double julianDate : {2415020.5, 2436934.5, 2451545.0, 2461041.5, 2488069.5}) {
        const Vector earthCut = vsop87bPosition(g_Vsop87bEarth, julianDate).rectangular();
        const Vector earthComplete = completeSeries("earth", julianDate).rectangular();
        // The Sun seen from the Earth.
        EXPECT_LT(separation(earthCut, earthComplete), 0.1) << julianDate;
        for (const auto& [name, series] : bodies) {
            const Vector cut =
                difference(vsop87bPosition(*series, julianDate).rectangular(), earthCut);
            const Vector complete =
                difference(completeSeries(name, julianDate).rectangular(), earthComplete);
            // Measured: at most 0.08 arcsecond (Mars in 2000).
            EXPECT_LT(separation(cut, complete), 0.15) << name << " " << julianDate;
        }
    }
}

TEST(SeriesSums, NonFiniteDateGivesNaN) {
    EXPECT_TRUE(std::isnan(vsop87bPosition(g_Vsop87bMars, NAN).longitude));
    EXPECT_TRUE(std::isnan(elpMpp02Moon(INFINITY).position[0]));
}

}  // namespace
}  // namespace quenaro
