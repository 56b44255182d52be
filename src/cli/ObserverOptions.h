#pragma once

#include <string>
#include <string_view>

#include "model/Ephemeris.h"
#include "model/ObserverPosition.h"
#include "time/EphemerisDate.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace quenaro {

/// Where the options put the observer, and the IANA zone of that place.
struct OptionsPlace {
    GeographicPosition position;
    /// The place's own zone: the gazetteer city's for --place, the zone map's at --lat/--lon;
    /// empty when neither was given (the position is then the best known one).
    std::string_view zoneName;
};

/// The moment and place options every almanac subcommand takes: --date, --tz, and the place
/// either by name (--place) or by coordinates (--lat, --lon). An option that is absent takes
/// its default; one given with an empty value is bad input.
class ObserverOptions {
  public:
    /// Declares the five options on the subcommand, and the credits of the place data in its
    /// help.
    void addTo(CLI::App& command);

    /// The place: --place "Name[, Country or region]" (the gazetteer's best match, see
    /// resolvePlace), else --lat in [-90, 90] and --lon in [-180, 180] (degrees, north and east
    /// positive, plain decimal numbers; the one not given from the best known position), else
    /// the best known position. Throws BadInput for a place that matches nothing, --place
    /// together with --lat or --lon, and a coordinate that is not accepted.
    OptionsPlace place() const;
    /// The zone: --tz (an IANA name) when given; else the place's own zone; else the system
    /// zone. Throws BadInput for an unknown or empty --tz, and for a place's zone that the
    /// system's zone database lacks.
    TimeZone timeZone(const OptionsPlace& place) const;
    /// The moment (--date, see parseIsoDate; else now), its fields read in the zone. Throws
    /// BadInput for a date that is not accepted.
    EphemerisDate date(const TimeZone& zone) const;

    /// The model for the moment and place of the options. The options' zone and place also
    /// become the process's default zone and best known position, which models made inside
    /// the model's own operations (the next day's sunrise) use. Throws as the three above.
    Ephemeris model() const;

  private:
    /// The position of --lat and --lon.
    GeographicPosition coordinates() const;

    std::string dateText_;
    std::string zoneName_;
    std::string placeText_;
    std::string latitudeText_;
    std::string longitudeText_;
    CLI::Option* dateOption_ = nullptr;
    CLI::Option* zoneOption_ = nullptr;
    CLI::Option* placeOption_ = nullptr;
    CLI::Option* latitudeOption_ = nullptr;
    CLI::Option* longitudeOption_ = nullptr;
};

}  // namespace quenaro
