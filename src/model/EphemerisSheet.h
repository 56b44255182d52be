#pragma once

#include <string>
#include <vector>

#include "model/EphemerisFigures.h"

namespace quenaro {

/// One entry of the almanac sheet: a section title (drawn on a band, with the picture of a
/// planet), a sub-section title, or a row of a label and its value.
struct SheetLine {
    enum class Kind { Section, SubSection, Row };

    Kind kind = Kind::Row;
    /// The title of a section or sub-section, or the row's label. A label has one line break
    /// for each further line of its value when the sheet passes it so ("Moon Age\n");
    /// coordinate labels are single words, their four lines are the value's business.
    std::string label;
    /// The row's value, its lines joined by "\n" without a final break; empty for titles.
    std::string value;
    /// A section's planet index (0 Sun ... 7 Saturn) for its picture, -1 for none.
    int planet = -1;
};

/// The almanac sheet's entries in drawing order: "Time" (date, Julian date, local and
/// Greenwich times and sidereal times, the place), "Sun" (position, distance, rise, transit,
/// set and their azimuths, length of day, twilights), "Moon" (position, distance, rise,
/// transit, set, age and phase) and Mercury, Venus, Mars, Jupiter and Saturn (position, rise,
/// transit, set), and for figures from a position source "Positions" (the row "Source":
/// "precise, delta T 69.6 s"). Dates and times are read in the zone of the figures' date; an event
/// on another calendar day than that date shows its month and day after the time ("3:54 AM (Jan
/// 26)"): rise and set belong to the pass that culminates on the day, so a rise can fall the
/// evening before and a set the morning after. An event that cannot be calculated, and an angle
/// that cannot be shown, reads kNoAngleText ("—"). `metric` gives the Moon's distance in
/// kilometres, else in miles.
std::vector<SheetLine> sheetLines(const EphemerisFigures& figures, bool metric);

/// What names a position source on the sheet and in the report: its name and Delta T
/// ("precise, delta T 69.6 s").
std::string positionSourceText(const PositionSourceFigures& source);

/// A row with the title it stands under: the last section or sub-section title above it.
struct SheetRow {
    std::string section;
    std::string label;
    std::string value;
};

/// The rows of the sheet's lines, each with its title.
std::vector<SheetRow> sheetRows(const std::vector<SheetLine>& lines);

/// The text on one line: line breaks at the end (which only pad a label to its value's
/// height) dropped, the others replaced by " / ".
std::string oneLine(std::string text);

/// The sheet as text: one "Section | Label | Value" line per row, each ending in a newline,
/// labels and values on one line each (oneLine): "Moon | Moon Age | 10 days 3h 2m / Waxing
/// Gibbous".
std::string sheetText(const std::vector<SheetLine>& lines);

}  // namespace quenaro
