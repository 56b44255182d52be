#include "placegen/GazetteerTables.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

#include "tablegen/TsvTable.h"

namespace quenaro::placegen {

namespace {

using tablegen::TsvTable;

enum CityColumn : std::size_t {
    kName,
    kAsciiName,
    kCountry,
    kRegion,
    kLatitude,
    kLongitude,
    kElevation,
    kPopulation,
    kZone,
    kFeature,
    kCityColumns
};

// GeoNames numbers Canada's provinces and territories; people write their abbreviations.
const std::map<std::string, std::string> kCanadianProvinces = {
    {"01", "AB"}, {"02", "BC"}, {"03", "MB"}, {"04", "NB"}, {"05", "NL"},
    {"07", "NS"}, {"08", "ON"}, {"09", "PE"}, {"10", "QC"}, {"11", "SK"},
    {"12", "YT"}, {"13", "NT"}, {"14", "NU"},
};

// Codes GeoNames gives places that ISO 3166 has not assigned.
const std::map<std::string, std::string> kUnassignedCountryCodes = {{"XK", "Kosovo"}};

[[noreturn]] void throwBadRow(const TsvTable& table, std::size_t row, const std::string& what) {
    throw std::runtime_error(table.path.string() + ": data row " + std::to_string(row + 1) + ": " +
                             what);
}

// A coordinate with at most 5 decimals in units of 1e-5 degree, within +-limit degrees.
std::int32_t hundredThousandths(const TsvTable& table, std::size_t row, std::size_t column,
                                double limitDegrees) {
    const double degrees = tablegen::doubleField(table, row, column);
    const double scaled = degrees * 1e5;
    const double rounded = std::round(scaled);
    if (std::fabs(degrees) > limitDegrees || std::fabs(scaled - rounded) > 1e-3) {
        throwBadRow(
            table, row,
            "\"" + table.rows[row][column] + "\" is not a coordinate of at most 5 decimals");
    }
    return static_cast<std::int32_t>(rounded);
}

std::int32_t integerIn(const TsvTable& table, std::size_t row, std::size_t column,
                       std::int64_t smallest, std::int64_t largest) {
    const std::int32_t value = tablegen::integerField(table, row, column);
    if (value < smallest || value > largest) {
        throwBadRow(table, row, "\"" + table.rows[row][column] + "\" is out of range");
    }
    return value;
}

// Distinct texts in increasing order, each with its index.
class TextIndex {
  public:
    void add(const std::string& text) { indices_.emplace(text, 0); }
    void number() {
        std::size_t next = 0;
        for (auto& [text, index] : indices_) {
            index = next++;
        }
    }
    std::size_t operator[](const std::string& text) const { return indices_.at(text); }
    std::string definition(const std::string& declaration) const {
        std::vector<std::string> rows;
        for (const auto& [text, index] : indices_) {
            rows.push_back(cppStringLiteral(text));
        }
        return "constexpr std::string_view " + declaration + " = " + braceList(rows, 8) + ";\n";
    }
    std::size_t size() const { return indices_.size(); }

  private:
    std::map<std::string, std::size_t> indices_;
};

// NUL-terminated texts, each stored once, with their offsets.
class TextBlob {
  public:
    std::size_t add(const std::string& text) {
        const auto [entry, added] = offsets_.emplace(text, blob_.size());
        if (added) {
            blob_ += text;
            blob_ += '\0';
        }
        return entry->second;
    }
    // The blob as string literals of about 100 bytes, one a line; the literal's own final
    // NUL ends the last text a second time.
    std::string definition(const std::string& declaration) const {
        std::string text = "constexpr char " + declaration + " =";
        std::size_t start = 0;
        while (start < blob_.size()) {
            std::size_t end = std::min(blob_.size(), start + 100);
            end = blob_.find('\0', end - 1) + 1;  // whole texts on a line
            text += "\n    " + cppStringLiteral(std::string_view(blob_).substr(start, end - start));
            start = end;
        }
        return text + ";\n";
    }
    std::size_t size() const { return blob_.size() + 1; }

