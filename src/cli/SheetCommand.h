#pragma once

#include <iosfwd>

namespace quenaro {

class Ephemeris;

/// Writes the almanac sheet of the model: one "Section | Label | Value" line per row as text,
/// or with `json` one JSON object with the figures and the rows. Events that cannot be
/// calculated for the day show "—" in the text and null in the JSON.
void writeSheet(Ephemeris& model, bool json, std::ostream& out);

}  // namespace quenaro
