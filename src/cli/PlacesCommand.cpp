// `quenaro places`: the gazetteer's matches for a name, as lines of text or a JSON array.

#include "cli/PlacesCommand.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "base/PrintfText.h"
#include "cli/BadInput.h"
#include "cli/NothingFound.h"
#include "cli/WholeNumber.h"
#include "places/Gazetteer.h"
#include "places/PlaceAttribution.h"

namespace quenaro {

namespace {

constexpr std::size_t kDefaultLimit = 10;

/// "64,448": the digits in groups of three (population is never negative).
std::string groupedDigits(std::int64_t count) {
    const std::string digits = std::to_string(count);
    std::string grouped;
    for (std::size_t index = 0; index < digits.size(); ++index) {
        if (index > 0 && (digits.size() - index) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[index];
    }
    return grouped;
}

std::string placeLine(const Place& place) {
    std::string line = placeTitle(place);
    line += printfText(" \u2014 %.4f %c %.4f %c, ", std::fabs(place.latitudeDegrees),
                       place.latitudeDegrees < 0.0 ? 'S' : 'N', std::fabs(place.longitudeDegrees),
                       place.longitudeDegrees < 0.0 ? 'W' : 'E');
    line.append(place.zone);
    if (place.population > 0) {
        line += ", " + groupedDigits(place.population) + " people";
    }
    return line;
}

nlohmann::ordered_json placeJson(const Place& place) {
    return {{"name", place.name},
            {"asciiName", place.asciiName},
            {"country", place.country},
            {"countryName", place.countryName},
            {"region", place.region},
            {"latitude", place.latitudeDegrees},
            {"longitude", place.longitudeDegrees},
            {"elevation", place.elevationMetres},
            {"population", place.population},
            {"zone", place.zone}};
}

}  // namespace

void writePlaces(std::string_view query, std::size_t limit, bool json, std::ostream& out) {
    if (query.empty()) {
        throw BadInput("QUERY", query,
                       "empty; expected a place name such as \"Tromsø\" or \"Paris, FR\"");
    }
    const std::vector<Place> places = searchPlaces(query, limit);
    if (json) {
        nlohmann::ordered_json array = nlohmann::ordered_json::array();
        for (const Place& place : places) {
            array.push_back(placeJson(place));
        }
        out << array.dump(2) << '\n';
    } else {
        for (const Place& place : places) {
            out << placeLine(place) << '\n';
        }
    }
    if (places.empty()) {
        throw NothingFound("no place matches " + shownValue(query));
    }
}

Subcommand addPlacesCommand(CLI::App& app) {
    struct Options {
        std::string query;
        std::string limitText;
        CLI::Option* limitOption = nullptr;
        bool json = false;
    };
    const auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand(
        "places", "Places of the built-in gazetteer by name, with their position and time zone");
    command
        ->add_option("query", options->query,
                     "Name or its start, \"Name[, Country or region]\" to narrow it (\"Tromsø\", "
                     "\"sao p\", \"Paris, FR\", \"London, UK\", \"Springfield, IL\"); case and "
                     "accents do not matter")
        ->required()
        ->type_name("QUERY");
    options->limitOption =
        command
            ->add_option("--limit", options->limitText,
                         printfText("Most places to list, best first: 1 to %zu; default %zu",
                                    kMaximumPlacesLimit, kDefaultLimit))
            ->type_name("N");
    command->add_flag("--json", options->json, "One JSON array of objects, one per place");
    command->footer("Data:\n  " + std::string(kGazetteerAttribution) + "\n");
    return {command, [options](std::ostream& out) {
                const std::size_t limit =
                    options->limitOption->count() > 0
                        ? static_cast<std::size_t>(parseWholeNumber(options->limitText, "--limit",
                                                                    1, kMaximumPlacesLimit))
                        : kDefaultLimit;
                writePlaces(options->query, limit, options->json, out);
            }};
}

}  // namespace quenaro
