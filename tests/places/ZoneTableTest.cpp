// The zones' principal places: the coordinates as the zone tables write them, the lines of a
// table, the two tables of a database folder, and the system's own database.

#include "places/ZoneTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace quenaro {
namespace {

constexpr double kArcSecond = 1.0 / 3600.0;

TEST(ZoneTable, CoordinatesOfBothKindsReadAndEverythingElseIsRefused) {
    struct Row {
        const char* text;
        bool reads;
        double latitude;
        double longitude;
    };
    const Row rows[] = {
        {"+5230+01322", true, 52.5, 13.0 + 22.0 / 60.0},
        {"-3352+15113", true, -(33.0 + 52.0 / 60.0), 151.0 + 13.0 / 60.0},
        {"+4043-07400", true, 40.0 + 43.0 / 60.0, -74.0},
        {"-332652-0703603", true, -(33.0 + 26.0 / 60.0 + 52.0 / 3600.0),
         -(70.0 + 36.0 / 60.0 + 3.0 / 3600.0)},
        {"+9000+18000", true, 90.0, 180.0},
        {"-0000-00000", true, 0.0, 0.0},
        // One part of each kind, or digits missing or extra.
        {"+5230+0132200", false, 0, 0},
        {"+523000+01322", false, 0, 0},
        {"+523+01322", false, 0, 0},
        {"+5230+013220", false, 0, 0},
        {"+5230", false, 0, 0},
        {"5230+01322", false, 0, 0},
        {"+5230 +01322", false, 0, 0},
        {"+52a0+01322", false, 0, 0},
        {"", false, 0, 0},
        // Minutes or seconds of 60, beyond a pole or beyond 180 degrees.
        {"+5260+01322", false, 0, 0},
        {"+523060+0132200", false, 0, 0},
        {"+9001+00000", false, 0, 0},
        {"+0000+18001", false, 0, 0},
    };
    for (const Row& row : rows) {
        const std::optional<ZonePlace> place = parseZoneCoordinates(row.text);
        ASSERT_EQ(place.has_value(), row.reads) << row.text;
        if (row.reads) {
            EXPECT_NEAR(place->latitudeDegrees, row.latitude, 1e-9) << row.text;
            EXPECT_NEAR(place->longitudeDegrees, row.longitude, 1e-9) << row.text;
        }
    }
}

TEST(ZoneTable, TheLineNamingTheZoneGivesItsPlaceAndCommentsOrDamagedLinesDoNot) {
    const std::string table =
        "# Europe/Paris\t+0000+00000 in a comment\n"
        "FR\t+4852+00220\tEurope/Parisian\n"
        "FR\tnot coordinates\tEurope/Paris\tcomment\n"
        "FR\t+4852+00220\n"
        "FR\t+4852+00220\tEurope/Paris\tthe first line that reads well\n"
        "FR\t+0000+00000\tEurope/Paris\n"
        "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires";
    std::istringstream paris(table);
    const std::optional<ZonePlace> place = zonePlaceInTable(paris, "Europe/Paris");
    ASSERT_TRUE(place.has_value());
    EXPECT_NEAR(place->latitudeDegrees, 48.0 + 52.0 / 60.0, 1e-9);
    // The last line, without a newline, still reads.
    std::istringstream lastLine(table);
    ASSERT_TRUE(zonePlaceInTable(lastLine, "America/Argentina/Buenos_Aires").has_value());
    std::istringstream prefix(table);
    EXPECT_FALSE(zonePlaceInTable(prefix, "Europe").has_value());
    std::istringstream empty;
    EXPECT_FALSE(zonePlaceInTable(empty, "Europe/Paris").has_value());

    EXPECT_EQ(zonePlaceName("America/Argentina/Buenos_Aires"), "Buenos Aires");
    EXPECT_EQ(zonePlaceName("Europe/Berlin"), "Berlin");
    EXPECT_EQ(zonePlaceName("UTC"), "UTC");
}

TEST(ZoneTable, ZonesOfZone1970ComeFromItAndFoldedZonesFromZoneTab) {
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / "zone_table_test";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "zone1970.tab") << "DE,NO\t+5230+01322\tEurope/Berlin\n";
    std::ofstream(folder / "zone.tab") << "DE\t+0000+00000\tEurope/Berlin\n"
                                       << "NO\t+5955+01045\tEurope/Oslo\n";
    EXPECT_NEAR(principalPlaceOfZone("Europe/Berlin", folder)->latitudeDegrees, 52.5, 1e-9);
    EXPECT_NEAR(principalPlaceOfZone("Europe/Oslo", folder)->longitudeDegrees, 10.75, 1e-9);
    EXPECT_FALSE(principalPlaceOfZone("Etc/UTC", folder).has_value());
    EXPECT_FALSE(principalPlaceOfZone("", folder).has_value());
    EXPECT_FALSE(principalPlaceOfZone("Europe/Berlin", folder / "missing").has_value());
    std::filesystem::remove_all(folder);
}

TEST(ZoneTable, TheSystemsDatabaseListsPrincipalPlacesButNoneForUtc) {
    const std::filesystem::path system = zoneDatabaseFolder();
    const std::optional<ZonePlace> berlin = principalPlaceOfZone("Europe/Berlin", system);
    ASSERT_TRUE(berlin.has_value()) << system;
    EXPECT_NEAR(berlin->latitudeDegrees, 52.5, kArcSecond);
    EXPECT_NEAR(berlin->longitudeDegrees, 13.0 + 22.0 / 60.0, kArcSecond);
    const std::optional<ZonePlace> santiago = principalPlaceOfZone("America/Santiago", system);
    ASSERT_TRUE(santiago.has_value());
    EXPECT_LT(santiago->latitudeDegrees, -33.0);
    EXPECT_LT(santiago->longitudeDegrees, -70.0);
    for (const char* zone : {"UTC", "Etc/UTC", "Etc/GMT+5", "GMT"}) {
        EXPECT_FALSE(principalPlaceOfZone(zone, system).has_value()) << zone;
    }
}

}  // namespace
}  // namespace quenaro
