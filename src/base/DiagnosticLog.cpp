#include "base/DiagnosticLog.h"

#include <iostream>
#include <utility>

namespace quenaro {

namespace {
DiagnosticSink& installedSink() {
    static DiagnosticSink sink;
    return sink;
}
}  // namespace

void diagnosticLog(std::string_view line) {
    if (const DiagnosticSink& sink = installedSink()) {
        sink(line);
    } else {
        std::cerr << line << '\n';
    }
}

void setDiagnosticSink(DiagnosticSink sink) {
    installedSink() = std::move(sink);
}

}  // namespace quenaro
