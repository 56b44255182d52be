// The dial's content on days without sunrise or sunset: whether the whole dial is sky comes
// from the model's answer for the Sun against its horizon.

#include <gtest/gtest.h>

#include "model/Ephemeris.h"
#include "time/TimeZone.h"
#include "drawing/OrreryContent.h"

namespace quenaro {
namespace {

Ephemeris modelAt(int year, unsigned month, unsigned day, unsigned hour, const char* zone,
                  double latitudeDegrees, double longitudeDegrees) {
    return Ephemeris(
        EphemerisDate::dateWithYear(year, month, day, hour, 0, 0, TimeZone::named(zone)),
        latitudeDegrees, longitudeDegrees);
}

TEST(OrreryContent, SunAboveHorizonOnThePolarDayAndNightAndAnOrdinaryDay) {
    struct Row {
        const char* name;
        Ephemeris model;
        bool withHorizon;
        bool sunAboveHorizon;
    };
    const Row rows[] = {
        {"polar day", modelAt(2026, 6, 21, 0, "Europe/Oslo", 69.65, 18.96), false, true},
        {"polar night", modelAt(2026, 12, 21, 12, "Europe/Oslo", 69.65, 18.96), false, false},
        {"Berlin by day", modelAt(2026, 3, 16, 12, "Europe/Berlin", 52.5, 13.4), true, true},
        {"Berlin by night", modelAt(2026, 3, 16, 23, "Europe/Berlin", 52.5, 13.4), true, false},
    };
    for (const Row& row : rows) {
        const OrreryContent content = orreryContent(row.model, false);
        EXPECT_EQ(content.horizon.has_value(), row.withHorizon) << row.name;
        EXPECT_EQ(content.sunAboveHorizon, row.sunAboveHorizon) << row.name;
        EXPECT_EQ(content.sunAboveHorizon,
                  row.model.isAboveEventAltitude(Ephemeris::HorizonAltitude, Ephemeris::Sun))
            << row.name;
    }
}

}  // namespace
}  // namespace quenaro
