// ProbedZoneRules, the WebAssembly build's zone rules, found by probing offsets: against zones
// made up here (in every build) and, natively, against cctz for every zone of the system's
// database.

#include "time/ProbedZoneRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#if !defined(__EMSCRIPTEN__)
#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include <filesystem>
#endif

namespace quenaro {
namespace {

using Kind = WallTimeLookup::Kind;

/// A zone given by its changes: the offset before the first, then (instant, offset) in order.
struct MadeUpZone {
    int initialOffset;
    std::vector<std::pair<std::int64_t, int>> changes;

    int offsetAt(std::int64_t instant) const {
        int offset = initialOffset;
        for (const auto& [at, to] : changes) {
            if (at <= instant) {
                offset = to;
            }
        }
        return offset;
    }

    /// The lookup by its definition: every instant near the wall time whose clock shows it.
    WallTimeLookup lookup(std::int64_t wall) const {
        std::vector<std::int64_t> instants;
        for (int offset : {initialOffset}) {
            if (offsetAt(wall - offset) == offset) {
                instants.push_back(wall - offset);
            }
        }
        for (const auto& change : changes) {
            const std::int64_t instant = wall - change.second;
            if (offsetAt(instant) == change.second &&
                std::find(instants.begin(), instants.end(), instant) == instants.end()) {
                instants.push_back(instant);
            }
        }
        std::sort(instants.begin(), instants.end());
        if (instants.size() == 1) {
            return {Kind::unique, instants[0], instants[0]};
        }
        for (std::size_t index = 0; index < changes.size(); ++index) {
            const int before = index == 0 ? initialOffset : changes[index - 1].second;
            const std::int64_t at = changes[index].first;
            if (instants.size() == 2 && instants[0] < at && instants[1] >= at) {
                return {Kind::repeated, instants[0], at};
            }
            if (instants.empty() && wall - before >= at && wall - changes[index].second < at) {
                return {Kind::skipped, wall - before, at};
            }
        }
        ADD_FAILURE() << "no lookup for " << wall;
        return {Kind::unique, 0, 0};
    }
};

void expectSameLookup(const WallTimeLookup& actual, const WallTimeLookup& expected,
                      const std::string& what) {
    EXPECT_EQ(actual.kind, expected.kind) << what;
    EXPECT_EQ(actual.pre, expected.pre) << what;
    EXPECT_EQ(actual.trans, expected.trans) << what;
}

TEST(ProbedZoneRules, FindsEveryChangeToTheSecond) {
    constexpr std::int64_t day = 86'400;
    const MadeUpZone zone{
        3208,  // local mean time, seconds included
        {
            {-2'422'054'408, 3600},                 // to standard time at an odd second
            {1'000'000'000, 7200},                  // forward an hour
            {1'000'000'000 + 4 * day, 3600},        // back four days later
            {1'325'239'200, 50'400},                // a day skipped (as Apia, 2011)
            {1'400'000'000, -36'000},               // a day repeated and more
            {1'400'000'000 + 5 * day + 1, -34'200},  // half an hour forward
        }};
    const ProbedZoneRules rules([&zone](std::int64_t instant) { return zone.offsetAt(instant); });
    for (const auto& [at, offset] : zone.changes) {
        for (std::int64_t instant = at - 2; instant <= at + 2; ++instant) {
            EXPECT_EQ(rules.offsetAt(instant), zone.offsetAt(instant)) << instant;
        }
        for (std::int64_t wall : {at + 3208, at + 3600, at + 7200, at + 50'400, at - 36'000,
                                  at - 34'200, at + 5400, at + 30'000, at - 20'000}) {
            for (std::int64_t nearby = wall - 2; nearby <= wall + 2; ++nearby) {
                expectSameLookup(rules.lookup(nearby), zone.lookup(nearby),
                                 "wall " + std::to_string(nearby));
            }
        }
    }
    // Far before the first probe and after the last: the first offset, and the offset of the
    // same moment of a 400-year cycle.
    EXPECT_EQ(rules.offsetAt(-30'000'000'000'000), 3208);
    EXPECT_EQ(rules.offsetAt(ProbedZoneRules::kLatestProbe + 10 * day), -34'200);
}

#if !defined(__EMSCRIPTEN__)

namespace fs = std::filesystem;

std::int64_t seconds(cctz::time_point<cctz::seconds> instant) {
    return instant.time_since_epoch().count();
}

WallTimeLookup cctzLookup(const cctz::time_zone& zone, std::int64_t wall) {
    const auto lookup = zone.lookup(cctz::civil_second() + wall);
    switch (lookup.kind) {
        case cctz::time_zone::civil_lookup::SKIPPED:
            return {Kind::skipped, seconds(lookup.pre), seconds(lookup.trans)};
        case cctz::time_zone::civil_lookup::REPEATED:
            return {Kind::repeated, seconds(lookup.pre), seconds(lookup.trans)};
        case cctz::time_zone::civil_lookup::UNIQUE:
            break;
    }
    return {Kind::unique, seconds(lookup.pre), seconds(lookup.pre)};
}

/// The zones of the system's database: its files, less its copies and other files.
std::vector<std::string> databaseZones() {
    const fs::path folder = "/usr/share/zoneinfo";
    std::vector<std::string> zones;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).string();
        if (entry.is_directory() || name.starts_with("posix") || name.starts_with("right") ||
            name == "localtime" || name.find('.') != std::string::npos ||
            !(name[0] >= 'A' && name[0] <= 'Z')) {
            continue;
        }
        cctz::time_zone zone;
        if (cctz::load_time_zone(name, &zone)) {
            zones.push_back(name);
        }
    }
    std::sort(zones.begin(), zones.end());
    return zones;
}

// For every zone: each change from 1800 to 2100 and in a few years to 9000, the offsets around
// it and the wall times around both of its clock readings; and wall times spread over the years.
TEST(ProbedZoneRules, AgreesWithCctzForEveryZoneOfTheDatabase) {
    const std::vector<std::string> zones = databaseZones();
    ASSERT_GT(zones.size(), 300u);
    const std::int64_t from1800 = -5'364'662'400;
    const std::int64_t to2100 = 4'102'444'800;
    std::size_t checks = 0;
    for (const std::string& name : zones) {
        cctz::time_zone zone;
        ASSERT_TRUE(cctz::load_time_zone(name, &zone)) << name;
        const auto offsetAt = [&zone](std::int64_t instant) {
            return zone.lookup(cctz::time_point<cctz::seconds>(cctz::seconds(instant))).offset;
        };
        const ProbedZoneRules rules(offsetAt);
        std::vector<std::int64_t> changes;
        for (const std::int64_t start : {from1800, std::int64_t{7'258'118'400},  // 2200
                                         std::int64_t{16'725'225'600},           // 2500
                                         std::int64_t{221'845'392'000}}) {       // 9000
            auto instant = cctz::time_point<cctz::seconds>(cctz::seconds(start));
            const std::int64_t end = start == from1800 ? to2100 : start + 2 * 31'556'952;
            cctz::time_zone::civil_transition transition;
            while (zone.next_transition(instant, &transition)) {
                const auto at = zone.lookup(transition.to).trans;
                if (at <= instant || seconds(at) > end) {
                    break;
                }
                instant = at;
                changes.push_back(seconds(at));
            }
        }
        for (std::int64_t instant = from1800; instant < to2100; instant += 31'000'017) {
            changes.push_back(instant);
        }
        for (const std::int64_t at : changes) {
            for (const std::int64_t instant : {at - 1, at, at + 1}) {
                ASSERT_EQ(rules.offsetAt(instant), offsetAt(instant)) << name << " at " << instant;
            }
            for (const int offset : {offsetAt(at - 1), offsetAt(at)}) {
                for (const std::int64_t wall : {at + offset - 1, at + offset, at + offset + 1,
                                                at + offset + 1800, at + offset - 1800}) {
                    const WallTimeLookup expected = cctzLookup(zone, wall);
                    const WallTimeLookup actual = rules.lookup(wall);
                    ASSERT_EQ(actual.kind, expected.kind) << name << " wall " << wall;
                    ASSERT_EQ(actual.pre, expected.pre) << name << " wall " << wall;
                    ASSERT_EQ(actual.trans, expected.trans) << name << " wall " << wall;
                    ++checks;
                }
            }
        }
    }
    EXPECT_GT(checks, 100'000u);
}

#endif

}  // namespace
}  // namespace quenaro
