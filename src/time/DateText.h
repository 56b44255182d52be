#pragma once

#include <string>

#include "time/EphemerisDate.h"

namespace quenaro {

/// The date's calendar day in the medium style of US English, read in the date's own zone:
/// "Dec 7, 2026" (English month abbreviation, day without a leading zero, astronomical year
/// as a plain number, so 1 BC reads "Jan 1, 0").
std::string mediumDateText(const EphemerisDate& date);

/// The date's wall time in the short style of US English, read in the date's own zone:
/// "9:08 PM" (12-hour clock, hour 1-12 without a leading zero, minutes with one, seconds
/// dropped; midnight is "12:00 AM", noon "12:00 PM").
std::string shortTimeText(const EphemerisDate& date);

/// An event's wall time as a row without a date shows it: shortTimeText() of the event read
/// in the zone of `day`, followed, when the event falls on another local calendar day than
/// `day`, by that day's short month and day in parentheses: "3:54 AM (Jan 26)".
std::string eventTimeText(const EphemerisDate& event, const EphemerisDate& day);

/// The instant as ISO 8601 in the date's own zone, with milliseconds (truncated) and the
/// zone's offset: "2026-12-07T08:05:12.345+01:00" (GMT reads "+00:00", never "Z").
/// An offset with seconds (historic local mean times) keeps them: "+00:53:28". Years
/// outside 0-9999 are written with a sign and at least four digits ("-0044-03-15...").
std::string isoDateText(const EphemerisDate& date);

}  // namespace quenaro
