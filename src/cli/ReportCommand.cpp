// `quenaro report`: the model's diagnostic report, its log lines written as the output.

#include "cli/ReportCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>

#include "base/DiagnosticLog.h"
#include "cli/ObserverOptions.h"
#include "cli/PreciseFlag.h"
#include "model/Ephemeris.h"
#include "model/EphemerisSheet.h"

namespace quenaro {

namespace {

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

Subcommand addReportCommand(CLI::App& app) {
    struct Options {
        ObserverOptions observer;
        PreciseFlag precise;
    };
    const auto options = std::make_shared<Options>();
    CLI::App* command =
        app.add_subcommand("report", "The model's full diagnostic report, one line each");
    options->observer.addTo(*command);
    options->precise.addTo(*command, "the report ends with a line naming the source and delta T");
    return {command, [options](std::ostream& out) {
                Ephemeris model = options->precise.model(options->observer);
                {
                    const DiagnosticLogTo logToOut(out);
                    model.debugreport();
                }
                if (const auto source = positionSourceFigures(model)) {
                    out << "Positions: " << positionSourceText(*source) << '\n';
                }
            }};
}

}  // namespace quenaro
