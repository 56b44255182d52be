#include "app/ViewExport.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>

#include "app/Alerts.h"
#include "app/NightVisionStyle.h"
#include "model/Ephemeris.h"

namespace quenaro {

namespace {

constexpr double kSmallestExportScale = 2.0;
constexpr double kLargestExportScale = 4.0;
const QString kPngSuffix = QStringLiteral(".png");
const QString kPdfSuffix = QStringLiteral(".pdf");

bool drawnForNightVision() {
    const auto* style = qobject_cast<const NightVisionStyle*>(QApplication::style());
    return style != nullptr && style->nightVision();
}

}  // namespace

QString askExportFile(QWidget* window, const QString& suggestedPath) {
    const QString pngFilter = QObject::tr("PNG image (*.png)");
    const QString pdfFilter = QObject::tr("PDF document (*.pdf)");
    QString chosenFilter =
        suggestedPath.endsWith(kPdfSuffix, Qt::CaseInsensitive) ? pdfFilter : pngFilter;
    QFileDialog::Options options;
    if (drawnForNightVision()) {
        options |= QFileDialog::DontUseNativeDialog;
    }
    QString path = QFileDialog::getSaveFileName(window, QObject::tr("Export View"), suggestedPath,
                                                pngFilter + QStringLiteral(";;") + pdfFilter,
                                                &chosenFilter, options);
    if (!path.isEmpty() && !path.endsWith(kPngSuffix, Qt::CaseInsensitive) &&
        !path.endsWith(kPdfSuffix, Qt::CaseInsensitive)) {
        path += chosenFilter == pdfFilter ? kPdfSuffix : kPngSuffix;
    }
    return path;
}

QString suggestedExportPath(const ExportedView& exported, const Ephemeris& model) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    const EphemerisDate& date = model.date();
    const QString name = QStringLiteral("Quenaro %1 %2-%3-%4 %5.%6.png")
                             .arg(exported.name)
                             .arg(date.yearOfCommonEra(), 4, 10, QLatin1Char('0'))
                             .arg(date.monthOfYear(), 2, 10, QLatin1Char('0'))
                             .arg(date.dayOfMonth(), 2, 10, QLatin1Char('0'))
                             .arg(date.hourOfDay(), 2, 10, QLatin1Char('0'))
                             .arg(date.minuteOfHour(), 2, 10, QLatin1Char('0'));
    return QDir(folder).filePath(name);
}

bool exportView(QWidget* window, const ExportedView& exported, const Ephemeris& model,
                const ExportFileChooser& choose) {
    const QString path = choose(window, suggestedExportPath(exported, model));
    if (path.isEmpty()) {
        return false;
    }
    const double scale =
        std::clamp(window->devicePixelRatioF(), kSmallestExportScale, kLargestExportScale);
    try {
        renderView(exported.view, model, exported.size, scale, path, exported.settings);
    } catch (const RenderError& error) {
        showAlert(window, QObject::tr("The view could not be exported"),
                  QString::fromStdString(error.what()));
        return false;
    }
    return true;
}

}  // namespace quenaro
