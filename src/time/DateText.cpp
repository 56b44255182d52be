// Texts of dates and times as the almanac shows them: a medium date, a short time and the
// ISO 8601 form of the command line's JSON.

#include "time/DateText.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "base/PrintfText.h"

namespace quenaro {

namespace {

constexpr std::array<const char*, 12> kMonthAbbreviations{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

/// "Jan" ... "Dec" for the date's month (1-12 by the date's own invariant).
const char* monthAbbreviation(const EphemerisDate& date) {
    return kMonthAbbreviations[static_cast<std::size_t>(date.monthOfYear() - 1)];
}

/// The year as ISO 8601 writes it: four digits for 0-9999, else a sign and four or more.
std::string isoYearText(int year) {
    if (year >= 0 && year <= 9999) {
        return printfText("%04d", year);
    }
    return printfText("%c%04d", year < 0 ? '-' : '+', std::abs(year));
}

/// The offset from GMT as "+hh:mm", or "+hh:mm:ss" when it has seconds.
std::string isoOffsetText(int secondsFromGMT) {
    const char sign = secondsFromGMT < 0 ? '-' : '+';
    const int magnitude = std::abs(secondsFromGMT);  // at most 18 hours, see TimeZone
    const int hours = magnitude / 3600;
    const int minutes = magnitude / 60 % 60;
    const int seconds = magnitude % 60;
    if (seconds != 0) {
        return printfText("%c%02d:%02d:%02d", sign, hours, minutes, seconds);
    }
    return printfText("%c%02d:%02d", sign, hours, minutes);
}

}  // namespace

std::string mediumDateText(const EphemerisDate& date) {
    return printfText("%s %d, %d", monthAbbreviation(date), date.dayOfMonth(),
                      date.yearOfCommonEra());
}

std::string shortTimeText(const EphemerisDate& date) {
    const int hour = date.hourOfDay();  // [0, 23]
    const int clockHour = hour % 12 == 0 ? 12 : hour % 12;
    return printfText("%d:%02d %s", clockHour, date.minuteOfHour(), hour < 12 ? "AM" : "PM");
}

std::string eventTimeText(const EphemerisDate& event, const EphemerisDate& day) {
    EphemerisDate local = event;
    local.setTimeZone(day.timeZone());
    const std::string time = shortTimeText(local);
    if (local.yearOfCommonEra() == day.yearOfCommonEra() &&
        local.monthOfYear() == day.monthOfYear() && local.dayOfMonth() == day.dayOfMonth()) {
        return time;
    }
    return printfText("%s (%s %d)", time.c_str(), monthAbbreviation(local), local.dayOfMonth());
}

std::string isoDateText(const EphemerisDate& date) {
    // The calendar fields read the instant's whole seconds (floor); the milliseconds are the
    // truncated rest, [0, 999].
    const double seconds = date.timeIntervalSinceReferenceDate();
    const int milliseconds = static_cast<int>(std::floor((seconds - std::floor(seconds)) * 1000.0));
    return printfText(
        "%s-%02d-%02dT%02d:%02d:%02d.%03d%s", isoYearText(date.yearOfCommonEra()).c_str(),
        date.monthOfYear(), date.dayOfMonth(), date.hourOfDay(), date.minuteOfHour(),
        date.secondOfMinute(), milliseconds, isoOffsetText(date.secondsFromGMT()).c_str());
}

}  // namespace quenaro
