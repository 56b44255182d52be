#include "model/TimeZone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "model/EphemerisDate.h"

namespace quenaro {
namespace {

TEST(TimeZoneTest, UnknownNamesAreRefusedWithTheNameAndAnExample) {
    try {
        TimeZone::named("Mars/Olympus_Mons");
        FAIL() << "no exception";
    } catch (const std::invalid_argument& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("Mars/Olympus_Mons"), std::string::npos) << message;
        EXPECT_NE(message.find("Europe/Berlin"), std::string::npos) << message;
    }
    EXPECT_THROW(TimeZone::named(""), std::invalid_argument);
}

TEST(TimeZoneTest, NamesOfNamedAndFixedZones) {
    EXPECT_EQ(TimeZone::named("Asia/Kathmandu").name(), "Asia/Kathmandu");
    EXPECT_EQ(TimeZone::gmt().name(), "GMT");
    EXPECT_EQ(TimeZone::forSecondsFromGMT(20700).name(), "GMT+0545");
    EXPECT_EQ(TimeZone::forSecondsFromGMT(-3 * 3600).name(), "GMT-0300");
    EXPECT_EQ(TimeZone::forSecondsFromGMT(-(3600 + 30 * 60 + 15)).name(), "GMT-013015");
    EXPECT_EQ(TimeZone::named("Europe/Berlin"), TimeZone::named("Europe/Berlin"));
    EXPECT_NE(TimeZone::named("Europe/Berlin"), TimeZone::forSecondsFromGMT(3600));
}

TEST(TimeZoneTest, FixedOffsetsAreLimitedTo18Hours) {
    EXPECT_EQ(TimeZone::forSecondsFromGMT(18 * 3600).secondsFromGMT(0.0), 64800);
    EXPECT_THROW(TimeZone::forSecondsFromGMT(18 * 3600 + 1), std::invalid_argument);
    EXPECT_THROW(TimeZone::forSecondsFromGMT(-18 * 3600 - 1), std::invalid_argument);
}

TEST(TimeZoneTest, NonFiniteTimesAreRefused) {
    const TimeZone berlin = TimeZone::named("Europe/Berlin");
    for (const TimeZone& zone : {berlin, TimeZone::gmt()}) {
        EXPECT_THROW(zone.secondsFromGMT(std::nan("")), std::invalid_argument);
        EXPECT_THROW(zone.secondsFromGMT(HUGE_VAL), std::invalid_argument);
        EXPECT_THROW(zone.instantForWallTime(-HUGE_VAL), std::invalid_argument);
        EXPECT_THROW(zone.firstInstantAtOrAfterWallTime(1e300), std::invalid_argument);
    }
}

TEST(TimeZoneTest, DefaultZoneCanBeReplaced) {
    const TimeZone saved = TimeZone::defaultZone();
    const TimeZone kathmandu = TimeZone::named("Asia/Kathmandu");
    TimeZone::setDefaultZone(kathmandu);
    EXPECT_EQ(TimeZone::defaultZone(), kathmandu);
    const EphemerisDate date(0.0);
    EXPECT_EQ(date.timeZone(), kathmandu);
    EXPECT_EQ(date.minuteOfHour(), 45);
    TimeZone::setDefaultZone(saved);
    EXPECT_EQ(TimeZone::defaultZone(), saved);
}

}  // namespace
}  // namespace quenaro
