#pragma once

#include <string_view>

#include "time/EphemerisDate.h"

namespace quenaro {

/// Reads the --date option: ISO 8601 "2026-12-07T21:08:00", "2026-12-07T21:08",
/// "2026-12-07 21:08:00", "2026-12-07", with optional fractional seconds
/// ("21:08:00.250") and an optional "Z" or UTC offset up to +-18:00 ("+01:00", "-0300",
/// "+05", "+00:53:28" as a zone's local mean time has), so the program's own ISO dates read
/// back. Without an offset the fields are wall
/// time in the zone; the result's fields are read in the zone. The year (as written) must lie
/// in the span the series are meant for, -4000 to 8000. Throws BadInput naming --date for
/// anything else.
EphemerisDate parseIsoDate(std::string_view text, const TimeZone& zone);

}  // namespace quenaro
