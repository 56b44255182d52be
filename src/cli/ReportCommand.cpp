// `quenaro report`: the model's diagnostic report, its log lines written as the output.

#include "cli/ReportCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "base/DiagnosticLog.h"
#include "cli/ObserverOptions.h"
#include "model/Ephemeris.h"

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
    const auto options = std::make_shared<ObserverOptions>();
    CLI::App* command =
        app.add_subcommand("report", "The model's full diagnostic report, one line each");
    options->addTo(*command);
    return {command, [options](std::ostream& out) {
                Ephemeris model = options->model();
                const DiagnosticLogTo logToOut(out);
                model.debugreport();
            }};
}

}  // namespace quenaro
