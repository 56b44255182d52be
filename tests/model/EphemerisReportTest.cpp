// The diagnostic report: 35 lines in a fixed order, and a clean stop when an event of the day
// cannot be calculated.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ModelTestSupport.h"
#include "support/CapturedLog.h"

namespace quenaro {
namespace {

using testing::CapturedLog;

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

TEST(EphemerisReport, ThirtyFiveLinesForFortyFiveNorthNinetyWest) {
    Ephemeris model = testing::modelAt(2026, 12, 7, 21, 8, "America/Chicago", 45.0, -90.0);
    CapturedLog log;
    model.debugreport();
    ASSERT_EQ(log.lines.size(), 35U);
    EXPECT_EQ(log.lines[0], "--------------");
    EXPECT_EQ(log.lines[1], " Latitude: 45 N = 45° 0' 0\" N");
    EXPECT_EQ(log.lines[2], " Longitude: 90 W = 90° 0' 0\" W");
    EXPECT_EQ(log.lines[3], "Day/Time: 2026-12-08 03:08:00 +0000");
    EXPECT_EQ(log.lines[4], "Julian Date: 2461382.63056");
    const char* prefixes[] = {"Local MST: ",     "Local AST: ",        "Greenwich MST: ",
                              "Greenwich AST: ", "Equation of time: ", "SUN:",
                              "\tRA = ",         "\tEcl. Long = ",     "\tDeclination ",
                              "\tLHA = ",        "\tGHA = ",           "\tDistance ",
                              "\tAltitude ",     "\tAzimuth ",         "\tSunrise ",
                              "\tTransit ",      "\tSunset ",          "MOON:",
                              "\tAge = ",        "\tFull in = ",       "\tRA = ",
                              "\tEcl. Long = ",  "\tDeclination ",     "\tDistance ",
                              "\tAltitude ",     "\tAzimuth ",         "\tMoon rise ",
                              "\tTransit ",      "\tMoon set ",        "\tElongation from Sun "};
    for (std::size_t index = 0; index < std::size(prefixes); ++index) {
        EXPECT_TRUE(startsWith(log.lines[index + 5], prefixes[index]))
            << "line " << index + 6 << ": " << log.lines[index + 5];
    }
    EXPECT_NE(log.lines[16].find(" AU, diameter "), std::string::npos);
    EXPECT_NE(log.lines[19].find(" === "), std::string::npos);
    EXPECT_NE(log.lines[28].find(" KM, diameter "), std::string::npos);
    EXPECT_NE(log.lines[34].find(", phase "), std::string::npos);
}

TEST(EphemerisReport, ZeroLatitudeAndLongitudeTakeTheSouthernAndWesternForms) {
    Ephemeris model = testing::modelAt(2026, 3, 20, 12, 0, "UTC", 0.0, 0.0);
    CapturedLog log;
    model.debugreport();
    ASSERT_GE(log.lines.size(), 3U);
    EXPECT_EQ(log.lines[1], " Latitude: -0 S = 0° 0' 0\" S");
    EXPECT_EQ(log.lines[2], " Longitude: -0 W = 0° 0' 0\" W");
}

TEST(EphemerisReport, StopsAtTheFirstEventThatCannotBeCalculated) {
    Ephemeris model = testing::modelAt(2026, 6, 21, 12, 0, "Europe/Oslo", 69.65, 18.96);
    CapturedLog log;
    EXPECT_THROW(model.debugreport(), std::invalid_argument);
    ASSERT_EQ(log.lines.size(), 19U);  // everything before the sunrise line
    EXPECT_TRUE(startsWith(log.lines.back(), "\tAzimuth "));
}

}  // namespace
}  // namespace quenaro
