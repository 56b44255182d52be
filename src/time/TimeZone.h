#pragma once

#include <string>
#include <string_view>

namespace quenaro {

/// The rules of a named zone, from the source chosen when building (time/ZoneRules.h).
class ZoneRules;

/// A time zone in which calendar fields are read: either a named zone of the system's IANA
/// database (offsets follow its history, summer time included, and after the last change the
/// database lists, the zone's lasting rule) or a fixed offset from GMT.
/// A cheap value; named zones point to their rules, loaded once and kept for the process. The
/// rules come from the system's zone database (through cctz) in the native build, and from the
/// browser's Intl.DateTimeFormat in WebAssembly (see time/ZoneRules.h).
///
/// Instants and wall times are doubles of seconds since 2001-01-01 00:00:00 (GMT, respectively
/// on the zone's clock). Operations taking them throw std::invalid_argument for a value that
/// is not finite or lies more than 10^15 s (about 30 million years) from the reference date.
class TimeZone {
  public:
    /// The zone of the IANA database with this name ("Europe/Berlin", "UTC").
    /// Throws std::invalid_argument naming the zone when the database has no such zone; file
    /// paths ("/etc/localtime", "../x") and the database's copies under "posix/" and "right/"
    /// are not zone names.
    static TimeZone named(std::string_view ianaName);
    /// A zone of a fixed offset, seconds east of Greenwich.
    /// Throws std::invalid_argument when |secondsFromGMT| exceeds 18 hours.
    static TimeZone forSecondsFromGMT(int secondsFromGMT);
    /// Greenwich: fixed offset 0.
    static TimeZone gmt();
    /// The zone the process treats as local: the one set with setDefaultZone(), else the
    /// system's zone as systemZone() finds it for the process's TZ and /etc.
    static TimeZone defaultZone();
    /// Replaces the process's default zone (the command line's --tz does this).
    static void setDefaultZone(const TimeZone& zone);

    /// Offset from GMT in seconds, east positive, in force at the instant given as seconds
    /// since 2001-01-01 00:00:00 GMT.
    int secondsFromGMT(double secondsSinceReferenceDate) const;

    /// The instant (seconds since the reference date) at which the clocks of this zone show
    /// the given wall time, itself written as seconds since 2001-01-01 00:00:00 on the
    /// zone's clock. A wall time skipped by a forward change moves forward by the gap; an
    /// ambiguous one (repeated by a backward change) takes the earlier instant.
    double instantForWallTime(double wallSecondsSinceReferenceDate) const;

    /// The first instant (seconds since the reference date) at which the clocks of this zone
    /// show the given wall time or a later one: the same as instantForWallTime() except for a
    /// skipped wall time, which gives the instant of the change that skipped it.
    double firstInstantAtOrAfterWallTime(double wallSecondsSinceReferenceDate) const;

    /// "Europe/Berlin" for a named zone; "GMT", "GMT+0545", "GMT-0300" for fixed offsets
    /// (offsets with seconds add them: "GMT+013015").
    std::string name() const;

    bool operator==(const TimeZone& other) const = default;

  private:
    TimeZone(const ZoneRules* rules, int fixedOffsetSeconds)
        : rules_(rules), fixedOffsetSeconds_(fixedOffsetSeconds) {}

    const ZoneRules* rules_;  // a named zone's rules; null for a fixed offset
    int fixedOffsetSeconds_;  // 0 for a named zone
};

}  // namespace quenaro
