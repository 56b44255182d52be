// The application's entry: the display check, Qt's application object, the settings, the
// interface and the event loop.

#include "app/Application.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <memory>
#include <optional>
#include <string>

#include "app/AppSettings.h"
#include "app/DiagnosticLines.h"
#include "app/InterfaceDescription.h"
#include "app/QtText.h"
#include "base/DiagnosticLog.h"
#include "views/RasterThreads.h"

namespace quenaro {

namespace {

bool xServerAnswers() {
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screen);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

bool waylandSocketExists() {
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    const QString path = QDir::isAbsolutePath(name)
                             ? name
                             : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
    return QFileInfo::exists(path);
}

Q_LOGGING_CATEGORY(quenaroLog, "quenaro")

}  // namespace

bool displayAvailable() {
    const QString platform =
        qEnvironmentVariable("QT_QPA_PLATFORM").section(QLatin1Char(':'), 0, 0);
    if (platform.isEmpty() || platform == QLatin1String("xcb")) {
        return qEnvironmentVariableIsSet("DISPLAY") && xServerAnswers();
    }
    if (platform.startsWith(QLatin1String("wayland"))) {
        return waylandSocketExists();
    }
    return true;
}

int runApplication(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quenaro"));
    QApplication::setApplicationName(QStringLiteral("Quenaro"));
    QApplication::setApplicationVersion(QStringLiteral(QUENARO_VERSION));
    // The desktop entry the window belongs to, for its icon and name in the desktop's shell.
    QApplication::setDesktopFileName(QStringLiteral(QUENARO_APP_ID));
    setDiagnosticSink([lines = std::make_shared<DiagnosticLines>()](std::string_view entry) {
        if (const std::optional<std::string> line = lines->lineFor(entry)) {
            qCInfo(quenaroLog).noquote() << toQString(*line);
        }
    });

    limitRasterWorkerThreads();

    AppSettings settings;
    const std::unique_ptr<Interface> ui = loadInterface(settings);
    ui->delegate->applicationDidFinishLaunching();
    const int status = QApplication::exec();
    setDiagnosticSink({});
    return status;
}

}  // namespace quenaro
