// The almanac sheet as texts: its sections, sub-sections and rows of labels and values, in
// the order the sheet draws them, from figures computed once.

#include "model/EphemerisSheet.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "base/PrintfText.h"
#include "model/Ephemeris.h"
#include "time/DateText.h"
#include "time/TimeUnits.h"

namespace quenaro {

namespace {

constexpr double kMilesPerKilometre = 0.621371192;

/// Builds the entries in drawing order.
class SheetBuilder {
  public:
    /// Rows for the day of `day`: times of events on other days carry their date.
    explicit SheetBuilder(const EphemerisDate& day) : day_(day) {}

    void section(const char* title, int planet) {
        lines_.push_back({SheetLine::Kind::Section, title, "", planet});
    }
    void subSection(const char* title) {
        lines_.push_back({SheetLine::Kind::SubSection, title, "", -1});
    }
    void row(std::string label, std::string value) {
        lines_.push_back({SheetLine::Kind::Row, std::move(label), std::move(value), -1});
    }
    /// A time row: the event's wall time in the day's zone, with its month and day when it
    /// falls on another calendar day ("3:54 AM (Jan 26)"), or the placeholder without one.
    void time(const char* label, const std::optional<EphemerisDate>& event) {
        row(label, event ? eventTimeText(*event, day_) : kNoAngleText);
    }
    void riseTransitSet(const RiseTransitSet& times) {
        time("Rise", times.rise);
        time("Transit", times.transit);
        time("Set", times.set);
    }
    std::vector<SheetLine> lines() && { return std::move(lines_); }

