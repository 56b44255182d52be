#pragma once

#include "cli/Subcommand.h"

namespace quenaro {

/// Declares `quenaro report [--date --tz --place | --lat --lon]` on the application: the model's
/// diagnostic report, one line each. At an event that cannot be calculated the report stops
/// (NoRisesOrSetsCalculable), the lines before it written.
Subcommand addReportCommand(CLI::App& app);

}  // namespace quenaro
