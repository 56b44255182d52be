// The model's own Sun and Moon against reference values computed independently of its code:
// sun_moon_reference.py beside this file writes the same algorithm again (the Sun's short
// theory, the Moon's principal ELP-2000/82 terms, the 31-term nutation and mean obliquity)
// in Python from its description and the shared data tables, and printed the rows below
// (python3 tests/model/sun_moon_reference.py ../shared/data). Dates span the years -3000 to
// 8000, both calendars and the calendar change. The tolerances are far below what a real
// fault gives: an error of 30 arcseconds (0.0083 degrees) in the Sun's longitude, one Moon
// term wrong by 10 arcseconds, or 1000 km on the Moon's distance.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ModelTestSupport.h"

namespace quenaro {
namespace {

struct Moment {
    int year;
    unsigned month, day, hour, minute;  // Universal Time
};

struct Reference {
    Moment moment;
    double julianDate;
    int body;  // Ephemeris::Sun or Ephemeris::Moon
    // The record as the model fills it: geocentric ecliptic latitude (the Moon's held in
    // [0, 360)) and longitude with nutation, degrees; distance, km; right ascension and
    // declination, degrees, both in [0, 360).
    double latitude, longitude, radiusKilometres, rightAscension, declination;
};

// clang-format off
const Reference kReferences[] = {
    {{-3000, 3, 1, 0, 0}, 625367.500000000, Ephemeris::Sun, 0.000000000, 316.066178274, 150858186.247711, 318.652708783, 343.590900245},  // Julian calendar
    {{-3000, 3, 1, 0, 0}, 625367.500000000, Ephemeris::Moon, 359.468206226, 177.421643977, 402888.594800, 177.428422993, 0.563683023},  // Julian calendar
    {{-500, 6, 15, 6, 0}, 1538598.750000000, Ephemeris::Sun, 0.000000000, 76.998568137, 152126828.516594, 75.841400996, 23.111462467},  // Julian calendar
    {{-500, 6, 15, 6, 0}, 1538598.750000000, Ephemeris::Moon, 3.873220986, 279.134896412, 359923.396084, 279.678000923, 340.427135386},  // Julian calendar
    {{1000, 1, 1, 0, 0}, 2086307.500000000, Ephemeris::Sun, 0.000000000, 285.766311919, 147186693.329993, 287.120529590, 337.368246131},  // Julian calendar
    {{1000, 1, 1, 0, 0}, 2086307.500000000, Ephemeris::Moon, 1.355142345, 190.994828116, 392984.188124, 190.631561424, 356.872298851},  // Julian calendar
    {{1582, 10, 15, 0, 0}, 2299160.500000000, Ephemeris::Sun, 0.000000000, 201.231181444, 148885296.541865, 199.610780261, 351.699657412},  // the first Gregorian day
    {{1582, 10, 15, 0, 0}, 2299160.500000000, Ephemeris::Moon, 2.386323378, 65.331260511, 364210.193664, 62.933538853, 23.586598825},  // the first Gregorian day
    {{1582, 12, 31, 18, 0}, 2299238.250000000, Ephemeris::Sun, 0.000000000, 279.859953334, 147078752.326477, 280.731298246, 336.873880146},  // late 1582
    {{1582, 12, 31, 18, 0}, 2299238.250000000, Ephemeris::Moon, 5.282539879, 0.313099592, 373518.274807, 358.175889544, 4.968294122},  // late 1582
    {{1900, 1, 1, 0, 0}, 2415020.500000000, Ephemeris::Sun, 0.000000000, 280.152611180, 147092592.804795, 281.045235140, 336.936341827},
    {{1900, 1, 1, 0, 0}, 2415020.500000000, Ephemeris::Moon, 1.108394613, 272.417280722, 368391.554667, 272.612736678, 337.678032535},
    {{1992, 4, 12, 0, 0}, 2448724.500000000, Ephemeris::Sun, 0.000000000, 22.338497886, 149971449.430292, 20.656659379, 8.696031450},  // the worked example of the lunar series
    {{1992, 4, 12, 0, 0}, 2448724.500000000, Ephemeris::Moon, 356.770873164, 133.167270173, 368409.684526, 134.688415724, 13.768123156},  // the worked example of the lunar series
    {{2000, 1, 1, 12, 0}, 2451545.000000000, Ephemeris::Sun, 0.000000000, 280.362889151, 147100848.849904, 281.272006979, 336.965290770},  // T = 0
    {{2000, 1, 1, 12, 0}, 2451545.000000000, Ephemeris::Moon, 5.171279989, 223.314853771, 402444.815513, 222.443477271, 349.101398919},  // T = 0
    {{2026, 12, 7, 20, 8}, 2461382.338888889, Ephemeris::Sun, 0.000000000, 255.728795953, 147376855.260387, 254.504952453, 337.328488160},
    {{2026, 12, 7, 20, 8}, 2461382.338888889, Ephemeris::Moon, 355.040245308, 242.526449269, 402537.804951, 239.381877541, 334.477195847},
    {{2500, 7, 1, 0, 0}, 2634347.500000000, Ephemeris::Sun, 0.000000000, 99.656038600, 152011004.356973, 100.500889233, 23.023888261},
    {{2500, 7, 1, 0, 0}, 2634347.500000000, Ephemeris::Moon, 357.453749323, 133.411317234, 405006.261172, 135.115538769, 14.308321296},
    {{4000, 1, 1, 0, 0}, 3182029.500000000, Ephemeris::Sun, 0.000000000, 279.597417016, 147717057.084431, 280.422721166, 337.159818070},
    {{4000, 1, 1, 0, 0}, 3182029.500000000, Ephemeris::Moon, 5.112526768, 44.737403278, 368901.217152, 40.737656744, 20.971492145},
    {{8000, 12, 31, 0, 0}, 4643364.500000000, Ephemeris::Sun, 0.000000000, 281.140608701, 150163794.209239, 282.055462757, 337.685219686},
    {{8000, 12, 31, 0, 0}, 4643364.500000000, Ephemeris::Moon, 355.802795785, 222.543091600, 385026.675171, 218.926626606, 340.825609601},
};
// clang-format on

constexpr double kAngleTolerance = 1e-6;      // degrees
constexpr double kDistanceTolerance = 0.001;  // km

/// The largest error of one field over the table, and where it occurred.
struct WorstError {
    double error = 0.0;
    double julianDate = 0.0;

