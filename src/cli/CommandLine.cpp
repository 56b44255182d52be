#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/DiagnosticLog.h"
#include "cli/ObserverOptions.h"
#include "cli/PositionCommand.h"
#include "cli/SheetCommand.h"
#include "model/Ephemeris.h"

namespace quenaro {

namespace {

/// The model for the moment and place of the options; the options' zone and place also
/// become the process's default zone and best known position, which models made inside
/// the model's own operations (the next day's sunrise) use.
Ephemeris modelFor(const ObserverOptions& options) {
    const TimeZone zone = options.timeZone();
    const GeographicPosition position = options.position();
    const EphemerisDate date = options.date(zone);
    TimeZone::setDefaultZone(zone);
    setBestKnownPosition(position);
    return Ephemeris(date, position.latitudeDegrees, position.longitudeDegrees);
}

/// Routes the diagnostic log to a stream for the lifetime of the object.
class DiagnosticLogTo {
  public:
    explicit DiagnosticLogTo(std::ostream& out) {
        setDiagnosticSink([&out](std::string_view line) { out << line << '\n'; });
    }
    ~DiagnosticLogTo() { setDiagnosticSink({}); }
    DiagnosticLogTo(const DiagnosticLogTo&) = delete;
    DiagnosticLogTo& operator=(const DiagnosticLogTo&) = delete;
};

}  // namespace

int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"Quenaro, a pocket sky almanac"};
    app.require_subcommand(1);

    std::string body;
    std::string julianDateText;
    CLI::App* position = app.add_subcommand(
        "position", "Apparent geocentric position of a body from the planetary series, as JSON");
    position
        ->add_option("body", body,
                     "sun, mercury, venus, mars, jupiter, saturn, uranus, "
                     "neptune or pluto")
        ->required();
    position->add_option("--jd", julianDateText, "Julian date (UT)")->required();

    ObserverOptions reportOptions;
    CLI::App* report =
        app.add_subcommand("report", "The model's full diagnostic report, one line each");
    reportOptions.addTo(*report);

    ObserverOptions sheetOptions;
    bool json = false;
    CLI::App* sheet = app.add_subcommand("sheet", "The almanac sheet of figures");
    sheetOptions.addTo(*sheet);
    sheet->add_flag("--json", json, "One JSON object with the figures and the sheet's rows");

    std::vector<std::string> arguments;
    for (int index = argc - 1; index > 0; --index) {
        arguments.emplace_back(argv[index]);
    }
    try {
        app.parse(arguments);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kExitSuccess;
    } catch (const CLI::ParseError& error) {
        err << "quenaro: " << error.what() << '\n';
        return kExitBadInput;
    }

    try {
        if (*position) {
            writePosition(body, julianDateText, out);
        } else if (*report) {
            Ephemeris model = modelFor(reportOptions);
            const DiagnosticLogTo logToOut(out);
            model.debugreport();
        } else if (*sheet) {
            Ephemeris model = modelFor(sheetOptions);
            writeSheet(model, json, out);
        }
    } catch (const BadInput& error) {
        err << "quenaro: " << error.what() << '\n';
        return kExitBadInput;
    } catch (const std::invalid_argument& error) {
        err << "quenaro: " << error.what() << '\n';
        return kExitNotCalculable;
    }
    return kExitSuccess;
}

}  // namespace quenaro
