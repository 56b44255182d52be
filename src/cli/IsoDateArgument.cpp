#include "cli/IsoDateArgument.h"

#include <charconv>
#include <regex>
#include <string>

#include "base/DoubleFromChars.h"
#include "base/PrintfText.h"
#include "cli/BadInput.h"
#include "series/SeriesSpans.h"

namespace quenaro {

namespace {

constexpr int kMaximumOffsetSeconds = 18 * 3600;
constexpr std::size_t kLongestIsoDate = 48;

/// The digits of a matched field as an int (at most nine digits, so it fits); 0 when the
/// field is absent.
int fieldValue(const std::ssub_match& field) {
    int value = 0;
    if (field.matched) {
        const std::string digits = field.str();
        const char* first = digits.data() + (digits[0] == '+' ? 1 : 0);
        std::from_chars(first, digits.data() + digits.size(), value);
    }
    return value;
}

}  // namespace

EphemerisDate parseIsoDate(std::string_view text, const TimeZone& zone) {
    // year, month, day, hour, minute, second, fraction, offset ("Z" or sign, hours, minutes,
    // seconds: a zone's local mean time before standard time, "+00:53:28").
    static const std::regex kIsoDate(
        R"(([+-]?\d{4,9})-(\d{2})-(\d{2})(?:[T ](\d{2}):(\d{2})(?::(\d{2})(?:[.,](\d{1,9}))?)?)?)"
        R"((?:(Z)|([+-])(\d{2})(?::?(\d{2})(?::(\d{2}))?)?)?)");
    const std::string dateText(text);
    const auto bad = [&](const std::string& why) { return BadInput("--date", text, why); };
    std::smatch match;
    if (dateText.empty()) {
        throw bad("empty; expected ISO 8601 such as 2026-12-07T21:08:00");
    }
    // An accepted text has at most 41 characters; a much longer one is not tried against the
    // pattern at all (matching it would take stack in proportion to its length).
    if (dateText.size() > kLongestIsoDate || !std::regex_match(dateText, match, kIsoDate)) {
        throw bad(
            "expected ISO 8601 such as 2026-12-07T21:08:00, 2026-12-07 or "
            "2026-12-07T21:08:00.000+01:00");
    }
    const int year = fieldValue(match[1]);
    const int month = fieldValue(match[2]);
    const int day = fieldValue(match[3]);
    const int hour = fieldValue(match[4]);
    const int minute = fieldValue(match[5]);
    const int second = fieldValue(match[6]);
    if (!kPlanetarySeriesSpan.containsYear(year)) {
        throw bad(printfText("the year lies outside %d to %d, the span the series are meant for",
                             kPlanetarySeriesSpan.firstYear, kPlanetarySeriesSpan.lastYear));
    }
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59) {
        throw bad(
            "a field is out of range (month 1-12, day 1-31, hour 0-23, minute and second "
            "0-59)");
    }
    TimeZone fieldZone = zone;
    if (match[8].matched) {
        fieldZone = TimeZone::gmt();
    } else if (match[9].matched) {
        const int offsetMinutes = fieldValue(match[11]);
        const int offsetSecondsField = fieldValue(match[12]);
        const int offsetSeconds =
            fieldValue(match[10]) * 3600 + offsetMinutes * 60 + offsetSecondsField;
        if (offsetMinutes > 59 || offsetSecondsField > 59 ||
            offsetSeconds > kMaximumOffsetSeconds) {
            throw bad("the UTC offset lies beyond +-18:00");
        }
        fieldZone =
            TimeZone::forSecondsFromGMT(match[9].str() == "-" ? -offsetSeconds : offsetSeconds);
    }
    EphemerisDate date = EphemerisDate::dateWithYear(
        year, static_cast<unsigned>(month), static_cast<unsigned>(day), static_cast<unsigned>(hour),
        static_cast<unsigned>(minute), static_cast<unsigned>(second), fieldZone);
    if (date.dayOfMonth() != day) {
        throw bad("no such day (in the month, or on the zone's clock)");
    }
    if (match[7].matched) {
        const std::string fraction = "0." + match[7].str();
        double seconds = 0.0;
        doubleFromChars(fraction.data(), fraction.data() + fraction.size(), seconds);
        date = date.addTimeInterval(seconds);
    }
    date.setTimeZone(zone);
    return date;
}

}  // namespace quenaro
