#pragma once

#include <iosfwd>

#include "cli/Subcommand.h"

namespace quenaro {

class Ephemeris;

/// Writes the almanac sheet of the model: one "Section | Label | Value" line per row as text,
/// or with `json` one JSON object with the figures and the rows (the README lists every
/// field with its unit). Events that cannot be calculated for the day show "—" in the text
/// and null in the JSON; a row's event on another day than the model's shows its date
/// ("3:54 AM (Jan 26)"). A model with a position source says so: the text ends with a line
/// "Positions | Source | precise, delta T 69.4 s" (the sheet's last row, so the JSON's rows
/// end with it too), the JSON gains "positions" (the source's name) and "deltaT" (seconds)
/// after "julianDate".
void writeSheet(const Ephemeris& model, bool json, std::ostream& out);

/// Declares `quenaro sheet [--date --tz --place | --lat --lon] [--json] [--precise]` on the
/// application.
Subcommand addSheetCommand(CLI::App& app);

}  // namespace quenaro
