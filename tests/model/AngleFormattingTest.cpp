// Angle texts: exact strings, since every integer shown is truncated and the arithmetic runs in
// a fixed order.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "model/Ephemeris.h"

namespace quenaro {
namespace {

using Formatter = std::string (*)(double);

struct FormattingRow {
    const char* name;
    double degrees;
    Formatter format;
    const char* expected;
};

class AngleFormattingTable : public testing::TestWithParam<FormattingRow> {};

TEST_P(AngleFormattingTable, GivesExactText) {
    const FormattingRow& row = GetParam();
    EXPECT_EQ(row.format(row.degrees), row.expected) << "input " << row.degrees;
}

std::string rowName(const testing::TestParamInfo<FormattingRow>& info) {
    return info.param.name;
}

// The published examples: 123.456 and -123.456 through all ten operations.
INSTANTIATE_TEST_SUITE_P(
    Examples, AngleFormattingTable,
    testing::Values(
        FormattingRow{"DM", 123.456, &Ephemeris::degreesToDM, "123° 27'"},
        FormattingRow{"DMNegative", -123.456, &Ephemeris::degreesToDM, "236° 32'"},
        FormattingRow{"DMS", 123.456, &Ephemeris::degreesToDMS, "123° 27' 21\""},
        FormattingRow{"DMSNegative", -123.456, &Ephemeris::degreesToDMS, "236° 32' 38\""},
        FormattingRow{"SignedDM", 123.456, &Ephemeris::degreesToSignedDM, "+123° 27'"},
        FormattingRow{"SignedDMNegative", -123.456, &Ephemeris::degreesToSignedDM, "-123° 27'"},
        FormattingRow{"SignedDMS", 123.456, &Ephemeris::degreesToSignedDMS, "+123° 27' 21\""},
        FormattingRow{"SignedDMSNegative", -123.456, &Ephemeris::degreesToSignedDMS,
                      "-123° 27' 21\""},
        FormattingRow{"HM", 123.456, &Ephemeris::degreesToHM, "8h 13m"},
        FormattingRow{"HMNegative", -123.456, &Ephemeris::degreesToHM, "-8h 13m"},
        FormattingRow{"HMS", 123.456, &Ephemeris::degreesToHMS, "8h 13m 49s"},
        FormattingRow{"HMSNegative", -123.456, &Ephemeris::degreesToHMS, "-8h 13m 49s"},
        FormattingRow{"LongitudeDM", 123.456, &Ephemeris::degreesToLongitudeDM, "123°E 27'"},
        FormattingRow{"LongitudeDMNegative", -123.456, &Ephemeris::degreesToLongitudeDM,
                      "123°W 27'"},
        FormattingRow{"LongitudeDMS", 123.456, &Ephemeris::degreesToLongitudeDMS, "123°E 27' 21\""},
        FormattingRow{"LongitudeDMSNegative", -123.456, &Ephemeris::degreesToLongitudeDMS,
                      "123°W 27' 21\""},
        FormattingRow{"LatitudeDM", 123.456, &Ephemeris::degreesToLatitudeDM, "123°N 27'"},
        FormattingRow{"LatitudeDMNegative", -123.456, &Ephemeris::degreesToLatitudeDM, "123°S 27'"},
        FormattingRow{"LatitudeDMS", 123.456, &Ephemeris::degreesToLatitudeDMS, "123°N 27' 21\""},
        FormattingRow{"LatitudeDMSNegative", -123.456, &Ephemeris::degreesToLatitudeDMS,
                      "123°S 27' 21\""}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, AngleFormattingTable,
    testing::Values(
        FormattingRow{"NoCarryIntoMinutes", 12.9999999, &Ephemeris::degreesToDMS, "12° 59' 59\""},
        FormattingRow{"NoCarryIntoDegrees", 12.9999999, &Ephemeris::degreesToDM, "12° 59'"},
        FormattingRow{"NoCarryTo360", 359.99999, &Ephemeris::degreesToDMS, "359° 59' 59\""},
        FormattingRow{"MinutesJustUnderTwo", 45.5, &Ephemeris::degreesToHMS, "3h 1m 59s"},
        FormattingRow{"MinutesJustUnderTwoHM", 45.5, &Ephemeris::degreesToHM, "3h 1m"},
        FormattingRow{"MinutesJustUnderTwoAt90", 90.5, &Ephemeris::degreesToHMS, "6h 1m 59s"},
        FormattingRow{"HoursNotWrapped", 400.0, &Ephemeris::degreesToHM, "26h 40m"},
        FormattingRow{"NegativeWrapsUp", -123.456, &Ephemeris::degreesToDMS, "236° 32' 38\""},
        FormattingRow{"NegativeWrapsUpDM", -90.5, &Ephemeris::degreesToDM, "269° 30'"},
        FormattingRow{"FoldGivesSignBack", -90.5, &Ephemeris::degreesToSignedDM, "-90° 30'"},
        FormattingRow{"NegativeMultipleOf360", -360.0, &Ephemeris::degreesToDM, "360° 0'"},
        FormattingRow{"NegativeMultipleOf360Folded", -360.0, &Ephemeris::degreesToSignedDM,
                      "-0° 0'"},
        FormattingRow{"PositiveMultipleOf360", 360.0, &Ephemeris::degreesToDM, "0° 0'"},
        FormattingRow{"Above720", 720.5, &Ephemeris::degreesToDM, "0° 30'"},
        FormattingRow{"Fold180StaysPositive", 180.0, &Ephemeris::degreesToSignedDM, "+180° 0'"},
        FormattingRow{"FoldMinus180Positive", -180.0, &Ephemeris::degreesToSignedDM, "+180° 0'"},
        FormattingRow{"Longitude180East", 180.0, &Ephemeris::degreesToLongitudeDM, "180°E 0'"},
        FormattingRow{"Fold200", 200.0, &Ephemeris::degreesToSignedDM, "-160° 0'"},
        FormattingRow{"Longitude200West", 200.0, &Ephemeris::degreesToLongitudeDM, "160°W 0'"},
        FormattingRow{"TinyNegativeKeepsSign", 359.99999, &Ephemeris::degreesToSignedDM, "-0° 0'"},
        FormattingRow{"TinyNegativeLongitudeWest", 359.99999, &Ephemeris::degreesToLongitudeDM,
                      "0°W 0'"},
        FormattingRow{"ZeroPositive", 0.0, &Ephemeris::degreesToSignedDM, "+0° 0'"},
        FormattingRow{"NegativeZeroPositive", -0.0, &Ephemeris::degreesToSignedDM, "+0° 0'"},
        FormattingRow{"ZeroHoursUnsigned", 0.0, &Ephemeris::degreesToHM, "0h 0m"},
        FormattingRow{"NegativeZeroHoursUnsigned", -0.0, &Ephemeris::degreesToHM, "0h 0m"},
        FormattingRow{"HourSignFollowsInput", -0.00001, &Ephemeris::degreesToHM, "-0h 0m"},
        FormattingRow{"ZeroLatitudeNorth", 0.0, &Ephemeris::degreesToLatitudeDM, "0°N 0'"},
        FormattingRow{"LatitudeNotLimitedTo90", 100.0, &Ephemeris::degreesToLatitudeDM, "100°N 0'"},
        FormattingRow{"LatitudeFoldedLikeLongitude", 200.0, &Ephemeris::degreesToLatitudeDM,
                      "160°S 0'"},
        // mod360 rounds -1e-14 up to exactly 360, which must read as 0 east, not 360.
        FormattingRow{"LongitudeReducedTo360", -1e-14, &Ephemeris::degreesToLongitudeDM, "0°E 0'"}),
    rowName);

// Huge finite angles: degree texts wrap them exactly (1e20 is 280 mod 360); hour texts are not
// wrapped, so they show the largest whole hours an int holds and the placeholder beyond.
INSTANTIATE_TEST_SUITE_P(
    HugeInputs, AngleFormattingTable,
    testing::Values(
        FormattingRow{"DegreesWrapExactly", 1e20, &Ephemeris::degreesToDM, "280° 0'"},
        FormattingRow{"SignedWrapsExactly", 1e20, &Ephemeris::degreesToSignedDM, "-80° 0'"},
        FormattingRow{"LargestHours", 15.0 * 2147483647.0, &Ephemeris::degreesToHM,
                      "2147483647h 0m"},
        FormattingRow{"LargestNegativeHours", -15.0 * 2147483647.0, &Ephemeris::degreesToHMS,
                      "-2147483647h 0m 0s"},
        FormattingRow{"HoursBeyondInt", 15.0 * 2147483648.0, &Ephemeris::degreesToHM, "—"},
        FormattingRow{"NegativeHoursBeyondInt", -15.0 * 2147483648.0, &Ephemeris::degreesToHMS,
                      "—"},
        FormattingRow{"HoursOf1e300", 1e300, &Ephemeris::degreesToHM, "—"}),
    rowName);

TEST(AngleFormatting, NonFiniteInputGivesPlaceholderInEveryOperation) {
    const Formatter formatters[] = {
        &Ephemeris::degreesToDM,          &Ephemeris::degreesToDMS,
        &Ephemeris::degreesToSignedDM,    &Ephemeris::degreesToSignedDMS,
        &Ephemeris::degreesToHM,          &Ephemeris::degreesToHMS,
        &Ephemeris::degreesToLongitudeDM, &Ephemeris::degreesToLongitudeDMS,
        &Ephemeris::degreesToLatitudeDM,  &Ephemeris::degreesToLatitudeDMS};
    const double nonFinite[] = {
        std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    for (const Formatter format : formatters) {
        for (const double degrees : nonFinite) {
            EXPECT_EQ(format(degrees), kNoAngleText) << "input " << degrees;
        }
    }
}

}  // namespace
}  // namespace quenaro
