// The timeline's kept bars: a view drawn again and again shows what a fresh timelineContent()
// would, whichever of the moment, the day, the zone, the place or the source of positions
// changed between two draws.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "drawing/TimelineContent.h"
#include "model/Ephemeris.h"
#include "model/PositionSource.h"
#include "time/TimeZone.h"

namespace quenaro {
namespace {

/// Every body on the equator at the equinox, 1 AU away: events unlike the real ones.
class EquinoxPoint final : public PositionSource {
  public:
    Coordinate apparentPlace(int, double) const override {
        Coordinate place;
        place.radius = 149597870.7;
        return place;
    }
    double trueObliquity(double) const override { return 23.44; }
    double deltaTSeconds(double) const override { return 0.0; }
    std::string_view name() const override { return "equinox point"; }
};

Ephemeris model(int day, int hour, const char* zone, double latitude) {
    return Ephemeris(EphemerisDate::dateWithYear(2026, 12, day, hour, 30, 0, TimeZone::named(zone)),
                     latitude, 13.4);
}

TEST(TimelineContentMemo, DrawsWhatAFreshContentWouldAfterEachChange) {
    Ephemeris withSource = model(8, 9, "Europe/Berlin", 52.5);
    withSource.setPositionSource(std::make_shared<EquinoxPoint>());
    const std::vector<std::pair<std::string, Ephemeris>> sequence{
        {"evening", model(7, 20, "Europe/Berlin", 52.5)},
        {"later the same day", model(7, 23, "Europe/Berlin", 52.5)},
        {"another zone", model(7, 23, "Asia/Tokyo", 52.5)},
        {"another place", model(7, 23, "Asia/Tokyo", 69.65)},
        {"the next day", model(8, 9, "Europe/Berlin", 52.5)},
        {"another source", withSource},
        {"the source gone again", model(8, 10, "Europe/Berlin", 52.5)},
    };
    TimelineContentMemo memo;
    for (const auto& [name, model] : sequence) {
        const TimelineContent kept = memo.contentFor(model);
        const TimelineContent fresh = timelineContent(model);
        EXPECT_EQ(kept.nowFraction, fresh.nowFraction) << name;
        EXPECT_EQ(kept.bars, fresh.bars) << name;
    }
}

}  // namespace
}  // namespace quenaro
