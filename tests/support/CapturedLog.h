#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/DiagnosticLog.h"

namespace quenaro::testing {

/// Collects the diagnostic log while alive (standard error again afterwards).
class CapturedLog {
  public:
    CapturedLog() {
        setDiagnosticSink([this](std::string_view line) { lines.emplace_back(line); });
    }
    ~CapturedLog() { setDiagnosticSink({}); }
    CapturedLog(const CapturedLog&) = delete;
    CapturedLog& operator=(const CapturedLog&) = delete;

    std::vector<std::string> lines;
};

}  // namespace quenaro::testing
