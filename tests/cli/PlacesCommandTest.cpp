// `quenaro places`: the gazetteer's matches as lines and as JSON, nothing found, --limit, and
// the data's credit in the help.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>

#include "CommandLineSupport.h"
#include "places/PlaceAttribution.h"

namespace quenaro {
namespace {

using Json = nlohmann::ordered_json;
using testing::runQuenaro;

long countLines(const std::string& text) {
    return std::ranges::count(text, '\n');
}

// Hemispheres, digit groups, the US and Canadian regions, a place of unknown size, the
// default limit.
TEST(PlacesCommand, OneLineEachBestFirst) {
    const struct {
        std::initializer_list<const char*> arguments;
        long lines;
        const char* first;
    } rows[] = {
        {{"places", "Tromsø"},
         1,
         "Tromsø, Norway — 69.6489 N 18.9551 E, Europe/Oslo, 64,448 people\n"},
        {{"places", "sao p", "--limit", "1"},
         1,
         "São Paulo, Brazil — 23.5475 S 46.6361 W, America/Sao_Paulo, 12,400,232 people\n"},
        {{"places", "Springfield", "--limit", "3"},
         3,
         "Springfield, MO, United States — 37.2153 N 93.2982 W, America/Chicago, 166,810 "
         "people\n"},
        {{"places", "London, ON", "--limit", "1"},
         1,
         "London, ON, Canada — 42.9834 N 81.2330 W, America/Toronto, 346,765 people\n"},
        {{"places", "Ahau"}, 2, "Ahau, Fiji — 12.5000 S 177.0500 E, Pacific/Fiji\n"},
        {{"places", "san"}, 10, "San, Mali — "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first);
        const auto run = runQuenaro(row.arguments);
        ASSERT_EQ(run.status, kExitSuccess) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(countLines(run.out), row.lines) << run.out;
        EXPECT_TRUE(run.out.starts_with(row.first)) << run.out;
    }
}

TEST(PlacesCommand, JsonHasEveryFieldInOrder) {
    // Ordered objects compare equal only with their keys in the same order.
    const auto tromso = runQuenaro({"places", "Tromsø", "--json"});
    ASSERT_EQ(tromso.status, kExitSuccess) << tromso.err;
    EXPECT_EQ(Json::parse(tromso.out),
              Json::parse(R"([{"name": "Tromsø", "asciiName": "Tromso", "country": "NO",
                  "countryName": "Norway", "region": "54", "latitude": 69.6489,
                  "longitude": 18.95508, "elevation": 0, "population": 64448,
                  "zone": "Europe/Oslo"}])"));

    const auto san = runQuenaro({"places", "san", "--limit", "25", "--json"});
    ASSERT_EQ(san.status, kExitSuccess) << san.err;
    EXPECT_EQ(Json::parse(san.out).size(), 25u);
}

TEST(PlacesCommand, NothingFoundIsStatusFour) {
    const auto text = runQuenaro({"places", "Xqzzy"});
    EXPECT_EQ(text.status, kExitNothingFound);
    EXPECT_EQ(text.out, "");
    EXPECT_EQ(text.err, "quenaro: no place matches 'Xqzzy'\n");
    const auto json = runQuenaro({"places", "Paris, Xqzzy", "--json"});
    EXPECT_EQ(json.status, kExitNothingFound);
    EXPECT_EQ(json.out, "[]\n");
    EXPECT_EQ(json.err, "quenaro: no place matches 'Paris, Xqzzy'\n");
}

TEST(PlacesCommand, LimitIsAWholeNumberFromOneToAThousand) {
    const struct {
        const char* limit;
        long lines;
    } accepted[] = {{"1", 1}, {"007", 7}, {"1000", 1000}};
    for (const auto& row : accepted) {
        const auto run = runQuenaro({"places", "s", "--limit", row.limit});
        EXPECT_EQ(run.status, kExitSuccess) << row.limit << ": " << run.err;
        EXPECT_EQ(countLines(run.out), row.lines) << row.limit;
    }
    const struct {
        const char* limit;
        const char* message;
    } refused[] = {
        {"0", "quenaro: --limit '0': out of range; expected a whole number from 1 to 1000\n"},
        {"1001", "quenaro: --limit '1001': out of range; expected a whole number from 1 to 1000\n"},
        {"99999999999999999999999",
         "quenaro: --limit '99999999999999999999999': out of range; expected a whole number from "
         "1 to 1000\n"},
        {"-1", "quenaro: --limit '-1': expected a whole number from 1 to 1000\n"},
        {"2.5", "quenaro: --limit '2.5': expected a whole number from 1 to 1000\n"},
        {"", "quenaro: --limit '': empty; expected a whole number from 1 to 1000\n"},
    };
    for (const auto& row : refused) {
        const auto run = runQuenaro({"places", "Tromsø", "--limit", row.limit});
        EXPECT_EQ(run.status, kExitBadInput) << row.limit;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, row.message);
    }
}

TEST(PlacesCommand, EmptyOrMissingQueryIsBadInput) {
    const auto empty = runQuenaro({"places", ""});
    EXPECT_EQ(empty.status, kExitBadInput);
    EXPECT_TRUE(empty.err.starts_with("quenaro: QUERY '': empty")) << empty.err;
    const auto missing = runQuenaro({"places", "--json"});
    EXPECT_EQ(missing.status, kExitBadInput);
    EXPECT_EQ(countLines(missing.err), 1) << missing.err;
}

TEST(PlacesCommand, HelpCreditsTheData) {
    const std::string gazetteer(kGazetteerAttribution);
    const std::string boundaries(kZoneBoundaryAttribution);
    const auto places = runQuenaro({"places", "--help"});
    EXPECT_EQ(places.status, kExitSuccess);
    EXPECT_NE(places.out.find(exitStatusText() + "\nData:\n  " + gazetteer + "\n"),
              std::string::npos)
        << places.out;
    for (const char* subcommand : {"sheet", "report"}) {
        const auto help = runQuenaro({subcommand, "--help"});
        EXPECT_NE(help.out.find("Data:\n  " + gazetteer + "\n  " + boundaries + "\n"),
                  std::string::npos)
            << help.out;
    }
}

}  // namespace
}  // namespace quenaro
