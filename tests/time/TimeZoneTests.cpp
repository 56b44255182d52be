#include "time/TimeZone.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "time/EphemerisDate.h"

namespace quenaro {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

TEST(TimeZoneTest, UnknownNamesAreRefusedWithTheNameAndAnExample) {
    EXPECT_THAT([] { TimeZone::named("Mars/Olympus_Mons"); },
                ThrowsMessage<std::invalid_argument>(
                    AllOf(HasSubstr("Mars/Olympus_Mons"), HasSubstr("Europe/Berlin"))));
    EXPECT_THROW(TimeZone::named(""), std::invalid_argument);
}

TEST(TimeZoneTest, NamesAndTheLimitOfFixedOffsets) {
    EXPECT_EQ(TimeZone::named("Asia/Kathmandu").name(), "Asia/Kathmandu");
    EXPECT_EQ(TimeZone::gmt().name(), "GMT");
    EXPECT_EQ(TimeZone::forSecondsFromGMT(20700).name(), "GMT+0545");
    EXPECT_EQ(TimeZone::forSecondsFromGMT(-(3600 + 30 * 60 + 15)).name(), "GMT-013015");
    EXPECT_EQ(TimeZone::forSecondsFromGMT(18 * 3600).secondsFromGMT(0.0), 64800);
    EXPECT_THROW(TimeZone::forSecondsFromGMT(18 * 3600 + 1), std::invalid_argument);
    EXPECT_THROW(TimeZone::forSecondsFromGMT(-18 * 3600 - 1), std::invalid_argument);
}

TEST(TimeZoneTest, NonFiniteTimesAreRefused) {
    for (const TimeZone& zone : {TimeZone::named("Europe/Berlin"), TimeZone::gmt()}) {
        EXPECT_THROW(zone.secondsFromGMT(std::nan("")), std::invalid_argument);
        EXPECT_THROW(zone.instantForWallTime(-HUGE_VAL), std::invalid_argument);
        EXPECT_THROW(zone.firstInstantAtOrAfterWallTime(1e300), std::invalid_argument);
    }
}

TEST(TimeZoneTest, DefaultZoneCanBeReplaced) {
    const TimeZone saved = TimeZone::defaultZone();
    TimeZone::setDefaultZone(TimeZone::named("Asia/Kathmandu"));
    const EphemerisDate date(0.0);
    TimeZone::setDefaultZone(saved);
    EXPECT_EQ(date.timeZone().name(), "Asia/Kathmandu");
    EXPECT_EQ(date.minuteOfHour(), 45);
}

}  // namespace
}  // namespace quenaro
