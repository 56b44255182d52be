#include "places/Gazetteer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "places/tables/GazetteerTables.h"
#include "time/TimeZone.h"

namespace quenaro {
namespace {

// "Name (CC region)" of each place found, best first.
std::vector<std::string> found(std::string_view query, std::size_t limit = 10) {
    std::vector<std::string> names;
    for (const Place& place : searchPlaces(query, limit)) {
        names.push_back(std::string(place.name) + " (" + std::string(place.country) + " " +
                        std::string(place.region) + ")");
    }
    return names;
}

std::string best(std::string_view query) {
    const std::vector<std::string> names = found(query, 1);
    return names.empty() ? "nothing" : names.front();
}

TEST(Gazetteer, APlaceCarriesEveryFieldOfItsRow) {
    const std::optional<Place> tromso = resolvePlace("Tromsø");
    ASSERT_TRUE(tromso);
    EXPECT_EQ(*tromso, (Place{"Tromsø", "Tromso", "NO", "Norway", "54", 69.6489, 18.95508, 0, 64448,
                              "Europe/Oslo"}));
    const std::optional<Place> toronto = resolvePlace("Toronto");
    ASSERT_TRUE(toronto);
    EXPECT_EQ(toronto->region, "ON");  // GeoNames numbers Canadian provinces: 08
    EXPECT_EQ(toronto->countryName, "Canada");
    EXPECT_EQ(resolvePlace("Pristina")->countryName, "Kosovo");  // XK: not in ISO 3166
    // Coordinates are the doubles nearest the data's decimal texts (-3386785 / 1e5, not
    // -3386785 * 1e-5, which is one unit in the last place off).
    EXPECT_EQ(resolvePlace("Sydney")->latitudeDegrees, -33.86785);
}

TEST(Gazetteer, NamesMatchByFoldedPrefixOfTheNameOrItsAsciiSpelling) {
    struct Row {
        const char* query;
        const char* expected;
    };
    const Row rows[] = {
        {"tromsø", "Tromsø (NO 54)"},
        {"Tromso", "Tromsø (NO 54)"},
        {"TROMS", "Tromsø (NO 54)"},
        {"  troms ", "Tromsø (NO 54)"},
        {"sao p", "São Paulo (BR 27)"},
        {"SÃO   PAULO", "São Paulo (BR 27)"},
        {"Sa\xcc\x83o Paulo", "São Paulo (BR 27)"},  // the tilde as a combining mark
        {"lodz", "Łódź (PL 74)"},
        {"köln", "Köln (DE 07)"},
        {"koeln", "Köln (DE 07)"},  // only GeoNames' ASCII spelling has "oe"
        {"dong hoi", "Đồng Hới (VN 62)"},
        {"xi'an", "Xi’an (CN 26)"},
        {"Xi’an", "Xi’an (CN 26)"},
        {"giessen", "Gießen (DE 05)"},
        {"GIESSEN", "Gießen (DE 05)"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(best(row.query), row.expected) << row.query;
    }
}

TEST(Gazetteer, WholeNamesComeFirstThenPopulationThenTableOrder) {
    // "San" in Mali (24,811 people) before the far larger places whose names start with "san".
    const std::vector<Place> san = searchPlaces("san", 10);
    ASSERT_EQ(san.size(), 10u);
    EXPECT_EQ(san[0].name, "San");
    EXPECT_EQ(san[0].country, "ML");
    for (std::size_t i = 1; i < san.size(); ++i) {
        EXPECT_EQ(foldForSearch(san[i].asciiName).substr(0, 3), "san");
        EXPECT_LE(san[i].population, i > 1 ? san[i - 1].population : san[i].population);
        EXPECT_GT(san[i].population, san[0].population);
    }
    EXPECT_THAT(found("York", 4),
                testing::ElementsAre("York (GB ENG)", "York (US PA)",
                                     "York University Heights (CA ON)", "Yorkville (US IL)"));
    // Two Anninos of 30,000 people: in the tables' order.
    EXPECT_THAT(found("Annino"), testing::ElementsAre("Annino (RU 48)", "Annino (RU 47)"));
    // A city listed under both its names appears once.
    EXPECT_THAT(found("Köln"), testing::ElementsAre("Köln (DE 07)"));
    const std::vector<std::string> allKo = found("Ko", std::size(g_Cities));
    EXPECT_EQ(allKo.size(), std::set<std::string>(allKo.begin(), allKo.end()).size());
}

TEST(Gazetteer, TextAfterACommaNarrowsByCountryCodeRegionOrCountryName) {
    struct Row {
        const char* query;
        const char* expected;
    };
    const Row rows[] = {
        {"Paris", "Paris (FR 11)"},
        {"Paris, FR", "Paris (FR 11)"},
        {"Paris, fr", "Paris (FR 11)"},
        {"Paris, France", "Paris (FR 11)"},
        {"Paris, TX", "Paris (US TX)"},      // no country TX: the state
        {"Paris, united", "Paris (US TX)"},  // United States, not United Kingdom
        {"London, UK", "London (GB ENG)"},
        {"London, GB", "London (GB ENG)"},
        {"London, United Kingdom", "London (GB ENG)"},
        {"London, CA", "London (CA ON)"},  // Canada, before California
        {"London, Canada", "London (CA ON)"},
        {"Springfield", "Springfield (US MO)"},
        {"Springfield, IL", "Springfield (US IL)"},  // no Springfield in Israel: Illinois
        {"Springfield, MA", "Springfield (US MA)"},  // none in Morocco: Massachusetts
        {"Springfield, USA", "Springfield (US MO)"},
        {"Kingston, ON", "Kingston (CA ON)"},
        {"Paris,", "Paris (FR 11)"},
        {"Mianzhu, Deyang", "Mianzhu, Deyang, Sichuan (CN 32)"},  // a name with commas
        {"Paris, Narnia", "nothing"},
        {"Paris, XX", "nothing"},
        {"Springfield, ON", "nothing"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(best(row.query), row.expected) << row.query;
    }
}

TEST(Gazetteer, NothingMatches) {
    for (const char* query : {"", "   ", ",", ", FR", "Xyzzyx", "Tromsøx", "\xff\xfe"}) {
        EXPECT_TRUE(searchPlaces(query).empty()) << query;
        EXPECT_FALSE(resolvePlace(query)) << query;
    }
    EXPECT_TRUE(searchPlaces("Paris", 0).empty());
    EXPECT_EQ(searchPlaces("a", 25).size(), 25u);
}

// The generated tables hold together: the index lists every city under its folded name (and
// its folded ASCII name when that differs) in the order the search relies on, every city is
// found by its own name, and every zone is one the system's zone database knows.
TEST(Gazetteer, EveryCityIsFoundByItsOwnNameAndHasAKnownZone) {
    std::vector<int> entriesPerCity(std::size(g_Cities), 0);
    std::string previous;
    for (const CitySearchEntry entry : g_CitySearchIndex) {
        const CityRecord& city = g_Cities[entry >> 1];
        const std::string key = foldForSearch(std::string_view(
            g_CityText + ((entry & 1) != 0 ? city.asciiNameOffset : city.nameOffset)));
        ASSERT_LE(previous, key) << "index out of order at " << key;
        previous = key;
        ++entriesPerCity[entry >> 1];
    }
    EXPECT_EQ(std::count(entriesPerCity.begin(), entriesPerCity.end(), 0), 0);

    // The first place found has the name as its name or its ASCII name ("San Sebastián"
    // finds "Donostia / San Sebastián", ASCII name "San Sebastian", of 185,357 people).
    int notFound = 0;
    for (std::size_t index = 0; index < std::size(g_Cities); ++index) {
        const std::string_view name(g_CityText + g_Cities[index].nameOffset);
        const std::vector<Place> places = searchPlaces(name, 1);
        if (places.empty() || (foldForSearch(places.front().name) != foldForSearch(name) &&
                               foldForSearch(places.front().asciiName) != foldForSearch(name))) {
            ++notFound;
            ADD_FAILURE() << name << " does not find itself first";
        }
        if (notFound > 10) {
            break;
        }
    }
    for (const std::string_view zone : g_CityZoneNames) {
        EXPECT_NO_THROW(TimeZone::named(zone)) << zone;
    }
}

}  // namespace
}  // namespace quenaro
