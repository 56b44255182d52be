#include "time/TimeZone.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "time/EphemerisDate.h"
#include "time/ZoneRules.h"
#include "support/CapturedLog.h"

#if defined(__EMSCRIPTEN__)
#include <emscripten.h>

// The zone Intl.DateTimeFormat resolves for the system, written into the buffer.
EM_JS(void, quenaro_test_intl_system_zone, (char* buffer, int size), {
    stringToUTF8(new Intl.DateTimeFormat().resolvedOptions().timeZone || "", buffer, size);
});
#endif

namespace quenaro {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

TEST(TimeZoneTest, UnknownNamesAreRefusedWithTheNameAndAnExample) {
    EXPECT_THAT([] { TimeZone::named("Mars/Olympus_Mons"); },
                ThrowsMessage<std::invalid_argument>(
                    AllOf(HasSubstr("Mars/Olympus_Mons"), HasSubstr("Europe/Berlin"))));
    // Paths and the database's own files and copies are no zone names, even where a file of
    // that name exists in the database folder.
    for (const char* notAName :
         {"", "/usr/share/zoneinfo/Europe/Berlin", "../zoneinfo/UTC", "Europe/../UTC", "Europe",
          "localtime", "posix/Europe/Berlin", "right/UTC", "zone.tab", "file:UTC",
          "Fixed/UTC+01:00:00", "Europe//Berlin", "Europe/Berlin/", "europe/berlin", "UTc"}) {
        EXPECT_THROW(TimeZone::named(notAName), std::invalid_argument) << notAName;
    }
}

// Offsets well past the last change the zone files list (2037): the zones' lasting rules.
TEST(TimeZoneTest, ZoneRulesHoldInEveryYear) {
    const TimeZone berlin = TimeZone::named("Europe/Berlin");
    const auto gmtInstant = [](int year, unsigned month, unsigned day, unsigned hour,
                               unsigned minute = 0, unsigned second = 0) {
        return EphemerisDate::dateWithYear(year, month, day, hour, minute, second, TimeZone::gmt())
            .timeIntervalSinceReferenceDate();
    };
    struct Row {
        const char* what;
        const char* zone;
        double instant;
        int expectedOffsetSeconds;
    };
    // Berlin changes at 01:00 GMT on the last Sundays of March and October: 2040-03-25 and
    // 2040-10-28 (a week before each, the old offset still holds).
    const Row rows[] = {
        {"Berlin, summer 2040", "Europe/Berlin", gmtInstant(2040, 7, 1, 10), 7200},
        {"Berlin, a week before the spring change", "Europe/Berlin", gmtInstant(2040, 3, 18, 1),
         3600},
        {"Berlin, the second before it", "Europe/Berlin", gmtInstant(2040, 3, 25, 0, 59, 59), 3600},
        {"Berlin, the spring change", "Europe/Berlin", gmtInstant(2040, 3, 25, 1), 7200},
        {"Berlin, a week before the autumn change", "Europe/Berlin", gmtInstant(2040, 10, 21, 1),
         7200},
        {"Berlin, the second before it", "Europe/Berlin", gmtInstant(2040, 10, 28, 0, 59, 59),
         7200},
        {"Berlin, the autumn change", "Europe/Berlin", gmtInstant(2040, 10, 28, 1), 3600},
        {"Berlin, summer 9999", "Europe/Berlin", gmtInstant(9999, 7, 1, 12), 7200},
        {"Sydney, summer 2050", "Australia/Sydney", gmtInstant(2050, 1, 1, 0), 39600},
        {"Sydney, winter 2050", "Australia/Sydney", gmtInstant(2050, 7, 1, 0), 36000},
        {"Lord Howe, summer 2060", "Australia/Lord_Howe", gmtInstant(2060, 1, 1, 0), 39600},
        {"Lord Howe, winter 2060", "Australia/Lord_Howe", gmtInstant(2060, 7, 1, 0), 37800},
        {"New York, summer 2100", "America/New_York", gmtInstant(2100, 7, 4, 16), -14400},
        {"Kathmandu, 2100", "Asia/Kathmandu", gmtInstant(2100, 7, 1, 0), 20700},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TimeZone::named(row.zone).secondsFromGMT(row.instant), row.expectedOffsetSeconds)
            << row.what;
    }
    // Wall times: the skipped hour of 2040-03-25 moves forward, the noon of 2040-07-01 is
    // 10:00 GMT.
    EXPECT_EQ(berlin.instantForWallTime(gmtInstant(2040, 3, 25, 2, 30)),
              gmtInstant(2040, 3, 25, 1, 30));
    EXPECT_EQ(berlin.firstInstantAtOrAfterWallTime(gmtInstant(2040, 3, 25, 2, 30)),
              gmtInstant(2040, 3, 25, 1));
    EXPECT_EQ(berlin.instantForWallTime(gmtInstant(2040, 7, 1, 12)), gmtInstant(2040, 7, 1, 10));
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

#if defined(__EMSCRIPTEN__)
// In WebAssembly the system's zone is the one Intl.DateTimeFormat resolves (under Node, the one
// TZ or the machine names), by the name Intl gives it ("Asia/Calcutta" for TZ=Asia/Kolkata); UTC
// when that is no zone Intl knows (Node's "Etc/Unknown" for an empty TZ, nothing for an unknown
// one), with one line in the diagnostic log.
TEST(TimeZoneTest, SystemZoneIsTheOneIntlResolves) {
    char resolved[256] = {};
    quenaro_test_intl_system_zone(resolved, static_cast<int>(sizeof resolved));
    const std::string intlZone = resolved;
    bool known = true;
    try {
        TimeZone::named(intlZone);
    } catch (const std::invalid_argument&) {
        known = false;
    }
    testing::CapturedLog log;
    EXPECT_EQ(systemDefaultZone().name(), known ? intlZone : "UTC");
    EXPECT_EQ(log.lines.size(), known ? 0u : 1u);
}
#endif

}  // namespace
}  // namespace quenaro
