// The command line: subcommands declared on one application, their output delivered whole
// after they ran, and every failure turned into one line on stderr and an exit status.

#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/BadInput.h"
#include "cli/CommandOutput.h"
#include "cli/ConvertCommand.h"
#include "cli/NothingFound.h"
#include "cli/PlacesCommand.h"
#include "cli/PositionCommand.h"
#include "cli/RenderCommand.h"
#include "cli/ReportCommand.h"
#include "cli/SheetCommand.h"
#include "drawing/RenderError.h"
#include "model/NoRisesOrSetsCalculable.h"

namespace quenaro {

namespace {

constexpr const char* kProgram = "quenaro";

/// "places, position, report, sheet, render or convert".
std::string subcommandNames(const std::vector<Subcommand>& subcommands) {
    std::string names;
    for (std::size_t index = 0; index < subcommands.size(); ++index) {
        const bool last = index + 1 == subcommands.size();
        names += (index == 0 ? "" : last ? " or " : ", ") + subcommands[index].command->get_name();
    }
    return names;
}

/// The parser's complaint in the program's words: the option that lacks a value named, and
/// where to read what is accepted.
std::string parseErrorMessage(const CLI::ParseError& error, const std::string& helpCommand) {
    std::string message = error.what();
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr &&
        message.find(": ") != std::string::npos) {
        message = "option " + message.substr(0, message.find(": ")) + " is missing its value";
    } else if (!message.empty()) {
        message[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(message[0])));
    }
    return message + " (see '" + helpCommand + " --help')";
}

/// The first argument the subcommand left unread that looks like an option ("-x", "--colour");
/// empty when there is none.
std::string unknownOption(const CLI::App& command) {
    for (const std::string& argument : command.remaining()) {
        if (argument.size() > 1 && argument.starts_with('-')) {
            return argument;
        }
    }
    return {};
}

/// Delivers the output to --output or to `out`; false when it could not be written.
bool deliver(const std::string& output, const std::string& outputPath, std::ostream& out,
             std::ostream& err) {
    return outputPath.empty() ? writeToStream(output, out, err)
                              : writeToFile(output, outputPath, err);
}

void reportBadInput(std::ostream& err, const std::string& message) {
    err << oneLineText(std::string(kProgram) + ": " + message, BadInput::kMaximumMessageBytes)
        << '\n';
}

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
        const ViewRenderer& renderer) {
    CLI::App app{"Quenaro, a pocket sky almanac", kProgram};
    app.set_version_flag("--version", std::string(kProgram) + " " + QUENARO_VERSION,
                         "Print the program's version and exit");
    app.require_subcommand(1);

    std::vector<Subcommand> subcommands{addPlacesCommand(app),           addPositionCommand(app),
                                        addReportCommand(app),           addSheetCommand(app),
                                        addRenderCommand(app, renderer), addConvertCommand(app)};
    // Set after the subcommands were made, which would otherwise inherit it as their own.
    app.footer(exitStatusText());
    std::string outputPath;
    for (const Subcommand& subcommand : subcommands) {
        if (!subcommand.writesOwnOutput) {
            subcommand.command
                ->add_option("-o,--output", outputPath,
                             "Write to this file (replaced whole) instead of standard "
                             "output")
                ->type_name("FILE");
        }
        // After the table, what the subcommand itself says at the end (its data's credits).
        const std::string ownFooter = subcommand.command->get_footer();
        subcommand.command->footer(exitStatusText() + (ownFooter.empty() ? "" : "\n" + ownFooter));
    }

    // The first argument names the subcommand (the program's own options start with "-").
    const std::string first = argc > 1 ? argv[1] : "";
    const auto named =
        std::find_if(subcommands.begin(), subcommands.end(),
                     [&](const Subcommand& s) { return s.command->get_name() == first; });
    if (argc > 1 && !first.starts_with('-') && named == subcommands.end()) {
        reportBadInput(err, "unknown subcommand " + shownValue(first) + "; expected " +
                                subcommandNames(subcommands) + " (see 'quenaro --help')");
        return kExitBadInput;
    }
    const std::string helpCommand =
        named == subcommands.end() ? std::string(kProgram) : std::string(kProgram) + " " + first;

    std::vector<std::string> arguments;
    for (int index = argc - 1; index > 0; --index) {
        arguments.emplace_back(argv[index]);
    }
    try {
        app.parse(arguments);
    } catch (const CLI::CallForHelp&) {
        return writeToStream(app.help(), out, err) ? kExitSuccess : kExitFailure;
    } catch (const CLI::CallForVersion& version) {
        return writeToStream(std::string(version.what()) + "\n", out, err) ? kExitSuccess
                                                                           : kExitFailure;
    } catch (const CLI::ParseError& error) {
        const std::string unknown =
            named == subcommands.end() ? std::string() : unknownOption(*named->command);
        if (named == subcommands.end() && argc <= 1) {
            reportBadInput(err, "a subcommand is required: " + subcommandNames(subcommands) +
                                    " (see 'quenaro --help')");
        } else if (!unknown.empty()) {
            // Named before a missing value, which the parser would report first.
            reportBadInput(err, "unknown option " + shownValue(unknown) + " (see '" + helpCommand +
                                    " --help')");
        } else {
            reportBadInput(err, parseErrorMessage(error, helpCommand));
        }
        return kExitBadInput;
    }

    const auto parsed = std::find_if(subcommands.begin(), subcommands.end(),
                                     [](const Subcommand& s) { return s.command->parsed(); });
    std::ostringstream output;
    int status = kExitSuccess;
    std::string statusMessage;
    try {
        parsed->run(output);
    } catch (const BadInput& error) {
        reportBadInput(err, error.what());
        return kExitBadInput;
    } catch (const NoRisesOrSetsCalculable& error) {
        status = kExitNotCalculable;
        statusMessage = std::string(kProgram) + ": " + parsed->command->get_name() +
                        " stopped at the " + error.event() + ": " + error.what();
    } catch (const NothingFound& error) {
        status = kExitNothingFound;
        statusMessage = std::string(kProgram) + ": " + error.what();
    } catch (const RenderError& error) {
        err << oneLineText(std::string(kProgram) + ": " + error.what(),
                           BadInput::kMaximumMessageBytes)
            << '\n';
        return kExitFailure;
    }
    if (parsed->writesOwnOutput) {
        return status;
    }
    if (!deliver(output.str(), outputPath, out, err)) {
        return kExitFailure;
    }
    if (!statusMessage.empty()) {
        err << oneLineText(statusMessage, BadInput::kMaximumMessageBytes) << '\n';
    }
    return status;
}

}  // namespace

int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   const ViewRenderer& renderer) {
    try {
        return run(argc, argv, out, err, renderer);
    } catch (const std::exception& error) {
        err << oneLineText(std::string(kProgram) + ": internal error: " + error.what(),
                           BadInput::kMaximumMessageBytes)
            << '\n';
    } catch (...) {
        err << kProgram << ": internal error: an unknown exception\n";
    }
    return kExitFailure;
}

}  // namespace quenaro
