#include "cli/ObserverOptions.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <stdexcept>

#include "cli/BadInput.h"
#include "cli/IsoDateArgument.h"
#include "cli/PlaceArguments.h"
#include "places/Gazetteer.h"
#include "places/PlaceAttribution.h"
#include "places/ZoneLookup.h"

namespace quenaro {

namespace {

bool given(const CLI::Option* option) {
    return option != nullptr && option->count() > 0;
}

}  // namespace

void ObserverOptions::addTo(CLI::App& command) {
    dateOption_ =
        command.add_option("--date", dateText_,
                           "Moment as ISO 8601 wall time in the zone (2026-12-07T21:08:00, "
                           "2026-12-07), or with Z or an offset (+01:00); years -4000 "
                           "to 8000; default now");
    zoneOption_ = command.add_option("--tz", zoneName_,
                                     "IANA time zone (Europe/Berlin); default the place's own "
                                     "(the city's for --place, the one at --lat/--lon), else "
                                     "the system's");
    placeOption_ = command.add_option("--place", placeText_,
                                      "Place by name, \"Name[, Country or region]\" (\"Tromsø\", "
                                      "\"Paris, FR\", \"Springfield, IL\"): the best match of "
                                      "'quenaro places'; instead of --lat/--lon");
    latitudeOption_ = command.add_option(
        "--lat", latitudeText_, "Latitude in degrees, -90 to 90, north positive; default 45");
    longitudeOption_ = command.add_option(
        "--lon", longitudeText_, "Longitude in degrees, -180 to 180, east positive; default -90");
    for (CLI::Option* option :
         {dateOption_, zoneOption_, placeOption_, latitudeOption_, longitudeOption_}) {
        option->type_name("VALUE");
    }
    command.footer("Data:\n  " + std::string(kGazetteerAttribution) + "\n  " +
                   std::string(kZoneBoundaryAttribution) + "\n");
}

GeographicPosition ObserverOptions::coordinates() const {
    GeographicPosition position = bestKnownPosition();
    if (given(latitudeOption_)) {
        position.latitudeDegrees = parseLatitude(latitudeText_, "--lat");
    }
    if (given(longitudeOption_)) {
        position.longitudeDegrees = parseLongitude(longitudeText_, "--lon");
    }
    return position;
}

OptionsPlace ObserverOptions::place() const {
    const bool coordinatesGiven = given(latitudeOption_) || given(longitudeOption_);
    if (!given(placeOption_)) {
        if (!coordinatesGiven) {
            return {bestKnownPosition(), {}};
        }
        const GeographicPosition position = coordinates();
        return {position, zoneAtPosition(position.latitudeDegrees, position.longitudeDegrees)};
    }
    if (coordinatesGiven) {
        throw BadInput("--place and --lat/--lon both name the place; give one or the other");
    }
    const Place found = parsePlace(placeText_, "--place");
    return {{found.latitudeDegrees, found.longitudeDegrees}, found.zone};
}

TimeZone ObserverOptions::timeZone(const OptionsPlace& place) const {
    if (given(zoneOption_)) {
        return parseZone(zoneName_, "--tz");
    }
    if (place.zoneName.empty()) {
        return TimeZone::defaultZone();
    }
    try {
        return TimeZone::named(place.zoneName);
    } catch (const std::invalid_argument&) {
        // A zone database older than the place tables.
        throw BadInput("the place's time zone " + std::string(place.zoneName) +
                       " is not in this system's zone database; give a zone with --tz");
    }
}

EphemerisDate ObserverOptions::date(const TimeZone& zone) const {
    if (!given(dateOption_)) {
        return EphemerisDate(EphemerisDate().timeIntervalSinceReferenceDate(), zone);
    }
    return parseIsoDate(dateText_, zone);
}

Ephemeris ObserverOptions::model() const {
    const OptionsPlace observer = place();
    const TimeZone zone = timeZone(observer);
    const EphemerisDate moment = date(zone);
    TimeZone::setDefaultZone(zone);
    setBestKnownPosition(observer.position);
    return Ephemeris(moment, observer.position.latitudeDegrees, observer.position.longitudeDegrees);
}

}  // namespace quenaro
