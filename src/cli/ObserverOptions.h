#pragma once

#include <string>

#include "model/Ephemeris.h"
#include "model/ObserverPosition.h"
#include "time/EphemerisDate.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace quenaro {

/// The moment and place options every almanac subcommand takes: --date, --tz, --lat, --lon.
/// An option that is absent takes its default; one given with an empty value is bad input.
class ObserverOptions {
  public:
    /// Declares the four options on the subcommand.
    void addTo(CLI::App& command);

    /// The zone (--tz, an IANA name; else the system zone). Throws BadInput for an unknown or
    /// empty name.
    TimeZone timeZone() const;
    /// The moment (--date, see parseIsoDate; else now), its fields read in the zone. Throws
    /// BadInput for a date that is not accepted.
    EphemerisDate date(const TimeZone& zone) const;
    /// The place (--lat in [-90, 90], --lon in [-180, 180], degrees, north and east
    /// positive, each a plain decimal number; else the best known position). Throws BadInput
    /// for a value that is not accepted.
    GeographicPosition position() const;

    /// The model for the moment and place of the options. The options' zone and place also
    /// become the process's default zone and best known position, which models made inside
    /// the model's own operations (the next day's sunrise) use. Throws as the three above.
    Ephemeris model() const;

  private:
    std::string dateText_;
    std::string zoneName_;
    std::string latitudeText_;
    std::string longitudeText_;
    CLI::Option* dateOption_ = nullptr;
    CLI::Option* zoneOption_ = nullptr;
    CLI::Option* latitudeOption_ = nullptr;
    CLI::Option* longitudeOption_ = nullptr;
};

}  // namespace quenaro