  private:
    std::string blob_;
    std::map<std::string, std::size_t> offsets_;
};

std::string folded(const std::string& text, const std::vector<FoldingEntry>& folding) {
    std::string result;
    appendFolded(text, folding, result);
    return result;
}

}  // namespace

TableSource gazetteerTableSource(const std::filesystem::path& dataDirectory,
                                 const std::vector<FoldingEntry>& folding) {
    const TsvTable countries = tablegen::readTsvTable(dataDirectory / "countries.tsv", 2);
    const TsvTable cities = tablegen::readTsvTable(dataDirectory / "cities.tsv", kCityColumns);
    // The first row of each file is its column header.
    if (countries.rows.empty() || countries.rows[0][0] != "code" || cities.rows.empty() ||
        cities.rows[0][kName] != "name" || cities.rows[0][kZone] != "zone") {
        throw std::runtime_error(dataDirectory.string() +
                                 ": countries.tsv or cities.tsv lacks its column header");
    }
    std::map<std::string, std::string> countryNames = kUnassignedCountryCodes;
    for (std::size_t row = 1; row < countries.rows.size(); ++row) {
        const std::string& code = countries.rows[row][0];
        const std::string& name = countries.rows[row][1];
        if (code.size() != 2 ||
            !std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; }) ||
            name.empty()) {
            throwBadRow(countries, row, "\"" + code + "\" is no ISO 3166 code with a name");
        }
        countryNames[code] = name;
    }
    std::map<std::string, std::size_t> countryIndices;
    std::vector<std::string> countryRows;
    for (const auto& [code, name] : countryNames) {
        countryIndices.emplace(code, countryRows.size());
        countryRows.push_back("{\"" + code + "\", " + cppStringLiteral(name) + "}");
    }
    if (countryRows.size() > std::numeric_limits<std::uint8_t>::max() + 1u) {
        throw std::runtime_error(countries.path.string() + ": more countries than fit a byte");
    }

    TextIndex zones;
    TextIndex regions;
    const auto regionOf = [&](std::size_t row) {
        const std::string& code = cities.rows[row][kRegion];
        const auto province = kCanadianProvinces.find(code);
        return cities.rows[row][kCountry] == "CA" && province != kCanadianProvinces.end()
                   ? province->second
                   : code;
    };
    for (std::size_t row = 1; row < cities.rows.size(); ++row) {
        if (cities.rows[row][kName].empty() || cities.rows[row][kAsciiName].empty() ||
            cities.rows[row][kZone].empty()) {
            throwBadRow(cities, row, "empty name or zone");
        }
        zones.add(cities.rows[row][kZone]);
        regions.add(regionOf(row));
    }
    zones.number();
    regions.number();

    TextBlob text;
    std::vector<std::string> cityRows;
    std::vector<std::pair<std::string, std::uint32_t>> searchEntries;
    for (std::size_t row = 1; row < cities.rows.size(); ++row) {
        const std::vector<std::string>& fields = cities.rows[row];
        const auto country = countryIndices.find(fields[kCountry]);
        if (country == countryIndices.end()) {
            throwBadRow(cities, row, "unknown country \"" + fields[kCountry] + "\"");
        }
        const std::vector<std::string> values = {
            std::to_string(text.add(fields[kName])),
            std::to_string(text.add(fields[kAsciiName])),
            std::to_string(hundredThousandths(cities, row, kLatitude, 90.0)),
            std::to_string(hundredThousandths(cities, row, kLongitude, 180.0)),
            std::to_string(
                integerIn(cities, row, kPopulation, 0, std::numeric_limits<std::int32_t>::max())),
            std::to_string(integerIn(cities, row, kElevation,
                                     std::numeric_limits<std::int16_t>::min(),
                                     std::numeric_limits<std::int16_t>::max())),
            std::to_string(zones[fields[kZone]]),
            std::to_string(regions[regionOf(row)]),
            std::to_string(country->second)};
        std::string record = "{";
        for (const std::string& value : values) {
            record += value + (&value == &values.back() ? "}" : ", ");
        }
        cityRows.push_back(std::move(record));

        const auto city = static_cast<std::uint32_t>(cityRows.size() - 1);
        const std::string nameKey = folded(fields[kName], folding);
        const std::string asciiKey = folded(fields[kAsciiName], folding);
        searchEntries.emplace_back(nameKey, city << 1);
        if (asciiKey != nameKey) {
            searchEntries.emplace_back(asciiKey, (city << 1) | 1);
        }
    }
    std::sort(searchEntries.begin(), searchEntries.end());
    std::vector<std::string> indexRows;
    for (const auto& [key, entry] : searchEntries) {
        indexRows.push_back(std::to_string(entry));
    }

    const std::string textArray = "g_CityText[" + std::to_string(text.size()) + "]";
    const std::string cityArray = "g_Cities[" + std::to_string(cityRows.size()) + "]";
    const std::string indexArray = "g_CitySearchIndex[" + std::to_string(indexRows.size()) + "]";
    const std::string zoneArray = "g_CityZoneNames[" + std::to_string(zones.size()) + "]";
    const std::string regionArray = "g_CityRegionCodes[" + std::to_string(regions.size()) + "]";
    const std::string countryArray = "g_Countries[" + std::to_string(countryRows.size()) + "]";
    return {
        "GazetteerTables", "cities.tsv and countries.tsv",
        "#include <string_view>\n\n#include \"places/GazetteerRecords.h\"\n",
        "// The populated places of GeoNames (15,000 people or more, and every capital and seat\n"
        "// of government), most populous first, with the texts, zones, first-order region codes\n"
        "// and countries they refer to, and the index of their folded names.\n"
        "extern const char " +
            textArray + ";\nextern const CityRecord " + cityArray +
            ";\nextern const CitySearchEntry " + indexArray + ";\nextern const std::string_view " +
            zoneArray + ";\nextern const std::string_view " + regionArray +
            ";\nextern const CountryRecord " + countryArray + ";\n",
        "\n" + text.definition(textArray) + "\nconstexpr CityRecord " + cityArray + " = " +
            braceList(cityRows, 1) + ";\n\nconstexpr CitySearchEntry " + indexArray + " = " +
            braceList(indexRows, 12) + ";\n\n" + zones.definition(zoneArray) + "\n" +
            regions.definition(regionArray) + "\nconstexpr CountryRecord " + countryArray + " = " +
            braceList(countryRows, 1) + ";\n"};
}

}  // namespace quenaro::placegen
