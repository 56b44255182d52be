#include "cli/ObserverOptions.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <regex>

namespace quenaro {

void ObserverOptions::addTo(CLI::App& command) {
    command.add_option("--date", dateText_,
                       "Moment as ISO 8601 wall time in --tz (2026-12-07T21:08:00), or with Z "
                       "or an offset; default now");
    command.add_option("--tz", zoneName_, "IANA time zone (Europe/Berlin); default the system's");
    command.add_option("--lat", latitudeText_, "Latitude in degrees, north positive");
    command.add_option("--lon", longitudeText_, "Longitude in degrees, east positive");
}

TimeZone ObserverOptions::timeZone() const {
    if (zoneName_.empty()) {
        return TimeZone::defaultZone();
    }
    try {
        return TimeZone::named(zoneName_);
    } catch (const std::invalid_argument& error) {
        throw BadInput(error.what());
    }
}

EphemerisDate ObserverOptions::date(const TimeZone& zone) const {
    if (dateText_.empty()) {
        return EphemerisDate(EphemerisDate().timeIntervalSinceReferenceDate(), zone);
    }
    return parseIsoDate(dateText_, zone);
}

GeographicPosition ObserverOptions::position() const {
    GeographicPosition position = bestKnownPosition();
    if (!latitudeText_.empty()) {
        position.latitudeDegrees = parseFiniteNumber(latitudeText_, "--lat");
        if (std::fabs(position.latitudeDegrees) > 90.0) {
            throw BadInput("--lat " + latitudeText_ +
                           ": a latitude lies between -90 and 90 degrees (north positive)");
        }
    }
    if (!longitudeText_.empty()) {
        position.longitudeDegrees = parseFiniteNumber(longitudeText_, "--lon");
        if (std::fabs(position.longitudeDegrees) > 180.0) {
            throw BadInput("--lon " + longitudeText_ +
                           ": a longitude lies between -180 and 180 degrees (east positive)");
        }
    }
    return position;
}

double parseFiniteNumber(const std::string& text, const char* optionName) {
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || errno == ERANGE ||
        !std::isfinite(value)) {
        throw BadInput(std::string(optionName) + " " + text + ": expected a finite decimal number");
    }
    return value;
}

EphemerisDate parseIsoDate(const std::string& text, const TimeZone& zone) {
    static const std::regex kIsoDate(
        R"(([+-]?\d{4,5})-(\d{2})-(\d{2})(?:[T ](\d{2}):(\d{2})(?::(\d{2}))?)?)"
        R"((Z|[+-]\d{2}(?::?\d{2})?)?)");
    std::smatch match;
    const auto bad = [&](const std::string& why) {
        return BadInput("--date " + text + ": " + why +
                        "; expected ISO 8601 such as 2026-12-07T21:08:00, optionally with Z or "
                        "an offset such as +01:00");
    };
    if (!std::regex_match(text, match, kIsoDate)) {
        throw bad("not a date");
    }
    const auto field = [&](std::size_t index) {
        return match[index].matched ? std::stoi(match[index].str()) : 0;
    };
    const int year = field(1);
    const int month = field(2);
    const int day = field(3);
    const int hour = field(4);
    const int minute = field(5);
    const int second = field(6);
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59) {
        throw bad("a field is out of range");
    }

    TimeZone fieldZone = zone;
    if (match[7].matched) {
        const std::string offset = match[7].str();
        int offsetSeconds = 0;
        if (offset != "Z") {
            const int sign = offset[0] == '-' ? -1 : 1;
            const int offsetHours = std::stoi(offset.substr(1, 2));
            const std::string rest = offset.size() > 3 ? offset.substr(offset.size() - 2) : "0";
            const int offsetMinutes = std::stoi(rest);
            if (offsetHours > 18 || offsetMinutes > 59) {
                throw bad("the offset is out of range");
            }
            offsetSeconds = sign * (offsetHours * 3600 + offsetMinutes * 60);
        }
        fieldZone = TimeZone::forSecondsFromGMT(offsetSeconds);
    }
    try {
        EphemerisDate date = EphemerisDate::dateWithYear(
            year, static_cast<unsigned>(month), static_cast<unsigned>(day),
            static_cast<unsigned>(hour), static_cast<unsigned>(minute),
            static_cast<unsigned>(second), fieldZone);
        if (date.dayOfMonth() != day) {
            throw bad("the month has no such day");
        }
        date.setTimeZone(zone);
        return date;
    } catch (const std::invalid_argument& error) {
        throw bad(error.what());
    }
}

}  // namespace quenaro
