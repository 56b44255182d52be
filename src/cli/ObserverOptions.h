#pragma once

#include <stdexcept>
#include <string>

#include "model/ObserverPosition.h"
#include "time/EphemerisDate.h"

namespace CLI {
class App;
}

namespace quenaro {

/// Bad input on the command line; the message names the value and what would be accepted.
class BadInput : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The moment and place options every almanac subcommand takes: --date, --tz, --lat, --lon.
class ObserverOptions {
  public:
    /// Declares the four options on the subcommand.
    void addTo(CLI::App& command);

    /// The zone (--tz, else the system zone). Throws BadInput for an unknown zone.
    TimeZone timeZone() const;
    /// The moment (--date read as wall time in the zone unless it carries "Z" or an offset;
    /// else now), its fields read in the zone. Throws BadInput for a date that does not parse.
    EphemerisDate date(const TimeZone& zone) const;
    /// The place (--lat/--lon, else the best known position). Throws BadInput for a latitude
    /// outside [-90, 90], a longitude outside [-180, 180] or a value that is not a finite
    /// number.
    GeographicPosition position() const;

  private:
    std::string dateText_;
    std::string zoneName_;
    std::string latitudeText_;
    std::string longitudeText_;
};

/// A finite number written in full; throws BadInput naming the option otherwise.
double parseFiniteNumber(const std::string& text, const char* optionName);

/// Parses an ISO 8601 date and time: "2026-12-07T21:08:00", "2026-12-07T21:08",
/// "2026-12-07 21:08:00", "2026-12-07", each optionally followed by "Z" or an offset
/// ("+01:00", "-0300", "+05"). Without an offset the fields are wall time in the zone.
/// Throws BadInput when the text does not parse or a field is out of range.
EphemerisDate parseIsoDate(const std::string& text, const TimeZone& zone);

}  // namespace quenaro