  private:
    EphemerisDate day_;
    std::vector<SheetLine> lines_;
};

/// The four lines of a position: equatorial, horizontal, ecliptic and zodiac.
std::string coordinateText(const Coordinate& coordinate) {
    return printfText("RA %s Dec %s\nAlt %s Az %s\nLat %s Long %s\n%s",
                      Ephemeris::degreesToHMS(coordinate.rightAscension).c_str(),
                      Ephemeris::degreesToSignedDMS(coordinate.declination).c_str(),
                      Ephemeris::degreesToSignedDMS(coordinate.altitude).c_str(),
                      Ephemeris::degreesToDMS(coordinate.azimuth).c_str(),
                      Ephemeris::degreesToLatitudeDMS(coordinate.latitude).c_str(),
                      Ephemeris::degreesToLongitudeDMS(coordinate.longitude).c_str(),
                      Ephemeris::zodiacPositionString(coordinate.longitude).c_str());
}

/// Seconds shown as hours, minutes and seconds ("15h 42m 7s"); the placeholder without.
std::string durationText(const std::optional<double>& seconds) {
    return seconds ? Ephemeris::degreesToHMS(*seconds / kSecondsPerDay * 360.0) : kNoAngleText;
}

/// The Moon's age on two lines, the second the phase name: under one day the fraction of a
/// day as hours, minutes and seconds ("12h 0m 0s"); then the whole days, singular or plural,
/// and the fraction as hours and minutes ("1 day 12h 0m", "2 days 6h 0m"). An age too large
/// for whole days to be counted (or not a number) shows the placeholder on the first line.
std::string moonAgeText(double ageDays, const std::string& phaseName) {
    const double fractionDegrees = (ageDays - std::floor(ageDays)) * 360.0;
    if (ageDays < 1.0) {
        return printfText("%s\n%s", Ephemeris::degreesToHMS(fractionDegrees).c_str(),
                          phaseName.c_str());
    }
    if (!(ageDays < static_cast<double>(std::numeric_limits<int>::max()))) {  // also NaN
        return std::string(kNoAngleText) + "\n" + phaseName;
    }
    const int wholeDays = static_cast<int>(ageDays);  // [1, INT_MAX)
    const std::string fractionText = Ephemeris::degreesToHM(fractionDegrees);
    if (ageDays < 2.0) {
        return printfText("%d day %s\n%s", wholeDays, fractionText.c_str(), phaseName.c_str());
    }
    return printfText("%d days %s\n%s", wholeDays, fractionText.c_str(), phaseName.c_str());
}

void timeSection(SheetBuilder& sheet, const EphemerisFigures& figures) {
    sheet.section("Time", -1);
    sheet.row("Date", mediumDateText(figures.date));
    sheet.row("Julian Date", printfText("%12.5f", figures.julianDate));
    sheet.subSection("Local");
    sheet.row("Time", shortTimeText(figures.date));
    sheet.row("Mean Sidereal", Ephemeris::degreesToHM(figures.siderealTime.localMeanDegrees));
    sheet.row("Apparent Sidereal",
              Ephemeris::degreesToHM(figures.siderealTime.localApparentDegrees));
    sheet.subSection("Greenwich");
    const EphemerisDate greenwich = figures.date.convertToGMT();
    sheet.row("GMT", printfText("%d:%.2d", greenwich.hourOfDay(), greenwich.minuteOfHour()));
    sheet.row("Mean Sidereal", Ephemeris::degreesToHM(figures.siderealTime.greenwichMeanDegrees));
    sheet.row("Apparent Sidereal",
              Ephemeris::degreesToHM(figures.siderealTime.greenwichApparentDegrees));
    sheet.subSection("Location");
    sheet.row("Latitude", Ephemeris::degreesToLatitudeDM(figures.latitudeDegrees));
    sheet.row("Longitude", Ephemeris::degreesToLongitudeDM(figures.longitudeDegrees));
}

void sunSection(SheetBuilder& sheet, const SunFigures& sun) {
    sheet.section("Sun", Ephemeris::Sun);
    sheet.row("Location", coordinateText(sun.coordinate));
    sheet.row("Distance", printfText("%g AU", sun.distanceAU));
    sheet.time("Rise", sun.times.rise);
    sheet.row("Rise Az", Ephemeris::degreesToDMS(sun.riseAzimuthDegrees));
    sheet.time("Transit", sun.times.transit);
    sheet.time("Set", sun.times.set);
    sheet.row("Set Az", Ephemeris::degreesToDMS(sun.setAzimuthDegrees));
    sheet.row("Length of Day", durationText(sun.lengthOfDaySeconds));
    sheet.subSection("Twilight");
    sheet.time("Civil Start", sun.civil.start);
    sheet.time("Civil End", sun.civil.end);
    sheet.time("Nautical Start", sun.nautical.start);
    sheet.time("Nautical End", sun.nautical.end);
    sheet.time("Astronomic Start", sun.astronomical.start);
    sheet.time("Astronomic End", sun.astronomical.end);
}

void moonSection(SheetBuilder& sheet, const MoonFigures& moon, bool metric) {
    sheet.section("Moon", Ephemeris::Moon);
    sheet.row("Location", coordinateText(moon.coordinate));
    sheet.row("Distance",
              metric ? printfText("%g km", moon.distanceKilometres)
                     : printfText("%g mile", moon.distanceKilometres * kMilesPerKilometre));
    sheet.riseTransitSet(moon.times);
    sheet.row("Moon Age\n", moonAgeText(moon.ageDays, moon.phaseName));
}

void planetSection(SheetBuilder& sheet, const PlanetFigures& planet) {
    sheet.section(planet.name.c_str(), planet.index);
    sheet.row("Location", coordinateText(planet.coordinate));
    sheet.riseTransitSet(planet.times);
}

/// Only for a model with a position source: which one placed the bodies, and the Delta T it
/// added to the moment ("precise, delta T 69.6 s").
void positionsSection(SheetBuilder& sheet, const PositionSourceFigures& source) {
    sheet.section("Positions", -1);
    sheet.row("Source", positionSourceText(source));
}

}  // namespace

std::vector<SheetLine> sheetLines(const EphemerisFigures& figures, bool metric) {
    SheetBuilder sheet(figures.date);
    timeSection(sheet, figures);
    sunSection(sheet, figures.sun);
    moonSection(sheet, figures.moon, metric);
    for (const PlanetFigures& planet : figures.planets) {
        planetSection(sheet, planet);
    }
    if (figures.positions) {
        positionsSection(sheet, *figures.positions);
    }
    return std::move(sheet).lines();
}

std::string positionSourceText(const PositionSourceFigures& source) {
    return printfText("%s, delta T %.1f s", source.name.c_str(), source.deltaTSeconds);
}

std::vector<SheetRow> sheetRows(const std::vector<SheetLine>& lines) {
    std::vector<SheetRow> rows;
    std::string section;
    for (const SheetLine& line : lines) {
        if (line.kind == SheetLine::Kind::Row) {
            rows.push_back({section, line.label, line.value});
        } else {
            section = line.label;
        }
    }
    return rows;
}

std::string oneLine(std::string text) {
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    std::string joined;
    for (const char character : text) {
        if (character == '\n') {
            joined += " / ";
        } else {
            joined += character;
        }
    }
    return joined;
}

std::string sheetText(const std::vector<SheetLine>& lines) {
    std::string text;
    for (const SheetRow& row : sheetRows(lines)) {
        text += row.section + " | " + oneLine(row.label) + " | " + oneLine(row.value) + "\n";
    }
    return text;
}

}  // namespace quenaro
