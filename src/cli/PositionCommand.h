#pragma once

#include <iosfwd>
#include <string>

#include "cli/Subcommand.h"

namespace quenaro {

/// Writes the apparent geocentric position of the body ("sun", "mercury" … "pluto") at the
/// Julian date (UT) as one JSON object {"longitude", "latitude", "distance", "lightTime",
/// "ra", "dec"} (ecliptic degrees, AU, days, hours, degrees) with 17 significant digits.
/// When `precise`, the Sun, the Moon ("moon") and Mercury-Saturn come from the precise source
/// at the Julian date taken as TT (in kPreciseSeriesSpan), the others from the series as
/// without it, and the object ends with "positions": "precise" or "almanac".
/// Throws BadInput for an unknown body, the Moon without `precise`, or a Julian date that is
/// not a plain decimal number in the span of the body's series (kPlanetarySeriesSpan, Pluto
/// kPlutoSeriesSpan, the precise source kPreciseSeriesSpan).
void writePosition(const std::string& body, const std::string& julianDateText, bool precise,
                   std::ostream& out);

/// Declares `quenaro position BODY --jd JD` on the application.
Subcommand addPositionCommand(CLI::App& app);

}  // namespace quenaro
