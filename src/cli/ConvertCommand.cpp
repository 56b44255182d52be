// `quenaro convert`: one position in horizontal, equatorial and ecliptic coordinates, through
// the calculator's conversions.

#include "cli/ConvertCommand.h"

#include <CLI/CLI.hpp>
#include <array>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "cli/BadInput.h"
#include "cli/DecimalNumber.h"
#include "cli/ObserverOptions.h"
#include "cli/PreciseFlag.h"
#include "time/Degrees.h"

namespace quenaro {

namespace {

using Json = nlohmann::ordered_json;

/// One number option of a frame: its name, the range it accepts and how a message names it.
struct PairOption {
    const char* name;
    double lowest;
    double highest;
    const char* accepted;
};

/// The frames a position can be given in, with the two options of each.
struct Frame {
    const char* name;
    std::array<PairOption, 2> options;
};

constexpr std::array<Frame, 3> kFrames{{
    {"altaz",
     {{{"--alt", -90.0, 90.0, "an altitude lies between -90 and 90 degrees"},
       {"--az", 0.0, 360.0,
        "an azimuth lies between 0 and 360 degrees, from the north through the east"}}}},
    {"radec",
     {{{"--ra", 0.0, 24.0, "a right ascension lies between 0 and 24 hours"},
       {"--dec", -90.0, 90.0, "a declination lies between -90 and 90 degrees"}}}},
    {"ecliptic",
     {{{"--ecl-lat", -90.0, 90.0, "an ecliptic latitude lies between -90 and 90 degrees"},
       {"--ecl-lon", 0.0, 360.0, "an ecliptic longitude lies between 0 and 360 degrees"}}}},
}};

struct ConvertOptions {
    ObserverOptions observer;
    std::string frameName;
    std::array<std::array<std::string, 2>, kFrames.size()> texts;
    std::array<std::array<CLI::Option*, 2>, kFrames.size()> given{};
    bool json = false;
    PreciseFlag precise;
};

/// The pair of the chosen frame, each checked against its range; throws BadInput for a
/// missing value, a value out of range or an option of another frame.
std::array<double, 2> framePair(const ConvertOptions& options, std::size_t frame) {
    for (std::size_t other = 0; other < kFrames.size(); ++other) {
        for (std::size_t index = 0; index < 2; ++index) {
            const PairOption& option = kFrames[other].options[index];
            if (other != frame && options.given[other][index]->count() > 0) {
                throw BadInput(std::string(option.name) + " belongs to --from " +
                               kFrames[other].name + ", not --from " + kFrames[frame].name);
            }
        }
    }
    std::array<double, 2> pair{};
    for (std::size_t index = 0; index < 2; ++index) {
        const PairOption& option = kFrames[frame].options[index];
        if (options.given[frame][index]->count() == 0) {
            throw BadInput(std::string("--from ") + kFrames[frame].name + " needs " +
                           kFrames[frame].options[0].name + " and " +
                           kFrames[frame].options[1].name);
        }
        const std::string& text = options.texts[frame][index];
        pair[index] = parseDecimalNumber(text, option.name);
        if (!(pair[index] >= option.lowest && pair[index] <= option.highest)) {
            throw BadInput(option.name, text, option.accepted);
        }
    }
    return pair;
}

AstrolabePosition convert(const ConvertOptions& options) {
    std::size_t frame = 0;
    while (kFrames[frame].name != options.frameName) {
        ++frame;  // CLI11 accepted only the frames' names
    }
    const std::array<double, 2> pair = framePair(options, frame);
    const Ephemeris model = options.precise.model(options.observer);
    switch (frame) {
        case 0:  // the model's azimuth runs from the south through the west
            return AstrolabePosition::fromAltAz(model, pair[0], mod360(pair[1] + 180.0));
        case 1:
            return AstrolabePosition::fromRaDecl(model, mod360(pair[0] * 15.0), pair[1]);
        default:
            return AstrolabePosition::fromLatLong(model, pair[0], mod360(pair[1]));
    }
}

}  // namespace

void writeConversion(const AstrolabePosition& position, bool json, std::ostream& out) {
    const double azimuthFromNorth = mod360(position.azimuth + 180.0);
    if (json) {
        const Json object{
            {"horizontal",
             {{"altitude", position.altitude},
              {"azimuth", position.azimuth},
              {"azimuthFromNorth", azimuthFromNorth}}},
            {"equatorial",
             {{"rightAscension", position.rightAscension}, {"declination", position.declination}}},
            {"ecliptic", {{"latitude", position.latitude}, {"longitude", position.longitude}}},
        };
        out << object.dump() << '\n';
        return;
    }
    const auto line = [&](const char* frame, const char* name, const std::string& text) {
        out << frame << " | " << name << " | " << text << '\n';
    };
    line("Horizontal", "Altitude", position.labelText(kAltitudeMode));
    line("Horizontal", "Azimuth from South", position.labelText(kAzimuthMode));
    // Rounded as the azimuth from the south is, so that the two read 180 degrees apart.
    AstrolabePosition fromNorth = position;
    fromNorth.azimuth = azimuthFromNorth;
    line("Horizontal", "Azimuth from North", fromNorth.labelText(kAzimuthMode));
    line("Equatorial", "Right Ascension", position.labelText(kRightAscensionMode));
    line("Equatorial", "Declination", position.labelText(kDeclinationMode));
    line("Ecliptic", "Latitude", position.labelText(kEclipticLatitudeMode));
    line("Ecliptic", "Longitude", position.labelText(kEclipticLongitudeMode));
}

Subcommand addConvertCommand(CLI::App& app) {
    const auto options = std::make_shared<ConvertOptions>();
    CLI::App* command = app.add_subcommand(
        "convert", "One position in horizontal, equatorial and ecliptic coordinates");
    command->add_option("--from", options->frameName, "The frame of the given position")
        ->required()
        ->type_name("FRAME")
        ->check(CLI::IsMember({kFrames[0].name, kFrames[1].name, kFrames[2].name}));
    const std::array<std::array<const char*, 2>, kFrames.size()> descriptions{{
        {"Altitude, degrees", "Azimuth, degrees from the north through the east"},
        {"Right ascension, hours", "Declination, degrees"},
        {"Ecliptic latitude, degrees", "Ecliptic longitude, degrees"},
    }};
    for (std::size_t frame = 0; frame < kFrames.size(); ++frame) {
        for (std::size_t index = 0; index < 2; ++index) {
            options->given[frame][index] =
                command
                    ->add_option(kFrames[frame].options[index].name, options->texts[frame][index],
                                 descriptions[frame][index])
                    ->type_name(frame == 1 && index == 0 ? "HOURS" : "DEGREES");
        }
    }
    options->observer.addTo(*command);
    command->add_flag("--json", options->json, "One JSON object with the three frames");
    options->precise.addTo(*command,
                           "the ecliptic is then the true ecliptic of date, the one of the "
                           "precise places, without the almanac's nutation in longitude");
    return {command, [options](std::ostream& out) {
                writeConversion(convert(*options), options->json, out);
            }};
}

}  // namespace quenaro
