#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quenaro {

/// A populated place of the built-in gazetteer (GeoNames: every place of 15,000 people or more,
/// and every capital and seat of government; 27,559 places). Its texts point into the
/// program's constant tables and stay valid for the whole run.
struct Place {
    std::string_view name;         // UTF-8, as written locally: "Tromsø"
    std::string_view asciiName;    // its ASCII spelling: "Tromso"
    std::string_view country;      // ISO 3166 code: "NO"
    std::string_view countryName;  // English short name: "Norway"
    std::string_view region;       // first-order region: the state or province abbreviation in
                                   // the US and Canada ("IL", "ON"), GeoNames' admin1 code
                                   // elsewhere ("54"); may be empty
    double latitudeDegrees;        // [-90, 90], north positive, to 1e-5 degree
    double longitudeDegrees;       // [-180, 180], east positive, to 1e-5 degree
    int elevationMetres;           // above sea level
    std::int64_t population;       // people; 0 where unknown
    std::string_view zone;         // IANA time zone: "Europe/Oslo"

    bool operator==(const Place&) const = default;
};

/// Text folded for search: case and accents removed and the letters without a decomposition
/// spelt out ("Tromsø" -> "tromso", "Łódź" -> "lodz", "Straße" -> "strasse",
/// "ΑΘΉΝΑ" -> "αθηνα"), by the built-in folding table. Bytes that are not UTF-8 stay as they are.
std::string foldForSearch(std::string_view utf8);

/// The places whose name or ASCII name starts with `query`, compared folded (foldForSearch,
/// runs of spaces read as one): "tromsø", "Tromso" and "TROMS" all find Tromsø, "sao p" finds
/// São Paulo. Places whose folded name is the whole query come first, then the others; each
/// group by decreasing population.
///
/// Text after a comma narrows the search: "Paris, FR", "Paris, France", "London, UK",
/// "Springfield, IL". It is tried, in this order, as an ISO 3166 country code (UK meaning GB),
/// as the code of a US state or Canadian province, and as the start of a country's name; the
/// first reading that leaves any place is used. A query that finds nothing that way is tried
/// as a whole name, for the few names with a comma in them.
///
/// At most `limit` places; none for an empty query (or one of white space alone).
std::vector<Place> searchPlaces(std::string_view query, std::size_t limit = 10);

/// The place a text "Name[, Country or region]" means: the first of searchPlaces(text);
/// nothing when no place matches.
std::optional<Place> resolvePlace(std::string_view text);

/// The place's name as people write it: "Tromsø, Norway", with a US state's or a Canadian
/// province's code after the name ("Springfield, IL, United States").
std::string placeTitle(const Place& place);

}  // namespace quenaro
