// `--precise` on `position` and `sheet`: the precise source's places, said in the output.

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "CommandLineSupport.h"
#include "precise/ApparentPlace.h"

namespace quenaro {
namespace {

using Json = nlohmann::ordered_json;
using testing::runQuenaro;

TEST(PreciseCommand, PositionGivesThePreciseSourcesPlaceAtTheDateAsTT) {
    const struct {
        const char* name;
        PreciseBody body;
    } bodies[] = {{"sun", PreciseBody::Sun},         {"moon", PreciseBody::Moon},
                  {"mercury", PreciseBody::Mercury}, {"venus", PreciseBody::Venus},
                  {"mars", PreciseBody::Mars},       {"jupiter", PreciseBody::Jupiter},
                  {"saturn", PreciseBody::Saturn}};
    for (const auto& [name, body] : bodies) {
        const auto result = runQuenaro({"position", name, "--precise", "--jd", "2461041.5"});
        ASSERT_EQ(result.status, 0) << name << ": " << result.err;
        const Json position = Json::parse(result.out);
        const ApparentPlace place = apparentPlace(body, 2461041.5);
        EXPECT_EQ(position["ra"].get<double>(), place.rightAscension / 15) << name;
        EXPECT_EQ(position["dec"].get<double>(), place.declination) << name;
        EXPECT_EQ(position["longitude"].get<double>(), place.longitude) << name;
        EXPECT_NEAR(position["distance"].get<double>() * 149597870.7, place.distanceKilometres,
                    1e-6 * place.distanceKilometres)
            << name;
        EXPECT_EQ(position["positions"], "precise") << name;
        EXPECT_EQ(position.size(), 7u) << name;
    }
}

TEST(PreciseCommand, PositionKeepsTheSeriesForTheOuterPlanets) {
    const auto almanac = runQuenaro({"position", "uranus", "--jd", "2451545.0"});
    const auto precise = runQuenaro({"position", "uranus", "--precise", "--jd", "2451545.0"});
    ASSERT_EQ(precise.status, 0) << precise.err;
    // The same object with the source named at its end.
    EXPECT_EQ(precise.out,
              almanac.out.substr(0, almanac.out.size() - 2) + ", \"positions\": \"almanac\"}\n");
}

TEST(PreciseCommand, PositionRefusesTheMoonWithoutItAndDatesOutsideItsSpan) {
    const auto moon = runQuenaro({"position", "moon", "--jd", "2451545.0"});
    EXPECT_EQ(moon.status, 2);
    EXPECT_NE(moon.err.find("only with --precise"), std::string::npos) << moon.err;
    EXPECT_EQ(runQuenaro({"position", "moon", "--precise", "--jd", "2086307.5"}).status, 0);
    EXPECT_EQ(runQuenaro({"position", "moon", "--precise", "--jd", "2086307.4"}).status, 2);
    EXPECT_EQ(runQuenaro({"position", "mars", "--precise", "--jd", "2817152.5"}).status, 2);
    EXPECT_EQ(runQuenaro({"position", "mars", "--precise", "--jd", "nan"}).status, 2);
}

TEST(PreciseCommand, SheetSaysItsSourceAndDeltaT) {
    const auto almanac = runQuenaro({"sheet", "--json", "--date", "2026-12-07T21:08", "--tz",
                                     "Europe/Berlin", "--lat", "52.5", "--lon", "13.4"});
    const auto precise = runQuenaro({"sheet", "--json", "--precise", "--date", "2026-12-07T21:08",
                                     "--tz", "Europe/Berlin", "--lat", "52.5", "--lon", "13.4"});
    ASSERT_EQ(precise.status, 0) << precise.err;
    const Json a = Json::parse(almanac.out);
    const Json p = Json::parse(precise.out);
    EXPECT_FALSE(a.contains("positions"));
    auto key = p.begin();
    std::advance(key, 3);
    EXPECT_EQ(key.key(), "positions");
    EXPECT_EQ(p["positions"], "precise");
    EXPECT_NEAR(p["deltaT"].get<double>(), 69.6, 0.5);
    EXPECT_EQ(p.size(), a.size() + 2);
    // The rows end with the one the text ends with.
    EXPECT_EQ(p["rows"].size(), a["rows"].size() + 1);
    EXPECT_EQ(p["rows"].back(), Json::array({"Positions", "Source", "precise, delta T 69.6 s"}));
    // The almanac's Sun is within a minute of arc of the precise one, its Moon within two.
    EXPECT_NE(p["sun"]["coordinate"]["longitude"], a["sun"]["coordinate"]["longitude"]);
    EXPECT_NEAR(p["sun"]["coordinate"]["longitude"].get<double>(),
                a["sun"]["coordinate"]["longitude"].get<double>(), 60.0 / 3600);
    EXPECT_NEAR(p["moon"]["coordinate"]["rightAscension"].get<double>(),
                a["moon"]["coordinate"]["rightAscension"].get<double>(), 120.0 / 3600);

    const auto text = runQuenaro({"sheet", "--precise", "--date", "2026-12-07T21:08", "--tz",
                                  "Europe/Berlin", "--lat", "52.5", "--lon", "13.4"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("\nPositions | Source | precise, delta T 69.6 s\n"), std::string::npos)
        << text.out;
}

}  // namespace
}  // namespace quenaro
