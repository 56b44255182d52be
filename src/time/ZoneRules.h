#pragma once

#include <cstdint>
#include <string>

#include "time/TimeZone.h"

// The rules of named zones, from one of two sources chosen when building: the system's zone
// database through cctz (ZoneRulesCctz.cpp) or, in WebAssembly, the browser's (or Node's)
// Intl.DateTimeFormat (ZoneRulesIntl.cpp). Instants and wall times here are whole seconds since
// 1970-01-01 00:00:00 (GMT, respectively on the zone's clock).

namespace quenaro {

/// How a zone's clocks read a wall time, as cctz's civil_lookup tells it.
struct WallTimeLookup {
    enum class Kind { unique, skipped, repeated };
    Kind kind;
    /// The instant that the offset in force before any change gives: the only instant of a
    /// unique wall time, the earlier of a repeated one, and for a skipped one the instant after
    /// the change that the wall time, read with the old offset, names.
    std::int64_t pre;
    /// The instant of the change for a skipped or repeated wall time; `pre` for a unique one.
    std::int64_t trans;
};

/// The rules of the named zone, loaded once and kept for the process (so that equal names give
/// the same pointer); null when the source knows no such zone. The name has passed TimeZone's
/// checks of what a zone name looks like.
const ZoneRules* loadZoneRules(const std::string& ianaName);

/// The name the rules were loaded by.
std::string zoneRulesName(const ZoneRules& rules);

/// The offset from GMT in seconds, east positive, in force at the instant.
int zoneOffsetAt(const ZoneRules& rules, std::int64_t unixSeconds);

/// How the zone's clocks read the wall time.
WallTimeLookup zoneWallTimeLookup(const ZoneRules& rules, std::int64_t wallUnixSeconds);

/// The zone of the system this process runs on, by its IANA name: natively the one TZ or /etc
/// names (see systemZone), in WebAssembly the one Intl.DateTimeFormat resolves.
TimeZone systemDefaultZone();

}  // namespace quenaro
