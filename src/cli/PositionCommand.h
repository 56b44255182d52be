#pragma once

#include <iosfwd>
#include <string>

namespace quenaro {

/// The earliest and latest Julian dates `quenaro position` accepts: 1 January of the years
/// -4000 (Julian calendar) and 8000 (Gregorian), the span for which the planetary series
/// are meant.
inline constexpr double kEarliestSeriesJulianDate = 260057.5;
inline constexpr double kLatestSeriesJulianDate = 4642999.5;

/// Writes the apparent geocentric position of the body ("sun", "mercury" … "pluto") at the
/// Julian date as one JSON object {"longitude","latitude","distance","lightTime","ra","dec"}
/// (degrees, AU, days, hours, degrees) with 17 significant digits. Throws BadInput for an
/// unknown body or a Julian date that is not a finite number in the series' span.
void writePosition(const std::string& body, const std::string& julianDateText, std::ostream& out);

}  // namespace quenaro
