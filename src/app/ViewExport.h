#pragma once

#include <QSizeF>
#include <QString>
#include <functional>

#include "views/ViewRendering.h"

class QWidget;

namespace quenaro {

class Ephemeris;

/// A view as the window shows it, ready to be drawn into a file.
struct ExportedView {
    RenderedView view;
    /// Its size on screen, points.
    QSizeF size;
    /// What it is drawn with beside the model (night vision as on screen).
    RenderSettings settings;
    /// A short name for the file ("sheet").
    QString name;
};

/// Asks the user where to save an exported view; an empty name when they cancel.
/// `suggestedPath` is the file offered first.
using ExportFileChooser = std::function<QString(QWidget* window, const QString& suggestedPath)>;

/// The save dialog: PNG image or PDF document, the suffix of the chosen type added when the
/// name has neither ".png" nor ".pdf". Qt's own dialog (red like the rest) in night vision.
QString askExportFile(QWidget* window, const QString& suggestedPath);

/// The file name offered first: "Quenaro <name> YYYY-MM-DD HH.MM.png" in the user's pictures
/// folder, from the model's date as the window shows it.
QString suggestedExportPath(const ExportedView& exported, const Ephemeris& model);

/// "Export view…": asks `choose` for a file and draws the view of the model into it with
/// renderView (a PDF when the name ends in ".pdf", else a PNG at the window's device pixel
/// ratio, at least 2). The file appears whole or not at all; a failure is shown in an alert
/// over the window. Returns whether a file was written (false also when the user cancelled).
bool exportView(QWidget* window, const ExportedView& exported, const Ephemeris& model,
                const ExportFileChooser& choose);

}  // namespace quenaro
