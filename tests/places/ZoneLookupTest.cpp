#include "places/ZoneLookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <stdexcept>
#include <string>

#include "places/tables/ZoneLookupTables.h"
#include "time/TimeZone.h"

namespace quenaro {
namespace {

TEST(ZoneLookup, EverySampleOfTheZoneMapGivesItsZone) {
    // Source: tests/places/data/README.md.
    std::ifstream samples(std::string(QUENARO_SOURCE_DIR) +
                          "/tests/places/data/zone_lookup_samples.tsv");
    ASSERT_TRUE(samples) << "zone_lookup_samples.tsv missing";
    std::string header;
    std::getline(samples, header);
    double latitude = 0.0;
    double longitude = 0.0;
    std::string zone;
    int count = 0;
    int wrong = 0;
    while (samples >> latitude >> longitude >> zone) {
        ++count;
        const std::string_view found = zoneAtPosition(latitude, longitude);
        if (found != zone) {
            ++wrong;
            ADD_FAILURE() << latitude << ", " << longitude << ": expected " << zone << ", got "
                          << found;
        }
    }
    EXPECT_EQ(count, 2000);
    EXPECT_EQ(wrong, 0);
}

TEST(ZoneLookup, PolesAntimeridianAndTheMapsOwnChecks) {
    struct Row {
        double latitude;
        double longitude;
        const char* zone;
    };
    const Row rows[] = {
        {52.52, 13.40, "Europe/Berlin"},
        {27.7, 85.3, "Asia/Kathmandu"},
        {1.87, -157.4, "Pacific/Kiritimati"},
        {-89.9, 0.0, "Antarctica/McMurdo"},
        {69.6489, 18.95508, "Europe/Oslo"},
        {90.0, 0.0, "Etc/GMT"},
        {90.0, -180.0, "Etc/GMT"},
        {-90.0, 0.0, "Antarctica/McMurdo"},
        {-90.0, 180.0, "Antarctica/McMurdo"},
        // Land and waters that straddle the antimeridian, read at both edges of the map:
        // Chukotka, Fiji (the meridian crosses Taveuni) and the western Aleutians.
        {65.0, 180.0, "Asia/Anadyr"},
        {65.0, -180.0, "Asia/Anadyr"},
        {-16.8, 180.0, "Pacific/Fiji"},
        {-16.8, -180.0, "Pacific/Fiji"},
        {51.5, -180.0, "America/Adak"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(zoneAtPosition(row.latitude, row.longitude), row.zone)
            << row.latitude << ", " << row.longitude;
    }
}

TEST(ZoneLookup, CoordinatesOutOfRangeOrNotFiniteAreRefused) {
    for (const double latitude : {90.000001, -90.5, std::nan(""), HUGE_VAL}) {
        EXPECT_THROW(zoneAtPosition(latitude, 0.0), std::invalid_argument) << latitude;
    }
    for (const double longitude : {180.000001, -181.0, std::nan(""), -HUGE_VAL}) {
        EXPECT_THROW(zoneAtPosition(0.0, longitude), std::invalid_argument) << longitude;
    }
    try {
        zoneAtPosition(0.0, 200.0);
        FAIL() << "no exception";
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(), "Longitude 200 is out of range: expected -180 to 180 degrees");
    }
}

TEST(ZoneLookup, EveryZoneOfTheMapIsAZoneOfTheSystemDatabase) {
    for (const std::string_view zone : g_ZoneLookupNames) {
        EXPECT_NO_THROW(TimeZone::named(zone)) << zone;
    }
}

}  // namespace
}  // namespace quenaro
