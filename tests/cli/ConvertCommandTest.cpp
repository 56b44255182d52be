// `quenaro convert` through the command line: all three frames from each, against the model's
// own conversions, the JSON object's keys and ranges, the text lines in the calculator's
// formats, and refused input.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "../model/ModelTestSupport.h"
#include "CommandLineSupport.h"
#include "calc/AstrolabePosition.h"
#include "precise/PrecisePositions.h"

namespace quenaro {
namespace {

using Json = nlohmann::ordered_json;
using testing::angleDifference;

/// Berlin, 2026-03-14 22:45 local time (21:45 GMT).
constexpr const char* kDate = "2026-03-14T22:45";
constexpr const char* kZone = "Europe/Berlin";
constexpr double kLatitude = 52.5;
constexpr double kLongitude = 13.4;

Ephemeris berlinModel() {
    return testing::modelAt(2026, 3, 14, 22, 45, kZone, kLatitude, kLongitude);
}

/// Runs `quenaro convert` with the frame's arguments after the moment and place of Berlin.
testing::CommandResult runConvert(const std::vector<const char*>& frameArguments,
                                  bool json = true) {
    std::vector<const char*> argv{"quenaro", "convert", "--date", kDate,   "--tz",
                                  kZone,     "--lat",   "52.5",   "--lon", "13.4"};
    if (json) {
        argv.push_back("--json");
    }
    argv.insert(argv.end(), frameArguments.begin(), frameArguments.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        runCommandLine(static_cast<int>(argv.size()), argv.data(), out, err, renderOffscreen);
    return {status, out.str(), err.str()};
}

Json convertJson(const std::vector<const char*>& frameArguments) {
    const auto run = runConvert(frameArguments);
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.err, "");
    return Json::parse(run.out);
}

void expectPosition(const Json& json, const Coordinate& model, const char* what) {
    constexpr double kTolerance = 1e-9;
    EXPECT_NEAR(json["horizontal"]["altitude"].get<double>(), model.altitude, kTolerance) << what;
    EXPECT_NEAR(angleDifference(json["horizontal"]["azimuth"].get<double>(), model.azimuth), 0.0,
                kTolerance)
        << what;
    EXPECT_NEAR(angleDifference(json["horizontal"]["azimuthFromNorth"].get<double>(),
                                model.azimuth + 180.0),
                0.0, kTolerance)
        << what;
    EXPECT_NEAR(
        angleDifference(json["equatorial"]["rightAscension"].get<double>(), model.rightAscension),
        0.0, kTolerance)
        << what;
    EXPECT_NEAR(angleDifference(json["equatorial"]["declination"].get<double>(), model.declination),
                0.0, kTolerance)
        << what;
    EXPECT_NEAR(json["ecliptic"]["latitude"].get<double>(), model.latitude, kTolerance) << what;
    EXPECT_NEAR(angleDifference(json["ecliptic"]["longitude"].get<double>(), model.longitude), 0.0,
                kTolerance)
        << what;
    EXPECT_LE(std::fabs(json["horizontal"]["altitude"].get<double>()), 90.0) << what;
    EXPECT_LE(std::fabs(json["equatorial"]["declination"].get<double>()), 90.0) << what;
    EXPECT_LE(std::fabs(json["ecliptic"]["latitude"].get<double>()), 90.0) << what;
    for (const double inCircle : {json["horizontal"]["azimuth"].get<double>(),
                                  json["horizontal"]["azimuthFromNorth"].get<double>(),
                                  json["equatorial"]["rightAscension"].get<double>(),
                                  json["ecliptic"]["longitude"].get<double>()}) {
        EXPECT_GE(inCircle, 0.0) << what;
        EXPECT_LT(inCircle, 360.0) << what;
    }
}

// Each frame converted by the command line agrees with the model's conversions on a record.
TEST(ConvertCommand, EachFrameAgreesWithTheModel) {
    const Ephemeris model = berlinModel();

    Coordinate horizontal;  // 30 degrees up in the east: the model's azimuth is 270
    horizontal.altitude = 30.0;
    horizontal.azimuth = 270.0;
    model.calcGeocentricFromAltAz(horizontal);
    model.calcEcliptic(horizontal);
    expectPosition(convertJson({"--from", "altaz", "--alt", "30", "--az", "90"}), horizontal,
                   "altaz");

    Coordinate equatorial;  // 5h 30m, -12.25
    equatorial.rightAscension = 82.5;
    equatorial.declination = -12.25;
    model.calcHorizontal(equatorial);
    model.calcEcliptic(equatorial);
    expectPosition(convertJson({"--from", "radec", "--ra", "5.5", "--dec", "-12.25"}), equatorial,
                   "radec");

    Coordinate ecliptic;
    ecliptic.latitude = -4.5;
    ecliptic.longitude = 200.0;
    model.calcGeocentric(ecliptic);
    model.calcHorizontal(ecliptic);
    ecliptic.longitude = 200.0;  // the given pair is printed as given, without the nutation
    expectPosition(convertJson({"--from", "ecliptic", "--ecl-lat", "-4.5", "--ecl-lon", "200"}),
                   ecliptic, "ecliptic");
}

TEST(ConvertCommand, PreciseConvertsOnTheTrueEclipticOfTheSourcesPlaces) {
    // The precise Sun's own equatorial place converts to its own ecliptic place, and back.
    Ephemeris model = berlinModel();
    model.setPositionSource(std::make_shared<PrecisePositions>());
    Coordinate sun;
    model.sunCoordinate(sun);
    const auto text = [](double value) {
        std::ostringstream out;
        out.precision(17);
        out << value;
        return out.str();
    };
    const std::string ra = text(sun.rightAscension / 15.0);
    const double declination = std::remainder(sun.declination, 360.0);  // held in [0, 360)
    const std::string dec = text(declination);
    const Json fromEquator =
        convertJson({"--from", "radec", "--ra", ra.c_str(), "--dec", dec.c_str(), "--precise"});
    constexpr double kMilliarcsecond = 1.0 / 3600e3;
    EXPECT_NEAR(angleDifference(fromEquator["ecliptic"]["longitude"], sun.longitude), 0.0,
                kMilliarcsecond);
    EXPECT_NEAR(fromEquator["ecliptic"]["latitude"].get<double>(), sun.latitude, kMilliarcsecond);

    const std::string latitude = text(sun.latitude);
    const std::string longitude = text(sun.longitude);
    const Json back = convertJson({"--from", "ecliptic", "--ecl-lat", latitude.c_str(), "--ecl-lon",
                                   longitude.c_str(), "--precise"});
    EXPECT_NEAR(angleDifference(back["equatorial"]["rightAscension"], sun.rightAscension), 0.0,
                kMilliarcsecond);
    EXPECT_NEAR(back["equatorial"]["declination"].get<double>(), declination, kMilliarcsecond);

    // The horizon is the same in both; the almanac's ecliptic (mean obliquity, the nutation in
    // longitude kept) is some arcseconds away.
    const Json almanac = convertJson({"--from", "radec", "--ra", ra.c_str(), "--dec", dec.c_str()});
    EXPECT_EQ(almanac["horizontal"], fromEquator["horizontal"]);
    const double apart = std::abs(
        angleDifference(almanac["ecliptic"]["latitude"], fromEquator["ecliptic"]["latitude"]));
    EXPECT_GT(apart, 0.1 / 3600);
    EXPECT_LT(apart, 20.0 / 3600);
}

TEST(ConvertCommand, JsonKeysInOrder) {
    const Json json = convertJson({"--from", "radec", "--ra", "0", "--dec", "0"});
    std::string keys;
    for (const auto& [frame, values] : json.items()) {
        keys += frame + "{";
        for (const auto& [key, value] : values.items()) {
            keys += key + " ";
        }
        keys += "} ";
    }
    EXPECT_EQ(keys,
              "horizontal{altitude azimuth azimuthFromNorth } equatorial{rightAscension "
              "declination } ecliptic{latitude longitude } ");
}

// The text shows what the calculator's labels show for the same position.
TEST(ConvertCommand, TextLinesInTheCalculatorsFormats) {
    const auto run = runConvert({"--from", "altaz", "--alt", "-10.5", "--az", "180"}, false);
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const AstrolabePosition position = AstrolabePosition::fromAltAz(berlinModel(), -10.5, 0.0);
    const std::string expected =
        "Horizontal | Altitude | " + position.labelText(kAltitudeMode) + "\n" +
        "Horizontal | Azimuth from South | 0\u00B0 0' 0\"\n" +
        "Horizontal | Azimuth from North | 180\u00B0 0' 0\"\n" + "Equatorial | Right Ascension | " +
        position.labelText(kRightAscensionMode) + "\n" + "Equatorial | Declination | " +
        position.labelText(kDeclinationMode) + "\n" + "Ecliptic | Latitude | " +
        position.labelText(kEclipticLatitudeMode) + "\n" + "Ecliptic | Longitude | " +
        position.labelText(kEclipticLongitudeMode) + "\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(position.labelText(kAltitudeMode), "-10\u00B0 30' 0\"");
}

// The azimuth from the north and from the south are rounded alike: they read 180 degrees
// apart to the second, also where a truncated text would show one second less.
TEST(ConvertCommand, AzimuthsFromNorthAndSouthReadHalfATurnApart) {
    for (const char* azimuth : {"139.10999", "0.00013", "359.99993", "200.5"}) {
        const auto run = runConvert({"--from", "altaz", "--alt", "10", "--az", azimuth}, false);
        ASSERT_EQ(run.status, kExitSuccess) << run.err;
        const auto reading = [&run](const std::string& name) {
            const std::size_t at = run.out.find(name + " | ");
            std::array<int, 3> fields{-1, -1, -1};
            if (at != std::string::npos) {
                std::sscanf(run.out.c_str() + at + name.size() + 3, "%d\u00B0 %d' %d", &fields[0],
                            &fields[1], &fields[2]);
            }
            return fields;
        };
        const std::array<int, 3> south = reading("Azimuth from South");
        const std::array<int, 3> north = reading("Azimuth from North");
        EXPECT_EQ((north[0] - south[0] + 360) % 360, 180) << azimuth << "\n" << run.out;
        EXPECT_EQ(north[1], south[1]) << azimuth;
        EXPECT_EQ(north[2], south[2]) << azimuth;
    }
}

TEST(ConvertCommand, BadInputGetsOneLineAndStatusTwo) {
    const std::vector<std::vector<const char*>> bad{
        {"--from", "altaz", "--alt", "91", "--az", "0"},
        {"--from", "altaz", "--alt", "10", "--az", "-1"},
        {"--from", "altaz", "--alt", "ten", "--az", "0"},
        {"--from", "altaz", "--alt", "10"},
        {"--from", "radec", "--ra", "24.5", "--dec", "0"},
        {"--from", "radec", "--ra", "1", "--dec", "nan"},
        {"--from", "ecliptic", "--ecl-lat", "-90.5", "--ecl-lon", "0"},
        {"--from", "ecliptic", "--ecl-lat", "0", "--ecl-lon", "1e400"},
        {"--from", "galactic", "--alt", "0", "--az", "0"},
        {"--from", "radec", "--alt", "0", "--az", "0"},
        {"--alt", "0", "--az", "0"},
        {"--from", "altaz", "--alt", "", "--az", "0"},
    };
    for (const auto& arguments : bad) {
        const auto run = runConvert(arguments, false);
        std::string joined;
        for (const char* argument : arguments) {
            joined += std::string(argument) + " ";
        }
        EXPECT_EQ(run.status, kExitBadInput) << joined;
        EXPECT_EQ(run.out, "") << joined;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << joined << run.err;
    }
}

}  // namespace
}  // namespace quenaro
