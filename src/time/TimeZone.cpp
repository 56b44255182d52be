#include "time/TimeZone.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "time/ZoneRules.h"

namespace quenaro {

namespace {

constexpr int kMaxFixedOffsetSeconds = 18 * 3600;
// Seconds from the rules' epoch, 1970-01-01, to the reference date, 2001-01-01.
constexpr std::int64_t kReferenceDateSinceUnixEpoch = 978307200;
// Larger magnitudes are refused before any conversion to an integer.
constexpr double kMaxAbsSeconds = 1e15;

// Whole seconds (floor) of a time since the reference date, checked before conversion.
std::int64_t wholeSeconds(double secondsSinceReferenceDate, const char* what) {
    if (!(std::fabs(secondsSinceReferenceDate) <= kMaxAbsSeconds)) {
        char message[160];
        std::snprintf(message, sizeof message,
                      "TimeZone: %s %g s since 2001-01-01 is not finite or beyond 1e15 s", what,
                      secondsSinceReferenceDate);
        throw std::invalid_argument(message);
    }
    return static_cast<std::int64_t>(std::floor(secondsSinceReferenceDate));
}

double secondsSinceReferenceDate(std::int64_t unixSeconds) {
    return static_cast<double>(unixSeconds - kReferenceDateSinceUnixEpoch);
}

// The zone's reading of a wall time given in whole seconds since 2001-01-01 00:00:00 on its
// clock.
WallTimeLookup wallTimeLookup(const ZoneRules& rules, std::int64_t wallSeconds) {
    return zoneWallTimeLookup(rules, wallSeconds + kReferenceDateSinceUnixEpoch);
}

// True for text that can be an IANA zone name: components of letters, digits, '_', '+' and
// '-', each starting with a letter, joined by '/'. Paths, "..", and cctz's own "file:" and
// "Fixed/" forms are not.
bool looksLikeZoneName(std::string_view name) {
    if (name.empty() || name.size() > 255) {
        return false;
    }
    bool componentStart = true;
    for (const char c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool other = (c >= '0' && c <= '9') || c == '_' || c == '+' || c == '-';
        if (c == '/') {
            if (componentStart) {
                return false;
            }
            componentStart = true;
        } else if (componentStart ? !letter : !(letter || other)) {
            return false;
        } else {
            componentStart = false;
        }
    }
    return !componentStart;
}

// Files of the zone database folder that are not zones of their own name: the machine's zone
// under the name "localtime", the rules new zones once copied, and whole copies of the
// database (with and without leap seconds).
bool isDatabaseCopy(std::string_view name) {
    return name == "localtime" || name == "posixrules" || name.starts_with("posix/") ||
           name.starts_with("right/");
}

TimeZone& defaultZoneStorage() {
    static TimeZone zone = systemDefaultZone();
    return zone;
}

}  // namespace

TimeZone TimeZone::named(std::string_view ianaName) {
    const std::string name(ianaName);
    const ZoneRules* rules = nullptr;
    if (looksLikeZoneName(name) && !isDatabaseCopy(name)) {
        rules = loadZoneRules(name);
    }
    if (rules == nullptr) {
        throw std::invalid_argument("Unknown time zone \"" + name +
                                    "\": expected an IANA zone name such as \"Europe/Berlin\"");
    }
    return TimeZone(rules, 0);
}

TimeZone TimeZone::forSecondsFromGMT(int secondsFromGMT) {
    if (std::abs(secondsFromGMT) > kMaxFixedOffsetSeconds) {
        throw std::invalid_argument("Time zone offset " + std::to_string(secondsFromGMT) +
                                    " s from GMT is out of range: expected -64800 to 64800 s "
                                    "(at most 18 hours)");
    }
    return TimeZone(nullptr, secondsFromGMT);
}

TimeZone TimeZone::gmt() {
    return forSecondsFromGMT(0);
}

TimeZone TimeZone::defaultZone() {
    return defaultZoneStorage();
}

void TimeZone::setDefaultZone(const TimeZone& zone) {
    defaultZoneStorage() = zone;
}

int TimeZone::secondsFromGMT(double secondsSinceReferenceDate) const {
    const std::int64_t instantSeconds = wholeSeconds(secondsSinceReferenceDate, "instant");
    if (rules_ == nullptr) {
        return fixedOffsetSeconds_;
    }
    return zoneOffsetAt(*rules_, instantSeconds + kReferenceDateSinceUnixEpoch);
}

double TimeZone::instantForWallTime(double wallSecondsSinceReferenceDate) const {
    const std::int64_t wallSeconds = wholeSeconds(wallSecondsSinceReferenceDate, "wall time");
    const double fraction = wallSecondsSinceReferenceDate - static_cast<double>(wallSeconds);
    if (rules_ == nullptr) {
        return static_cast<double>(wallSeconds - fixedOffsetSeconds_) + fraction;
    }
    // In all three cases the offset before any change is the right one: the only one for a
    // unique wall time, and for a skipped time (which it moves forward by the gap) and a
    // repeated time (of which it gives the earlier instant) the one in force before the change.
    return secondsSinceReferenceDate(wallTimeLookup(*rules_, wallSeconds).pre) + fraction;
}

double TimeZone::firstInstantAtOrAfterWallTime(double wallSecondsSinceReferenceDate) const {
    if (rules_ != nullptr) {
        const std::int64_t wallSeconds = wholeSeconds(wallSecondsSinceReferenceDate, "wall time");
        const WallTimeLookup lookup = wallTimeLookup(*rules_, wallSeconds);
        if (lookup.kind == WallTimeLookup::Kind::skipped) {
            return secondsSinceReferenceDate(lookup.trans);
        }
    }
    return instantForWallTime(wallSecondsSinceReferenceDate);
}

std::string TimeZone::name() const {
    if (rules_ != nullptr) {
        return zoneRulesName(*rules_);
    }
    if (fixedOffsetSeconds_ == 0) {
        return "GMT";
    }
    const int magnitude = std::abs(fixedOffsetSeconds_);
    char text[16];
    std::snprintf(text, sizeof text, "GMT%c%02d%02d", fixedOffsetSeconds_ < 0 ? '-' : '+',
                  magnitude / 3600, magnitude / 60 % 60);
    std::string result = text;
    if (magnitude % 60 != 0) {
        std::snprintf(text, sizeof text, "%02d", magnitude % 60);
        result += text;
    }
    return result;
}

}  // namespace quenaro
