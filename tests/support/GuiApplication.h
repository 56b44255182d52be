#pragma once

#include <QGuiApplication>

namespace quenaro::testing {

/// Creates the process's QGuiApplication on first use (fonts and painting need one); tests run
/// with QT_QPA_PLATFORM=offscreen.
inline void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "quenaro_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

}  // namespace quenaro::testing
