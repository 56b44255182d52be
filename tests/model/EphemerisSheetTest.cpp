// The almanac sheet: its figures (absent events left out), its entries in drawing order, the
// exact texts its formats determine, and the date and time texts.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ModelTestSupport.h"
#include "model/EphemerisFigures.h"
#include "model/EphemerisSheet.h"
#include "model/ObserverPosition.h"
#include "support/BerlinEvening.h"
#include "time/DateText.h"

namespace quenaro {
namespace {

using testing::modelAt;

/// The figures of the model, whose place first becomes the best known position (the night
/// hours end at the next sunrise there, as in the command line).
EphemerisFigures figuresOf(const Ephemeris& model) {
    setBestKnownPosition({model.latitude(), model.longitude()});
    return computeFigures(model);
}

/// The figures for a wall time in a zone at a place, as figuresOf().
EphemerisFigures figuresAt(int year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                           const char* zoneName, double latitudeDegrees, double longitudeDegrees) {
    return figuresOf(
        modelAt(year, month, day, hour, minute, zoneName, latitudeDegrees, longitudeDegrees));
}

// The Berlin evening, 52.5 N 13.4 E on 2026-12-07 at 21:08 CET (20:08 GMT); 33.87 S 151.21 E
// at 21:08 AEDT (+11:00, 10:08 GMT); 69.65 N 18.96 E on 2026-06-21 at 12:00 CEST, the midnight
// Sun.
EphemerisFigures berlin() {
    return figuresOf(testing::berlinEvening());
}
EphemerisFigures sydney() {
    return figuresAt(2026, 12, 7, 21, 8, "Australia/Sydney", -33.87, 151.21);
}
EphemerisFigures tromsoMidsummer() {
    return figuresAt(2026, 6, 21, 12, 0, "Europe/Oslo", 69.65, 18.96);
}

/// The value of the first row with the label under the section or sub-section title.
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

/// The entries, one per line: "# Title (planet index)" for a section, "## Title" for a
/// sub-section, the label for a row (with its line breaks).
std::string outline(const std::vector<SheetLine>& lines) {
    std::string text;
    for (const SheetLine& line : lines) {
        if (line.kind == SheetLine::Kind::Section) {
            text += "# " + line.label + " (" + std::to_string(line.planet) + ")\n";
        } else if (line.kind == SheetLine::Kind::SubSection) {
            text += "## " + line.label + "\n";
        } else {
            text += line.label + "\n";
        }
    }
    return text;
}

// The same entries wherever the sheet stands, polar day included; only rows have values.
TEST(EphemerisSheet, EntriesInDrawingOrder) {
    std::string expected =
        "# Time (-1)\nDate\nJulian Date\n"
        "## Local\nTime\nMean Sidereal\nApparent Sidereal\n"
        "## Greenwich\nGMT\nMean Sidereal\nApparent Sidereal\n"
        "## Location\nLatitude\nLongitude\n"
        "# Sun (0)\nLocation\nDistance\nRise\nRise Az\nTransit\nSet\nSet Az\nLength of Day\n"
        "## Twilight\nCivil Start\nCivil End\nNautical Start\nNautical End\n"
        "Astronomic Start\nAstronomic End\n"
        "# Moon (1)\nLocation\nDistance\nRise\nTransit\nSet\nMoon Age\n\n";
    for (const char* planet :
         {"Mercury (2)", "Venus (3)", "Mars (5)", "Jupiter (6)", "Saturn (7)"}) {
        expected += std::string("# ") + planet + "\nLocation\nRise\nTransit\nSet\n";
    }
    for (const EphemerisFigures& figures : {berlin(), sydney(), tromsoMidsummer()}) {
        const std::vector<SheetLine> lines = sheetLines(figures, true);
        EXPECT_EQ(outline(lines), expected) << figures.timeZoneName;
        for (const SheetLine& line : lines) {
            EXPECT_EQ(line.value.empty(), line.kind != SheetLine::Kind::Row) << line.label;
        }
    }
}

/// The values of the rows above the Sun's section, each followed by " | ".
std::string timeSectionValues(const EphemerisFigures& figures) {
    std::string values;
    for (const SheetLine& line : sheetLines(figures, true)) {
        if (line.label == "Sun") {
            break;
        }
        values += line.kind == SheetLine::Kind::Row ? line.value + " | " : "";
    }
    return values;
}

// Julian dates of 2026-12-07 20:08 and 10:08 UT: 2461381.5 + 20.1333 h / 24 = 2461382.33889
// and 2461381.5 + 10.1333 h / 24 = 2461381.92222. Greenwich mean sidereal time by the IAU 1982
// expression: 1.2405 h (1h 14.4m) and 15.2131 h (15h 12.8m); local adds 13.4 degrees
// (0.8933 h) in Berlin and 151.21 degrees (10.0807 h) in Sydney: 2.1339 h (2h 8.0m) and
// 1.2938 h (1h 17.6m, mod 24). The apparent times differ by the equation of the equinoxes,
// under 1.2 s; hours and minutes are truncated.
TEST(EphemerisSheet, TimeSectionTexts) {
    EXPECT_EQ(timeSectionValues(berlin()),
              "Dec 7, 2026 | 2461382.33889 | 9:08 PM | 2h 8m | 2h 8m | 20:08 | 1h 14m | 1h 14m | "
              "52°N 30' | 13°E 24' | ");
    EXPECT_EQ(timeSectionValues(sydney()),
              "Dec 7, 2026 | 2461381.92222 | 9:08 PM | 1h 17m | 1h 17m | 10:08 | 15h 12m | "
              "15h 12m | 33°S 52' | 151°E 12' | ");
}

// Position: right ascension in hours, declination and altitude signed (350 held for -10),
// azimuth unsigned, ecliptic latitude and longitude with hemisphere letters, then the zodiac
// sign of the longitude; four lines without a final break. Distances in "%g" (384400 km x
// 0.621371192 = 238855.09 miles). Moon Age: under a day hours, minutes and seconds; from one
// day the count (singular below two), then hours and minutes; a count no int holds is never
// converted; the phase name stays on the second line.
TEST(EphemerisSheet, FiguresShowInTheirFormats) {
    EphemerisFigures figures = berlin();
    // Latitude, longitude, radius, right ascension, declination, parallax, altitude, azimuth.
    figures.sun.coordinate = Coordinate{-1.5, 200.0, 1.5e8, 123.456, 350.0, 0.0, 350.0, 90.5};
    figures.sun.distanceAU = 1.0;
    figures.moon.distanceKilometres = 384400.0;
    figures.sun.lengthOfDaySeconds = 28253.19;  // 7.848108 h
    const std::vector<SheetLine> metric = sheetLines(figures, true);
    EXPECT_EQ(rowValue(metric, "Sun", "Location"),
              "RA 8h 13m 49s Dec -10° 0' 0\"\n"
              "Alt -10° 0' 0\" Az 90° 30' 0\"\n"
              "Lat 1°S 30' 0\" Long 160°W 0' 0\"\n"
              "Libra 20° 0'");
    EXPECT_EQ(rowValue(metric, "Sun", "Distance"), "1 AU");
    EXPECT_EQ(rowValue(metric, "Sun", "Length of Day"), "7h 50m 53s");
    EXPECT_EQ(rowValue(metric, "Moon", "Distance"), "384400 km");
    EXPECT_EQ(rowValue(sheetLines(figures, false), "Moon", "Distance"), "238855 mile");

    figures.moon.phaseName = "Full Moon";
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> ages[] = {
        {0.5, "12h 0m 0s"},    {1.0, "1 day 0h 0m"},   {1.5, "1 day 12h 0m"},
        {2.0, "2 days 0h 0m"}, {2.25, "2 days 6h 0m"}, {29.5, "29 days 12h 0m"},
        {std::nan(""), "—"},   {kInfinity, "—"},       {1e300, "—"}};
    for (const auto& [ageDays, text] : ages) {
        figures.moon.ageDays = ageDays;
        EXPECT_EQ(rowValue(sheetLines(figures, true), "Moon", "Moon Age\n"),
                  std::string(text) + "\nFull Moon")
            << ageDays;
    }
}

/// Seconds since the reference date, NaN without a date.
double at(const std::optional<EphemerisDate>& date) {
    return date ? date->timeIntervalSinceReferenceDate() : std::nan("");
}

// The figures agree exactly with the model's own operations, each event in its place, and
// the sheet shows each in its row. Sunrise and sunset by the NOAA solar calculator's formulas
// (upper limb, 34' refraction), computed independently: 08:02.3 and 15:53.1 CET, within
// 2 minutes on the zone's clock.
TEST(EphemerisFigures, AgreeWithTheModelsOwnOperations) {
    const EphemerisFigures figures = berlin();
    const Ephemeris model = testing::berlinEvening();
    EXPECT_EQ(at(figures.sun.times.rise), at(model.sunRise()));
    EXPECT_EQ(at(figures.sun.times.transit), at(model.sunTransit()));
    EXPECT_EQ(at(figures.sun.times.set), at(model.sunSet()));
    EXPECT_EQ(at(figures.moon.times.rise), at(model.moonRise()));
    EXPECT_EQ(at(figures.sun.civil.start),
              at(model.calcRiseSet(Ephemeris::CivilDawn, Ephemeris::Sun)));
    EXPECT_EQ(at(figures.sun.nautical.start),
              at(model.calcRiseSet(Ephemeris::NauticalDawn, Ephemeris::Sun)));
    EXPECT_EQ(at(figures.sun.astronomical.end),
              at(model.calcRiseSet(Ephemeris::AstronomicalDusk, Ephemeris::Sun)));
    EXPECT_EQ(figures.sun.lengthOfDaySeconds, model.lengthOfDay());
    EXPECT_EQ(figures.planetaryHours.dayHourSeconds, model.dayHourDuration());
    EXPECT_EQ(figures.planetaryHours.nightHourSeconds, model.nightHourDuration());
    EXPECT_EQ(figures.moon.ageDays, model.ageOfMoon());
    EXPECT_EQ(figures.moon.lunation, model.lunation());
    EXPECT_EQ(figures.planets[0].longitudeDegrees, model.mercuryLongitude());
    EXPECT_EQ(figures.planets[4].latitudeDegrees, model.saturnLatitude());
    EXPECT_EQ(at(figures.planets[4].times.set),
              at(model.calcRiseSet(Ephemeris::SetEvent, Ephemeris::Saturn)));
    EXPECT_EQ(rowValue(sheetLines(figures, true), "Saturn", "Transit"),
              shortTimeText(figures.planets[4].times.transit.value()));
    const auto wallMinutes = [](const EphemerisDate& date) {
        return date.hourOfDay() * 60.0 + date.minuteOfHour() + date.secondOfMinute() / 60.0;
    };
    ASSERT_TRUE(figures.sun.times.rise && figures.sun.times.set);
    EXPECT_NEAR(wallMinutes(*figures.sun.times.rise), 8 * 60 + 2.3, 2.0);
    EXPECT_NEAR(wallMinutes(*figures.sun.times.set), 15 * 60 + 53.1, 2.0);
}

// Tromso at midsummer: the Sun neither rises nor sets but culminates, its day lasts 24 hours,
// and no twilight begins; exactly those of the Sun's rows read the placeholder and everything
// else is still computed. At midwinter at 70 N it does not even culminate above the horizon,
// and its day lasts no time.
TEST(EphemerisSheet, PolarDayShowsThePlaceholderForTheSunsAbsentEvents) {
    const EphemerisFigures figures = tromsoMidsummer();
    const std::vector<SheetLine> lines = sheetLines(figures, true);
    std::string placeholderRows;
    for (std::size_t index = 0; index < lines.size() && lines[index].label != "Moon"; ++index) {
        placeholderRows += lines[index].value == kNoAngleText ? lines[index].label + ", " : "";
    }
    EXPECT_EQ(placeholderRows,
              "Rise, Rise Az, Set, Set Az, Civil Start, Civil End, "
              "Nautical Start, Nautical End, Astronomic Start, Astronomic End, ");
    EXPECT_EQ(rowValue(lines, "Sun", "Transit"), "12:45 PM");
    EXPECT_EQ(rowValue(lines, "Sun", "Length of Day"), "24h 0m 0s");
    // The Sun stands about 43 degrees high at noon (90 - 69.65 + 23.44).
    EXPECT_NEAR(figures.sun.coordinate.altitude, 43.3, 0.5);

    const std::vector<SheetLine> midwinter =
        sheetLines(figuresAt(2026, 12, 21, 12, 0, "UTC", 70.0, 0.0), true);
    EXPECT_EQ(rowValue(midwinter, "Sun", "Rise"), kNoAngleText);
    EXPECT_EQ(rowValue(midwinter, "Sun", "Transit"), kNoAngleText);
    EXPECT_EQ(rowValue(midwinter, "Sun", "Length of Day"), "0h 0m 0s");
}

// Rise and set belong to the pass that culminates on the sheet's day: a rise the evening
// before and a set the morning after show their month and day, the figures their full date.
TEST(EphemerisSheet, EventsOnOtherDaysShowTheirDate) {
    const EphemerisFigures helsinki = figuresAt(2026, 5, 28, 12, 0, "Europe/Helsinki", 66.56, 25.7);
    const std::vector<SheetLine> northern = sheetLines(helsinki, true);
    EXPECT_EQ(rowValue(northern, "Sun", "Set"), "12:02 AM (May 29)");
    EXPECT_EQ(rowValue(northern, "Sun", "Rise"), "2:31 AM");
    EXPECT_EQ(isoDateText(*helsinki.sun.times.set).substr(0, 16), "2026-05-29T00:02");

    const EphemerisFigures january = figuresAt(2026, 1, 5, 12, 0, "Europe/Berlin", 52.5, 13.4);
    const std::vector<SheetLine> lines = sheetLines(january, true);
    EXPECT_EQ(rowValue(lines, "Moon", "Rise"), "5:14 PM (Jan 4)");
    EXPECT_EQ(rowValue(lines, "Moon", "Set"), "9:55 AM");
    EXPECT_EQ(rowValue(lines, "Time", "Date"), "Jan 5, 2026");
}

// On the last day the dates support there is no tomorrow (so no night hours) and no lunation
// (counted to 28 days later); everything else is still computed.
TEST(EphemerisFigures, LastSupportedDayLeavesOutWhatNeedsLaterDates) {
    const EphemerisFigures figures = figuresAt(9999, 12, 31, 23, 0, "Europe/Berlin", 52.5, 13.4);
    EXPECT_TRUE(figures.sun.times.rise && figures.sun.times.set && figures.moon.times.transit);
    EXPECT_TRUE(figures.planetaryHours.dayHourSeconds.has_value());
    EXPECT_FALSE(figures.planetaryHours.nightHourSeconds.has_value());
    EXPECT_FALSE(figures.moon.lunation.has_value());
}

// ---- Date and time texts -------------------------------------------------------------------

EphemerisDate wallTime(const char* zoneName, int year, unsigned month, unsigned day, unsigned hour,
                       unsigned minute, unsigned second) {
    return EphemerisDate::dateWithYear(year, month, day, hour, minute, second,
                                       TimeZone::named(zoneName));
}

TEST(DateText, EventTimeCarriesItsDayWhenItIsAnotherOne) {
    const EphemerisDate day = wallTime("Europe/Berlin", 2027, 1, 1, 12, 0, 0);
    const std::pair<EphemerisDate, const char*> cases[] = {
        {wallTime("Europe/Berlin", 2027, 1, 1, 0, 0, 0), "12:00 AM"},
        {wallTime("Europe/Berlin", 2027, 1, 1, 23, 59, 59), "11:59 PM"},
        {wallTime("Europe/Berlin", 2026, 12, 31, 23, 59, 59), "11:59 PM (Dec 31)"},
        {wallTime("Europe/Berlin", 2027, 1, 2, 0, 0, 0), "12:00 AM (Jan 2)"},
        // Read in the day's zone: 23:30 GMT on 1 January is 00:30 on 2 January in Berlin.
        {wallTime("UTC", 2027, 1, 1, 23, 30, 0), "12:30 AM (Jan 2)"},
    };
    for (const auto& [event, text] : cases) {
        EXPECT_EQ(eventTimeText(event, day), text) << isoDateText(event);
    }
}

TEST(DateText, MediumDateShortTimeAndIso) {
    const std::pair<EphemerisDate, const char*> cases[] = {
        // Milliseconds truncated; midnight and noon are 12 on the 12-hour clock.
        {wallTime("Europe/Berlin", 2026, 12, 7, 21, 8, 12).addTimeInterval(0.3456),
         "Dec 7, 2026 | 9:08 PM | 2026-12-07T21:08:12.345+01:00"},
        {wallTime("Europe/Berlin", 2026, 1, 1, 0, 5, 59),
         "Jan 1, 2026 | 12:05 AM | 2026-01-01T00:05:59.000+01:00"},
        {wallTime("America/Sao_Paulo", 2026, 12, 7, 9, 5, 7),
         "Dec 7, 2026 | 9:05 AM | 2026-12-07T09:05:07.000-03:00"},
        // Before the reference date the fields and milliseconds count from the second before.
        {EphemerisDate(-0.25, TimeZone::gmt()),
         "Dec 31, 2000 | 11:59 PM | 2000-12-31T23:59:59.750+00:00"},
        // Before 1893 Berlin kept local mean time, 53 min 28 s ahead; years before 1 signed.
        {wallTime("Europe/Berlin", 1890, 1, 1, 12, 53, 28),
         "Jan 1, 1890 | 12:53 PM | 1890-01-01T12:53:28.000+00:53:28"},
        {wallTime("UTC", -44, 3, 15, 12, 0, 0),
         "Mar 15, -44 | 12:00 PM | -0044-03-15T12:00:00.000+00:00"},
    };
    for (const auto& [date, texts] : cases) {
        EXPECT_EQ(mediumDateText(date) + " | " + shortTimeText(date) + " | " + isoDateText(date),
                  texts);
    }
}

}  // namespace
}  // namespace quenaro
