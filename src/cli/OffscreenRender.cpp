// `quenaro render`'s drawing: a Qt application on the offscreen platform and the views'
// paint functions.

#include "cli/OffscreenRender.h"

#include <QGuiApplication>
#include <memory>

#include "views/RasterThreads.h"
#include "views/ViewRendering.h"

namespace quenaro {

namespace {

QtMessageHandler qtMessageHandler = nullptr;

/// Passes Qt's messages on, except its note that XDG_RUNTIME_DIR is not set (usual on servers
/// and in CI), which says nothing about the drawing.
void withoutRuntimeDirNote(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")) &&
        qtMessageHandler != nullptr) {
        qtMessageHandler(type, context, message);
    }
}

/// Qt's application object on the offscreen platform, unless the process has one already.
std::unique_ptr<QGuiApplication> offscreenApplication() {
    if (QGuiApplication::instance() != nullptr) {
        return nullptr;
    }
    if (qtMessageHandler == nullptr) {
        qtMessageHandler = qInstallMessageHandler(withoutRuntimeDirNote);
    }
    // Drawing needs no display, whatever the environment asks for.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quenaro";
    static char* argv[] = {name, nullptr};
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    limitRasterWorkerThreads();
    return application;
}

}  // namespace

void renderOffscreen(const RenderRequest& request) {
    const QSizeF size = request.size ? QSizeF(request.size->width, request.size->height)
                                     : defaultRenderSize(request.view);
    const Ephemeris model = request.model();
    const std::unique_ptr<QGuiApplication> application = offscreenApplication();
    renderView(request.view, model, size, request.scale, QString::fromStdString(request.output),
               request.settings);
}

}  // namespace quenaro
