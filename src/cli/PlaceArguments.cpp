// Where and in which zone: latitudes, longitudes, zone names and place names as given on the
// command line or in a link.

#include "cli/PlaceArguments.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "cli/BadInput.h"
#include "cli/DecimalNumber.h"

namespace quenaro {

double parseLatitude(std::string_view text, std::string_view option) {
    const double degrees = parseDecimalNumber(text, option);
    if (std::fabs(degrees) > 90.0) {
        throw BadInput(option, text, "a latitude lies between -90 and 90 degrees (north positive)");
    }
    return degrees;
}

double parseLongitude(std::string_view text, std::string_view option) {
    const double degrees = parseDecimalNumber(text, option);
    if (std::fabs(degrees) > 180.0) {
        throw BadInput(option, text,
                       "a longitude lies between -180 and 180 degrees (east positive)");
    }
    return degrees;
}

TimeZone parseZone(std::string_view text, std::string_view option) {
    if (text.empty()) {
        throw BadInput(option, text, "empty; expected an IANA zone name such as Europe/Berlin");
    }
    try {
        return TimeZone::named(text);
    } catch (const std::invalid_argument&) {
        // TimeZone::named's only error: no such zone in the database.
        throw BadInput(option, text,
                       "unknown time zone; expected an IANA zone name such as Europe/Berlin");
    }
}

Place parsePlace(std::string_view text, std::string_view option) {
    if (text.empty()) {
        throw BadInput(option, text,
                       "empty; expected a place name such as \"Tromsø\" or \"Paris, FR\"");
    }
    const std::optional<Place> found = resolvePlace(text);
    if (!found) {
        throw BadInput(option, text,
                       "no such place in the gazetteer (search it with 'quenaro places NAME')");
    }
    return *found;
}

}  // namespace quenaro
