#pragma once

#include <QGuiApplication>

namespace quenaro::testing {

/// Creates the process's QGuiApplication on first use (fonts and painting need one), on the
/// offscreen platform unless QT_QPA_PLATFORM names another.
inline void ensureGuiApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "quenaro_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

}  // namespace quenaro::testing
