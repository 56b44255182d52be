#include "cli/ObserverOptions.h"

#include <CLI/CLI.hpp>
#include <cmath>

#include "cli/BadInput.h"
#include "cli/DecimalNumber.h"
#include "cli/IsoDateArgument.h"

namespace quenaro {

namespace {

bool given(const CLI::Option* option) {
    return option != nullptr && option->count() > 0;
}

}  // namespace

void ObserverOptions::addTo(CLI::App& command) {
    dateOption_ = command.add_option("--date", dateText_,
                                     "Moment as ISO 8601 wall time in --tz (2026-12-07T21:08:00, "
                                     "2026-12-07), or with Z or an offset (+01:00); years -4000 "
                                     "to 8000; default now");
    zoneOption_ = command.add_option("--tz", zoneName_,
                                     "IANA time zone (Europe/Berlin); default the system's");
    latitudeOption_ = command.add_option(
        "--lat", latitudeText_, "Latitude in degrees, -90 to 90, north positive; default 45");
    longitudeOption_ = command.add_option(
        "--lon", longitudeText_, "Longitude in degrees, -180 to 180, east positive; default -90");
    for (CLI::Option* option : {dateOption_, zoneOption_, latitudeOption_, longitudeOption_}) {
        option->type_name("VALUE");
    }
}

TimeZone ObserverOptions::timeZone() const {
    if (!given(zoneOption_)) {
        return TimeZone::defaultZone();
    }
    if (zoneName_.empty()) {
        throw BadInput("--tz", zoneName_,
                       "empty; expected an IANA zone name such as Europe/Berlin");
    }
    try {
        return TimeZone::named(zoneName_);
    } catch (const std::invalid_argument&) {
        // TimeZone::named's only error: no such zone in the database.
        throw BadInput("--tz", zoneName_,
                       "unknown time zone; expected an IANA zone name such as Europe/Berlin");
    }
}

EphemerisDate ObserverOptions::date(const TimeZone& zone) const {
    if (!given(dateOption_)) {
        return EphemerisDate(EphemerisDate().timeIntervalSinceReferenceDate(), zone);
    }
    return parseIsoDate(dateText_, zone);
}

GeographicPosition ObserverOptions::position() const {
    GeographicPosition position = bestKnownPosition();
    if (given(latitudeOption_)) {
        position.latitudeDegrees = parseDecimalNumber(latitudeText_, "--lat");
        if (std::fabs(position.latitudeDegrees) > 90.0) {
            throw BadInput("--lat", latitudeText_,
                           "a latitude lies between -90 and 90 degrees (north positive)");
        }
    }
    if (given(longitudeOption_)) {
        position.longitudeDegrees = parseDecimalNumber(longitudeText_, "--lon");
        if (std::fabs(position.longitudeDegrees) > 180.0) {
            throw BadInput("--lon", longitudeText_,
                           "a longitude lies between -180 and 180 degrees (east positive)");
        }
    }
    return position;
}

Ephemeris ObserverOptions::model() const {
    const TimeZone zone = timeZone();
    const GeographicPosition place = position();
    const EphemerisDate moment = date(zone);
    TimeZone::setDefaultZone(zone);
    setBestKnownPosition(place);
    return Ephemeris(moment, place.latitudeDegrees, place.longitudeDegrees);
}

}  // namespace quenaro