    void add(double fieldError, double at) {
        if (!(fieldError <= error)) {  // NaN counts as worst
            error = fieldError;
            julianDate = at;
        }
    }
};

TEST(SunMoonReference, PositionsAgreeWithTheIndependentReference) {
    WorstError latitude, longitude, radius, rightAscension, declination;
    for (const Reference& reference : kReferences) {
        const Moment& m = reference.moment;
        const EphemerisDate date = EphemerisDate::dateWithYear(m.year, m.month, m.day, m.hour,
                                                               m.minute, 0, TimeZone::gmt());
        const Ephemeris model(date, 0.0, 0.0);
        ASSERT_NEAR(model.julianDate(), reference.julianDate, 1e-9) << m.year;
        Coordinate position;
        if (reference.body == Ephemeris::Sun) {
            model.sunCoordinate(position);
        } else {
            model.moonCoordinate(position);
        }
        const double at = reference.julianDate;
        const auto angleError = [](double a, double b) {
            return std::fabs(testing::angleDifference(a, b));
        };
        latitude.add(angleError(position.latitude, reference.latitude), at);
        longitude.add(angleError(position.longitude, reference.longitude), at);
        radius.add(std::fabs(position.radius - reference.radiusKilometres), at);
        rightAscension.add(angleError(position.rightAscension, reference.rightAscension), at);
        declination.add(angleError(position.declination, reference.declination), at);
    }
    const auto expectWithin = [](const char* field, const WorstError& worst, double tolerance) {
        EXPECT_LE(worst.error, tolerance)
            << field << ": worst error " << worst.error << " at JD " << worst.julianDate;
    };
    expectWithin("latitude", latitude, kAngleTolerance);
    expectWithin("longitude", longitude, kAngleTolerance);
    expectWithin("radius", radius, kDistanceTolerance);
    expectWithin("right ascension", rightAscension, kAngleTolerance);
    expectWithin("declination", declination, kAngleTolerance);
}

// The lunar series' worked example at JD 2448724.5 (1992-04-12 0h): longitude 133.167264,
// latitude -3.229126, distance 368409.7 km. The example adds the full nutation in longitude
// (+0.004610); the model's 31 terms give 0.000006 more.
TEST(SunMoonReference, MoonOfTheWorkedExample) {
    Ephemeris model = testing::modelAt(1992, 4, 12, 0, 0, "UTC", 0.0, 0.0);
    const Coordinate moon = model.moonCoordinate();
    EXPECT_NEAR(moon.longitude, 133.167264, 1e-5);
    EXPECT_NEAR(testing::angleDifference(moon.latitude, 0.0), -3.229126, 1e-6);
    EXPECT_NEAR(moon.radius, 368409.7, 0.05);
}

}  // namespace
}  // namespace quenaro
