#include "time/TimeZone.h"

#include <date/tz.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace quenaro {

namespace {

constexpr int kMaxFixedOffsetSeconds = 18 * 3600;
// Seconds from the library's epoch, 1970-01-01, to the reference date, 2001-01-01.
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

date::sys_seconds sysSeconds(std::int64_t secondsSinceReferenceDate) {
    return date::sys_seconds{
        std::chrono::seconds{secondsSinceReferenceDate + kReferenceDateSinceUnixEpoch}};
}

double secondsSinceReferenceDate(date::sys_seconds instant) {
    return static_cast<double>(instant.time_since_epoch().count() - kReferenceDateSinceUnixEpoch);
}

// The zone's local information for a wall time given in whole seconds.
date::local_info localInfo(const date::time_zone& zone, std::int64_t wallSeconds) {
    return zone.get_info(
        date::local_seconds{std::chrono::seconds{wallSeconds + kReferenceDateSinceUnixEpoch}});
}

// The system's zone, or GMT when it cannot be determined.
TimeZone systemZone() {
    try {
        return TimeZone::named(date::current_zone()->name());
    } catch (const std::exception&) {
        return TimeZone::gmt();
    }
}

TimeZone& defaultZoneStorage() {
    static TimeZone zone = systemZone();
    return zone;
}

}  // namespace

TimeZone TimeZone::named(std::string_view ianaName) {
    try {
        return TimeZone(date::locate_zone(std::string(ianaName)), 0);
    } catch (const std::runtime_error& error) {
        throw std::invalid_argument("Unknown time zone \"" + std::string(ianaName) +
                                    "\": expected an IANA zone name such as \"Europe/Berlin\" (" +
                                    error.what() + ")");
    }
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
    return TimeZone(nullptr, 0);
}

TimeZone TimeZone::defaultZone() {
    return defaultZoneStorage();
}

void TimeZone::setDefaultZone(const TimeZone& zone) {
    defaultZoneStorage() = zone;
}

int TimeZone::secondsFromGMT(double secondsSinceReferenceDate) const {
    const std::int64_t instantSeconds = wholeSeconds(secondsSinceReferenceDate, "instant");
    if (zone_ == nullptr) {
        return fixedOffsetSeconds_;
    }
    return static_cast<int>(zone_->get_info(sysSeconds(instantSeconds)).offset.count());
}

double TimeZone::instantForWallTime(double wallSecondsSinceReferenceDate) const {
    const std::int64_t wallSeconds = wholeSeconds(wallSecondsSinceReferenceDate, "wall time");
    const double fraction = wallSecondsSinceReferenceDate - static_cast<double>(wallSeconds);
    if (zone_ == nullptr) {
        return static_cast<double>(wallSeconds - fixedOffsetSeconds_) + fraction;
    }
    // In all three cases the first offset is the right one: the only one for a unique wall
    // time, the one before the change for a skipped time (which moves it forward by the gap)
    // and for a repeated time (which gives the earlier instant).
    const date::local_info info = localInfo(*zone_, wallSeconds);
    return static_cast<double>(wallSeconds - info.first.offset.count()) + fraction;
}

double TimeZone::firstInstantAtOrAfterWallTime(double wallSecondsSinceReferenceDate) const {
    if (zone_ != nullptr) {
        const std::int64_t wallSeconds = wholeSeconds(wallSecondsSinceReferenceDate, "wall time");
        const date::local_info info = localInfo(*zone_, wallSeconds);
        if (info.result == date::local_info::nonexistent) {
            return secondsSinceReferenceDate(info.first.end);
        }
    }
    return instantForWallTime(wallSecondsSinceReferenceDate);
}

std::string TimeZone::name() const {
    if (zone_ != nullptr) {
        return zone_->name();
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
