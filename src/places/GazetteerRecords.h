#pragma once

#include <cstdint>
#include <string_view>

namespace quenaro {

/// A populated place as the generated gazetteer tables store it: texts as offsets of
/// NUL-terminated UTF-8 strings in g_CityText, other texts as indices into small tables.
struct CityRecord {
    std::uint32_t nameOffset;       // the name as written locally ("Tromsø")
    std::uint32_t asciiNameOffset;  // its ASCII spelling ("Tromso"); nameOffset when the same
    std::int32_t latitudeE5;        // 1e-5 degrees, north positive, [-9000000, 9000000]
    std::int32_t longitudeE5;       // 1e-5 degrees, east positive, [-18000000, 18000000]
    std::uint32_t population;       // people
    std::int16_t elevationMetres;   // metres above sea level
    std::uint16_t zone;             // index into g_CityZoneNames
    std::uint16_t region;           // index into g_CityRegionCodes
    std::uint8_t country;           // index into g_Countries
};

/// A country: its ISO 3166 code and English short name.
struct CountryRecord {
    char code[3];  // two capital letters and a NUL
    std::string_view name;
};

/// An entry of the gazetteer's search index: the city index shifted left by one, plus 1 when
/// the entry stands for the city's ASCII name rather than its name. The index lists every
/// city under its folded name and, when that folds differently, its folded ASCII name, in
/// increasing byte order of the folded text (ties by city index).
using CitySearchEntry = std::uint32_t;

}  // namespace quenaro
