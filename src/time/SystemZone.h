#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "time/TimeZone.h"

namespace quenaro {

/// The zone this machine's programs read local time in, always known by its IANA name (never
/// by a file path):
/// - when `tzVariable` (the value of the TZ environment variable) is given, the zone it names
///   as Unix programs read it: "Europe/Berlin" or ":Europe/Berlin", or the path of a zone file
///   (":/usr/share/zoneinfo/Europe/Berlin", giving "Europe/Berlin"; the machine's own
///   "<configurationDirectory>/localtime" giving the machine's zone). An empty value means UTC.
///   A value naming no known zone (a misspelt name, a POSIX rule text) gives UTC and one
///   warning line in the diagnostic log.
/// - otherwise the machine's zone: the name the `localtime` link of `configurationDirectory`
///   (normally /etc) points to inside the zone database, else the name in its `timezone` file;
///   UTC when the machine keeps neither, with one warning line when they name no known zone.
TimeZone systemZone(std::optional<std::string_view> tzVariable,
                    const std::filesystem::path& configurationDirectory);

}  // namespace quenaro
