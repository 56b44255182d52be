#pragma once

#include <array>
#include <string>

namespace quenaro {

/// Exit statuses of the quenaro program, the same for every subcommand and for the window.
enum ExitStatus : int {
    /// Done.
    kExitSuccess = 0,
    /// The output could not be written, or an internal error.
    kExitFailure = 1,
    /// Bad input: an option, value or subcommand that is not accepted.
    kExitBadInput = 2,
    /// `report` stopped at an event that cannot be calculated.
    kExitNotCalculable = 3,
    /// Nothing found (`places`).
    kExitNothingFound = 4,
    /// No display for the window.
    kExitNoDisplay = 5
};

/// One row of the exit-status table: the status and what it means.
struct ExitStatusMeaning {
    ExitStatus status;
    const char* meaning;
};

/// The exit-status table as --help and the README show it, in order of status.
inline constexpr std::array<ExitStatusMeaning, 6> kExitStatusTable{{
    {kExitSuccess, "done"},
    {kExitFailure,
     "the output could not be written (a message on stderr; a file is never left half-written "
     "under the asked name), or an internal error"},
    {kExitBadInput, "bad input (one line on stderr naming the option and what is accepted)"},
    {kExitNotCalculable,
     "report stopped at an event that cannot be calculated for the day (the lines before it "
     "are written; stderr names the event)"},
    {kExitNothingFound, "nothing found (places)"},
    {kExitNoDisplay, "no display for the window"},
}};

/// The table as text, one "  <status>  <meaning>" line each, under the heading "Exit status:".
std::string exitStatusText();

}  // namespace quenaro
