#pragma once

#include <functional>
#include <string_view>

namespace quenaro {

/// Receives one entry of the diagnostic log (one line of text, without a line break).
using DiagnosticSink = std::function<void(std::string_view line)>;

/// Writes one entry to the diagnostic log: standard error unless a sink was installed.
void diagnosticLog(std::string_view line);
/// Routes the diagnostic log to the sink (an empty function restores standard error).
void setDiagnosticSink(DiagnosticSink sink);

}  // namespace quenaro
