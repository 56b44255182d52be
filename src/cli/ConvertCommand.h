#pragma once

#include <iosfwd>

#include "calc/AstrolabePosition.h"
#include "cli/Subcommand.h"

namespace quenaro {

/// Writes the position: one "Frame | Value | Text" line per value in the calculator's label
/// formats, the azimuth from the south (as the model measures it) and from the north; or with
/// `json` one object {"horizontal": {"altitude", "azimuth", "azimuthFromNorth"},
/// "equatorial": {"rightAscension", "declination"}, "ecliptic": {"latitude", "longitude"}},
/// every value in degrees at full precision: altitude, declination and ecliptic latitude in
/// [-90, 90], the others in [0, 360); the azimuth from the south through the west, the right
/// ascension in degrees.
void writeConversion(const AstrolabePosition& position, bool json, std::ostream& out);

/// Declares `quenaro convert --from altaz --alt A --az Z | --from radec --ra H --dec D |
/// --from ecliptic --ecl-lat B --ecl-lon L [--date --tz --lat --lon] [--json] [--precise]`: the
/// position in all three frames for the moment and place, converted as the calculator converts
/// it (with --precise as the calculator of a model with the precise source). The azimuth is
/// read from the north through the east, the right ascension in hours.
Subcommand addConvertCommand(CLI::App& app);

}  // namespace quenaro
