#pragma once

#include <cstddef>
#include <iosfwd>
#include <string_view>

#include "cli/Subcommand.h"

namespace quenaro {

/// The most places `quenaro places` lists (--limit 1 to this; default 10).
inline constexpr std::size_t kMaximumPlacesLimit = 1000;

/// Writes the gazetteer's places for the query ("Name[, Country or region]", see
/// searchPlaces), best first, at most `limit` (1 to kMaximumPlacesLimit):
/// - as text one line each, "Tromsø, Norway — 69.6489 N 18.9551 E, Europe/Oslo, 64,448 people"
///   (degrees to 4 decimals; a US state or Canadian province after the name, "Springfield, IL,
///   United States — …"; the people left out where the gazetteer does not know them);
/// - with `json` one JSON array of objects {"name", "asciiName", "country", "countryName",
///   "region", "latitude", "longitude", "elevation", "population", "zone"} (degrees north and
///   east positive, metres, people, IANA zone; the README describes each).
/// Throws BadInput for an empty query, and NothingFound when no place matches (with `json`
/// after writing the empty array).
void writePlaces(std::string_view query, std::size_t limit, bool json, std::ostream& out);

/// Declares `quenaro places QUERY [--limit N] [--json]` on the application.
Subcommand addPlacesCommand(CLI::App& app);

}  // namespace quenaro
