#pragma once

#include <string_view>

#include "places/Gazetteer.h"
#include "time/TimeZone.h"

namespace quenaro {

/// The values that say where and in which zone an almanac is read, checked as the command
/// line and the page's links check them. Each throws BadInput naming `option` and what it
/// accepts.

/// A latitude: a plain decimal number of degrees within [-90, 90], north positive.
double parseLatitude(std::string_view text, std::string_view option);
/// A longitude: a plain decimal number of degrees within [-180, 180], east positive.
double parseLongitude(std::string_view text, std::string_view option);
/// An IANA zone name the zone database has.
TimeZone parseZone(std::string_view text, std::string_view option);
/// "Name[, Country or region]": the gazetteer's best match.
Place parsePlace(std::string_view text, std::string_view option);

}  // namespace quenaro
