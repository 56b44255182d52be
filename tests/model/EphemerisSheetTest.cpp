// The almanac sheet: its figures (computed once, absent events left out), its entries in
// drawing order, the exact texts its formats determine, and the date and time texts.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "model/DateText.h"
#include "model/Ephemeris.h"
#include "model/EphemerisFigures.h"
#include "model/EphemerisSheet.h"
#include "model/ObserverPosition.h"

namespace quenaro {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

/// The model for a wall time in a zone at a place, which also becomes the best known
/// position (the night hours end at the next sunrise there, as in the command line).
Ephemeris modelAt(const char* zoneName, int year, unsigned month, unsigned day, unsigned hour,
                  unsigned minute, double latitudeDegrees, double longitudeDegrees) {
    setBestKnownPosition({latitudeDegrees, longitudeDegrees});
    const EphemerisDate date =
        EphemerisDate::dateWithYear(year, month, day, hour, minute, 0, TimeZone::named(zoneName));
    return Ephemeris(date, latitudeDegrees, longitudeDegrees);
}

/// 52.5 N 13.4 E, Europe/Berlin, 2026-12-07 21:08 (20:08 GMT).
const EphemerisFigures& berlin() {
    static const EphemerisFigures figures =
        computeFigures(modelAt("Europe/Berlin", 2026, 12, 7, 21, 8, 52.5, 13.4));
    return figures;
}

/// 33.87 S 151.21 E, Australia/Sydney (summer time, +11:00), 2026-12-07 21:08 (10:08 GMT).
const EphemerisFigures& sydney() {
    static const EphemerisFigures figures =
        computeFigures(modelAt("Australia/Sydney", 2026, 12, 7, 21, 8, -33.87, 151.21));
    return figures;
}

/// 69.65 N 18.96 E, Europe/Oslo, 2026-06-21 12:00: midnight Sun, no sunrise or sunset.
const EphemerisFigures& tromsoMidsummer() {
    static const EphemerisFigures figures =
        computeFigures(modelAt("Europe/Oslo", 2026, 6, 21, 12, 0, 69.65, 18.96));
    return figures;
}

/// The value of the first row with the label under the section title.
std::string rowValue(const std::vector<SheetLine>& lines, const std::string& section,
                     const std::string& label) {
    std::string currentSection;
    for (const SheetLine& line : lines) {
        if (line.kind != SheetLine::Kind::Row) {
            currentSection = line.label;
        } else if (currentSection == section && line.label == label) {
            return line.value;
        }
    }
    ADD_FAILURE() << "no row \"" << label << "\" under \"" << section << "\"";
    return {};
}

/// Seconds after local midnight of the event's wall time.
double wallSecondsOfDay(const EphemerisDate& date) {
    return date.hourOfDay() * 3600.0 + date.minuteOfHour() * 60.0 + date.secondOfMinute();
}

// ---- Structure ----------------------------------------------------------------------------

/// The sheet's entries, one per line: "# Title (planet index)" for a section, "## Title" for a
/// sub-section, the label for a row (a label's line break written "\\n").
std::string outline(const std::vector<SheetLine>& lines) {
    std::string text;
    for (const SheetLine& line : lines) {
        if (line.kind == SheetLine::Kind::Section) {
            text += "# " + line.label + " (" + std::to_string(line.planet) + ")\n";
        } else if (line.kind == SheetLine::Kind::SubSection) {
            text += "## " + line.label + "\n";
        } else {
            std::string label = line.label;
            for (std::size_t at; (at = label.find('\n')) != std::string::npos;) {
                label.replace(at, 1, "\\n");
            }
            text += label + "\n";
        }
    }
    return text;
}

// The same entries wherever the sheet stands, polar day included.
TEST(EphemerisSheet, EntriesInDrawingOrder) {
    std::string expected =
        "# Time (-1)\nDate\nJulian Date\n"
        "## Local\nTime\nMean Sidereal\nApparent Sidereal\n"
        "## Greenwich\nGMT\nMean Sidereal\nApparent Sidereal\n"
        "## Location\nLatitude\nLongitude\n"
        "# Sun (0)\nLocation\nDistance\nRise\nRise Az\nTransit\nSet\nSet Az\nLength of Day\n"
        "## Twilight\nCivil Start\nCivil End\nNautical Start\nNautical End\n"
        "Astronomic Start\nAstronomic End\n"
        "# Moon (1)\nLocation\nDistance\nRise\nTransit\nSet\nMoon Age\\n\n";
    for (const char* planet :
         {"Mercury (2)", "Venus (3)", "Mars (5)", "Jupiter (6)", "Saturn (7)"}) {
        expected += std::string("# ") + planet + "\nLocation\nRise\nTransit\nSet\n";
    }
    for (const EphemerisFigures* figures : {&berlin(), &sydney(), &tromsoMidsummer()}) {
        const std::vector<SheetLine> lines = sheetLines(*figures, true);
        EXPECT_EQ(outline(lines), expected) << figures->timeZoneName;
        for (const SheetLine& line : lines) {
            EXPECT_EQ(line.value.empty(), line.kind != SheetLine::Kind::Row) << line.label;
        }
    }
}

// ---- Texts fixed by their formats -----------------------------------------------------------

// Julian date of 2026-12-07 20:08 UT: 2461381.5 + 20.1333 h / 24 = 2461382.338889.
// Greenwich mean sidereal time then, by the IAU 1982 expression: 18.6078 degrees = 1.2405 h;
// local = + 13.4 degrees = 2.1339 h. Hours and minutes are truncated.
TEST(EphemerisSheet, BerlinTimeSection) {
    const std::vector<SheetLine> lines = sheetLines(berlin(), true);
    EXPECT_EQ(rowValue(lines, "Time", "Date"), "Dec 7, 2026");
    EXPECT_EQ(rowValue(lines, "Time", "Julian Date"), "2461382.33889");
    EXPECT_EQ(rowValue(lines, "Local", "Time"), "9:08 PM");
    EXPECT_EQ(rowValue(lines, "Local", "Mean Sidereal"), "2h 8m");
    EXPECT_EQ(rowValue(lines, "Greenwich", "GMT"), "20:08");
    EXPECT_EQ(rowValue(lines, "Greenwich", "Mean Sidereal"), "1h 14m");
    EXPECT_EQ(rowValue(lines, "Location", "Latitude"), "52°N 30'");
    EXPECT_EQ(rowValue(lines, "Location", "Longitude"), "13°E 24'");
}

// 10:08 GMT is 21:08 in Sydney's summer time; the local sidereal time is 151.21 degrees
// (10.08 h) ahead of Greenwich: 15.2131 h + 10.0807 h = 1.2938 h (mod 24).
TEST(EphemerisSheet, SydneyTimeSection) {
    const std::vector<SheetLine> lines = sheetLines(sydney(), true);
    EXPECT_EQ(rowValue(lines, "Time", "Date"), "Dec 7, 2026");
    EXPECT_EQ(rowValue(lines, "Local", "Time"), "9:08 PM");
    EXPECT_EQ(rowValue(lines, "Local", "Mean Sidereal"), "1h 17m");
    EXPECT_EQ(rowValue(lines, "Greenwich", "GMT"), "10:08");
    EXPECT_EQ(rowValue(lines, "Greenwich", "Mean Sidereal"), "15h 12m");
    EXPECT_EQ(rowValue(lines, "Location", "Latitude"), "33°S 52'");
    EXPECT_EQ(rowValue(lines, "Location", "Longitude"), "151°E 12'");
}

// Right ascension in hours, declination and altitude signed (350 held for -10), azimuth
// unsigned, ecliptic latitude and longitude with hemisphere letters, then the zodiac sign of
// the longitude; four lines without a final break.
TEST(EphemerisSheet, CoordinateRowShowsEachFieldInItsFormat) {
    EphemerisFigures figures = berlin();
    figures.sun.coordinate = Coordinate{.latitude = -1.5,
                                        .longitude = 200.0,
                                        .radius = 1.5e8,
                                        .rightAscension = 123.456,
                                        .declination = 350.0,
                                        .parallax = 0.0,
                                        .altitude = 350.0,
                                        .azimuth = 90.5};
    EXPECT_EQ(rowValue(sheetLines(figures, true), "Sun", "Location"),
              "RA 8h 13m 49s Dec -10° 0' 0\"\n"
              "Alt -10° 0' 0\" Az 90° 30' 0\"\n"
              "Lat 1°S 30' 0\" Long 160°W 0' 0\"\n"
              "Libra 20° 0'");
}

TEST(EphemerisSheet, DistancesAndLengthOfDay) {
    EphemerisFigures figures = berlin();
    figures.sun.distanceAU = 1.0;
    figures.moon.distanceKilometres = 384400.0;
    figures.sun.lengthOfDaySeconds = 28253.19;  // 7.848108 h
    const std::vector<SheetLine> metric = sheetLines(figures, true);
    EXPECT_EQ(rowValue(metric, "Sun", "Distance"), "1 AU");
    EXPECT_EQ(rowValue(metric, "Sun", "Length of Day"), "7h 50m 53s");
    EXPECT_EQ(rowValue(metric, "Moon", "Distance"), "384400 km");
    // 384400 km x 0.621371192 = 238855.09 miles, "%g" keeps six digits.
    EXPECT_EQ(rowValue(sheetLines(figures, false), "Moon", "Distance"), "238855 mile");
}

// Under a day: hours, minutes and seconds; from one day: the count (singular below two),
// then hours and minutes of the fraction; the phase name on the second line.
TEST(EphemerisSheet, MoonAgeForms) {
    EphemerisFigures figures = berlin();
    figures.moon.phaseName = "Waxing Crescent";
    const auto ageText = [&](double ageDays) {
        figures.moon.ageDays = ageDays;
        return rowValue(sheetLines(figures, true), "Moon", "Moon Age\n");
    };
    EXPECT_EQ(ageText(0.0), "0h 0m 0s\nWaxing Crescent");
    EXPECT_EQ(ageText(0.5), "12h 0m 0s\nWaxing Crescent");
    EXPECT_EQ(ageText(1.0), "1 day 0h 0m\nWaxing Crescent");
    EXPECT_EQ(ageText(1.5), "1 day 12h 0m\nWaxing Crescent");
    EXPECT_EQ(ageText(2.0), "2 days 0h 0m\nWaxing Crescent");
    EXPECT_EQ(ageText(2.25), "2 days 6h 0m\nWaxing Crescent");
    EXPECT_EQ(ageText(29.5), "29 days 12h 0m\nWaxing Crescent");
}

// A count of days that no int holds is never converted; the second line stays so the label
// column keeps its alignment.
TEST(EphemerisSheet, MoonAgeThatCannotBeCountedShowsThePlaceholder) {
    EphemerisFigures figures = berlin();
    figures.moon.phaseName = "Full Moon";
    for (const double ageDays : {kNaN, std::numeric_limits<double>::infinity(), 1e300}) {
        figures.moon.ageDays = ageDays;
        EXPECT_EQ(rowValue(sheetLines(figures, true), "Moon", "Moon Age\n"), "—\nFull Moon")
            << ageDays;
    }
}

// ---- Figures -------------------------------------------------------------------------------

// The figures taken from one call per event kind agree exactly with the model's own
// operations that each make their own calls.
TEST(EphemerisFigures, AgreeWithTheModelsOwnOperations) {
    const Ephemeris model = modelAt("Europe/Berlin", 2026, 12, 7, 21, 8, 52.5, 13.4);
    const EphemerisFigures& figures = berlin();
    ASSERT_TRUE(figures.sun.times.rise && figures.sun.times.set && figures.sun.times.transit);
    EXPECT_EQ(figures.sun.times.rise->timeIntervalSinceReferenceDate(),
              model.sunRise().timeIntervalSinceReferenceDate());
    EXPECT_EQ(figures.sun.times.transit->timeIntervalSinceReferenceDate(),
              model.sunTransit().timeIntervalSinceReferenceDate());
    EXPECT_EQ(figures.sun.times.set->timeIntervalSinceReferenceDate(),
              model.sunSet().timeIntervalSinceReferenceDate());
    EXPECT_EQ(figures.sun.lengthOfDaySeconds, model.lengthOfDay());
    EXPECT_EQ(figures.planetaryHours.dayHourSeconds, model.dayHourDuration());
    EXPECT_EQ(figures.planetaryHours.nightHourSeconds, model.nightHourDuration());
    ASSERT_TRUE(figures.moon.times.rise);
    EXPECT_EQ(figures.moon.times.rise->timeIntervalSinceReferenceDate(),
              model.moonRise().timeIntervalSinceReferenceDate());
    EXPECT_EQ(figures.moon.ageDays, model.ageOfMoon());
    EXPECT_EQ(figures.moon.lunation, model.lunation());
    EXPECT_EQ(figures.planets[0].longitudeDegrees, model.mercuryLongitude());
    EXPECT_EQ(figures.planets[4].latitudeDegrees, model.saturnLatitude());
    EXPECT_EQ(figures.timeZoneName, "Europe/Berlin");
}

// Sunrise and sunset (upper limb, 34' refraction) by the NOAA solar calculator's formulas,
// computed independently: Berlin 7 Dec 2026 08:02.3 and 15:53.1 CET; Sydney 05:37.0 and
// 19:56.1 AEDT. Tolerance 2 minutes.
TEST(EphemerisFigures, SunriseAndSunsetNorthAndSouth) {
    const struct {
        const EphemerisFigures* figures;
        double riseSeconds;
        double setSeconds;
    } cases[] = {{&berlin(), 8 * 3600 + 2.3 * 60, 15 * 3600 + 53.1 * 60},
                 {&sydney(), 5 * 3600 + 37.0 * 60, 19 * 3600 + 56.1 * 60}};
    constexpr double kToleranceSeconds = 120.0;
    for (const auto& place : cases) {
        const SunFigures& sun = place.figures->sun;
        ASSERT_TRUE(sun.times.rise && sun.times.set) << place.figures->timeZoneName;
        EXPECT_NEAR(wallSecondsOfDay(*sun.times.rise), place.riseSeconds, kToleranceSeconds);
        EXPECT_NEAR(wallSecondsOfDay(*sun.times.set), place.setSeconds, kToleranceSeconds);
        // The times are read in the model's zone (not GMT).
        EXPECT_EQ(sun.times.rise->timeZone(), place.figures->date.timeZone());
        // Twilights nest around the day: astronomical before nautical before civil.
        ASSERT_TRUE(sun.astronomical.start && sun.nautical.start && sun.civil.start);
        EXPECT_LT(sun.astronomical.start->timeIntervalSinceDate(*sun.nautical.start), 0.0);
        EXPECT_LT(sun.nautical.start->timeIntervalSinceDate(*sun.civil.start), 0.0);
        EXPECT_LT(sun.civil.start->timeIntervalSinceDate(*sun.times.rise), 0.0);
        ASSERT_TRUE(sun.civil.end && sun.astronomical.end);
        EXPECT_GT(sun.civil.end->timeIntervalSinceDate(*sun.times.set), 0.0);
        // 12 day hours and 12 night hours run from this sunrise to the next, about a day:
        // sunrise moves by under two minutes from one day to the next in December.
        ASSERT_TRUE(place.figures->planetaryHours.dayHourSeconds &&
                    place.figures->planetaryHours.nightHourSeconds);
        EXPECT_NEAR(12.0 * (*place.figures->planetaryHours.dayHourSeconds +
                            *place.figures->planetaryHours.nightHourSeconds),
                    86400.0, 120.0);
    }
}

// Tromso at midsummer: the Sun neither rises nor sets (the model then gives no transit
// either) and no twilight begins; everything else is still computed.
TEST(EphemerisFigures, PolarDayLeavesSunEventsOutAndKeepsTheRest) {
    const EphemerisFigures& figures = tromsoMidsummer();
    EXPECT_FALSE(figures.sun.times.rise);
    EXPECT_FALSE(figures.sun.times.set);
    EXPECT_FALSE(figures.sun.lengthOfDaySeconds);
    EXPECT_FALSE(figures.planetaryHours.dayHourSeconds);
    EXPECT_FALSE(figures.planetaryHours.nightHourSeconds);
    EXPECT_FALSE(figures.sun.civil.start || figures.sun.civil.end);
    EXPECT_FALSE(figures.sun.astronomical.start || figures.sun.astronomical.end);
    EXPECT_TRUE(std::isnan(figures.sun.riseAzimuthDegrees));
    EXPECT_TRUE(std::isnan(figures.sun.setAzimuthDegrees));
    // The Sun stands about 43 degrees high at noon (90 - 69.65 + 23.44), distance 1.0163 AU.
    EXPECT_NEAR(figures.sun.coordinate.altitude, 43.3, 0.5);
    EXPECT_NEAR(figures.sun.distanceAU, 1.0163, 0.0005);
    // The Moon, near the equator that day, rises and sets.
    EXPECT_TRUE(figures.moon.times.rise && figures.moon.times.set);

    const std::vector<SheetLine> lines = sheetLines(figures, true);
    for (const char* label : {"Rise", "Rise Az", "Set", "Set Az", "Length of Day"}) {
        EXPECT_EQ(rowValue(lines, "Sun", label), kNoAngleText) << label;
    }
    EXPECT_EQ(rowValue(lines, "Twilight", "Civil Start"), kNoAngleText);
    EXPECT_EQ(rowValue(lines, "Sun", "Distance"), "1.01623 AU");
    EXPECT_NE(rowValue(lines, "Moon", "Rise"), kNoAngleText);
}

// ---- Date and time texts -------------------------------------------------------------------

EphemerisDate wallTime(const char* zoneName, int year, unsigned month, unsigned day, unsigned hour,
                       unsigned minute, unsigned second) {
    return EphemerisDate::dateWithYear(year, month, day, hour, minute, second,
                                       TimeZone::named(zoneName));
}

TEST(DateText, MediumDateAndShortTime) {
    EXPECT_EQ(mediumDateText(wallTime("Europe/Berlin", 2026, 1, 1, 0, 0, 0)), "Jan 1, 2026");
    EXPECT_EQ(mediumDateText(wallTime("Europe/Berlin", 2026, 9, 30, 23, 59, 59)), "Sep 30, 2026");
    // Midnight and noon are 12 on the 12-hour clock; seconds are dropped.
    const auto timeText = [](unsigned hour, unsigned minute) {
        return shortTimeText(wallTime("Europe/Berlin", 2026, 12, 7, hour, minute, 59));
    };
    EXPECT_EQ(timeText(0, 5), "12:05 AM");
    EXPECT_EQ(timeText(9, 8), "9:08 AM");
    EXPECT_EQ(timeText(12, 0), "12:00 PM");
    EXPECT_EQ(timeText(23, 59), "11:59 PM");
}

TEST(DateText, IsoWithMillisecondsAndOffset) {
    const EphemerisDate berlinEvening = wallTime("Europe/Berlin", 2026, 12, 7, 21, 8, 0);
    EXPECT_EQ(isoDateText(berlinEvening.addTimeInterval(12.3456)), "2026-12-07T21:08:12.345+01:00");
    EXPECT_EQ(isoDateText(wallTime("Europe/Berlin", 2026, 6, 21, 12, 0, 0)),
              "2026-06-21T12:00:00.000+02:00");
    EXPECT_EQ(isoDateText(wallTime("America/Sao_Paulo", 2026, 12, 7, 9, 5, 7)),
              "2026-12-07T09:05:07.000-03:00");
    // The texts read the date's own zone: the same instant is the next morning in Sydney.
    EphemerisDate inSydney = berlinEvening;
    inSydney.setTimeZone(TimeZone::named("Australia/Sydney"));
    EXPECT_EQ(mediumDateText(inSydney), "Dec 8, 2026");
    EXPECT_EQ(shortTimeText(inSydney), "7:08 AM");
    EXPECT_EQ(isoDateText(inSydney), "2026-12-08T07:08:00.000+11:00");
    // A quarter of a second before the reference date: the fields and the milliseconds both
    // count down from the whole second before, not toward zero.
    EXPECT_EQ(isoDateText(EphemerisDate(-0.25, TimeZone::gmt())), "2000-12-31T23:59:59.750+00:00");
}

// Before 1893 Berlin kept local mean time, 53 minutes 28 seconds ahead of Greenwich; years
// before 1 are written with a sign.
TEST(DateText, IsoOffsetWithSecondsAndSignedYears) {
    EphemerisDate localMeanTime =
        EphemerisDate::dateWithYear(1890, 1, 1, 12, 0, 0, TimeZone::gmt());
    localMeanTime.setTimeZone(TimeZone::named("Europe/Berlin"));
    EXPECT_EQ(isoDateText(localMeanTime), "1890-01-01T12:53:28.000+00:53:28");
    EXPECT_EQ(isoDateText(EphemerisDate::dateWithYear(-44, 3, 15, 12, 0, 0, TimeZone::gmt())),
              "-0044-03-15T12:00:00.000+00:00");
    EXPECT_EQ(mediumDateText(EphemerisDate::dateWithYear(-44, 3, 15, 12, 0, 0, TimeZone::gmt())),
              "Mar 15, -44");
}

}  // namespace
}  // namespace quenaro
