#include "places/Gazetteer.h"

#include <algorithm>
#include <bitset>
#include <iterator>
#include <span>

#include "places/TextFolding.h"
#include "places/tables/GazetteerTables.h"
#include "places/tables/TextFoldingTable.h"

namespace quenaro {

namespace {

// Names people give countries besides the short names of the country table, folded.
struct CountryAlias {
    std::string_view foldedName;
    std::string_view code;
};
constexpr CountryAlias kCountryAliases[] = {
    {"united kingdom", "GB"},
    {"great britain", "GB"},
    {"usa", "US"},
    {"united states of america", "US"},
};

constexpr std::size_t kCountryCount = std::size(g_Countries);
using CountrySet = std::bitset<kCountryCount>;

// A city found by its name, and whether its folded name is the whole query.
struct Candidate {
    std::uint32_t city;
    bool exact;
};

std::string_view cityText(std::uint32_t offset) {
    return std::string_view(g_CityText + offset);
}

// The folded text an entry of the search index stands for.
std::string searchKey(CitySearchEntry entry) {
    const CityRecord& city = g_Cities[entry >> 1];
    return foldForSearch(cityText((entry & 1) != 0 ? city.asciiNameOffset : city.nameOffset));
}

// `text` folded, with runs of white space read as one space and none at either end.
std::string foldedQuery(std::string_view text) {
    std::string query;
    for (const char c : foldForSearch(text)) {
        const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (!space) {
            query += c;
        } else if (!query.empty() && query.back() != ' ') {
            query += ' ';
        }
    }
    if (!query.empty() && query.back() == ' ') {
        query.pop_back();
    }
    return query;
}

// Every city with a folded name or ASCII name that starts with `query` (non-empty); a city
// may appear twice, once for each of its names.
std::vector<Candidate> nameMatches(const std::string& query) {
    const std::span<const CitySearchEntry> index(g_CitySearchIndex);
    // In the index's order the names equal to the query come first among those that start
    // with it.
    const auto first = std::partition_point(
        index.begin(), index.end(), [&](CitySearchEntry e) { return searchKey(e) < query; });
    const auto exactEnd = std::partition_point(
        first, index.end(), [&](CitySearchEntry e) { return searchKey(e) == query; });
    const auto last = std::partition_point(
        exactEnd, index.end(), [&](CitySearchEntry e) { return searchKey(e).starts_with(query); });
    std::vector<Candidate> candidates;
    candidates.reserve(static_cast<std::size_t>(last - first));
    for (auto entry = first; entry != last; ++entry) {
        candidates.push_back({*entry >> 1, entry < exactEnd});
    }
    return candidates;
}

std::optional<std::size_t> countryWithCode(std::string_view code) {
    for (std::size_t country = 0; country < kCountryCount; ++country) {
        if (g_Countries[country].code == code) {
            return country;
        }
    }
    return std::nullopt;
}

// The countries whose folded name, or a name people give it, starts with `prefix`.
CountrySet countriesNamed(std::string_view prefix) {
    CountrySet countries;
    for (std::size_t country = 0; country < kCountryCount; ++country) {
        countries[country] = foldForSearch(g_Countries[country].name).starts_with(prefix);
    }
    for (const CountryAlias& alias : kCountryAliases) {
        if (alias.foldedName.starts_with(prefix)) {
            if (const auto country = countryWithCode(alias.code)) {
                countries[*country] = true;
            }
        }
    }
    return countries;
}

template <typename Keep>
std::vector<Candidate> kept(const std::vector<Candidate>& candidates, Keep keep) {
    std::vector<Candidate> result;
    std::copy_if(candidates.begin(), candidates.end(), std::back_inserter(result),
                 [&](const Candidate& candidate) { return keep(g_Cities[candidate.city]); });
    return result;
}

// The candidates in the first reading of `qualifier` (folded, non-empty) that keeps any: a
// country code, a US or Canadian region code, the start of a country's name.
std::vector<Candidate> narrowed(const std::vector<Candidate>& candidates,
                                const std::string& qualifier) {
    std::string code = qualifier;
    std::transform(code.begin(), code.end(), code.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    if (code.size() == 2) {
        if (const auto country = countryWithCode(code == "UK" ? "GB" : code)) {
            auto inCountry =
                kept(candidates, [&](const CityRecord& city) { return city.country == *country; });
            if (!inCountry.empty()) {
                return inCountry;
            }
        }
        const auto unitedStates = countryWithCode("US");
        const auto canada = countryWithCode("CA");
        auto inRegion = kept(candidates, [&](const CityRecord& city) {
            return (city.country == unitedStates || city.country == canada) &&
                   g_CityRegionCodes[city.region] == code;
        });
        if (!inRegion.empty()) {
            return inRegion;
        }
    }
    const CountrySet countries = countriesNamed(qualifier);
    return kept(candidates, [&](const CityRecord& city) { return countries[city.country]; });
}

// Whole-name matches first, then by decreasing population, then in the tables' order.
bool ranksBefore(const Candidate& a, const Candidate& b) {
    if (a.exact != b.exact) {
        return a.exact;
    }
    const std::uint32_t populationA = g_Cities[a.city].population;
    const std::uint32_t populationB = g_Cities[b.city].population;
    return populationA != populationB ? populationA > populationB : a.city < b.city;
}

Place placeOf(std::uint32_t index) {
    const CityRecord& city = g_Cities[index];
    const CountryRecord& country = g_Countries[city.country];
    return Place{cityText(city.nameOffset),
                 cityText(city.asciiNameOffset),
                 std::string_view(country.code, 2),
                 country.name,
                 g_CityRegionCodes[city.region],
                 city.latitudeE5 / 1e5,  // the double nearest the data's decimal text
                 city.longitudeE5 / 1e5,
                 city.elevationMetres,
                 city.population,
                 g_CityZoneNames[city.zone]};
}

// The best `limit` distinct places among the candidates.
std::vector<Place> ranked(std::vector<Candidate> candidates, std::size_t limit) {
    // A city appears at most twice, so the first 2 * limit candidates hold `limit` cities.
    const auto sortedEnd =
        candidates.begin() + static_cast<std::ptrdiff_t>(std::min(candidates.size(), 2 * limit));
    std::partial_sort(candidates.begin(), sortedEnd, candidates.end(), ranksBefore);
    std::vector<Place> places;
    std::vector<std::uint32_t> seen;
    for (auto candidate = candidates.begin(); candidate != sortedEnd && places.size() < limit;
         ++candidate) {
        if (std::find(seen.begin(), seen.end(), candidate->city) == seen.end()) {
            seen.push_back(candidate->city);
            places.push_back(placeOf(candidate->city));
        }
    }
    return places;
}

std::vector<Place> placesNamed(const std::string& name, std::size_t limit) {
    return name.empty() ? std::vector<Place>{} : ranked(nameMatches(name), limit);
}

}  // namespace

std::string foldForSearch(std::string_view utf8) {
    std::string folded;
    folded.reserve(utf8.size());
    appendFolded(utf8, g_TextFoldingTable, folded);
    return folded;
}

std::vector<Place> searchPlaces(std::string_view query, std::size_t limit) {
    if (limit == 0) {
        return {};
    }
    const std::size_t comma = query.find(',');
    if (comma == std::string_view::npos) {
        return placesNamed(foldedQuery(query), limit);
    }
    const std::string name = foldedQuery(query.substr(0, comma));
    const std::string qualifier = foldedQuery(query.substr(comma + 1));
    if (!name.empty()) {
        std::vector<Candidate> candidates = nameMatches(name);
        if (qualifier.empty()) {
            return ranked(std::move(candidates), limit);
        }
        std::vector<Candidate> inQualifier = narrowed(candidates, qualifier);
        if (!inQualifier.empty()) {
            return ranked(std::move(inQualifier), limit);
        }
    }
    return placesNamed(foldedQuery(query), limit);
}

std::optional<Place> resolvePlace(std::string_view text) {
    std::vector<Place> places = searchPlaces(text, 1);
    if (places.empty()) {
        return std::nullopt;
    }
    return places.front();
}

std::string placeTitle(const Place& place) {
    std::string title(place.name);
    // GeoNames' first-order regions are numbers elsewhere, which nobody writes after a name.
    if ((place.country == "US" || place.country == "CA") && !place.region.empty()) {
        title.append(", ").append(place.region);
    }
    title.append(", ").append(place.countryName);
    return title;
}

}  // namespace quenaro
