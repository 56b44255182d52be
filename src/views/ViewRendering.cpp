// Drawing a view offscreen into a PNG or PDF file, with the same paint functions the
// window uses.

#include "views/ViewRendering.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <cstring>
#include <functional>

#include "base/WholeFileWrite.h"
#include "views/ArmillaryPainter.h"
#include "views/EphemerisSheetPainter.h"
#include "views/NightVision.h"
#include "views/OrreryPainter.h"
#include "views/TimelinePainter.h"

namespace quenaro {

namespace {

/// The PDF's user space: one unit a point.
constexpr int kPointsPerInch = 72;

using PaintFunction = std::function<void(QPainter&, QSizeF)>;

PaintFunction paintFunctionFor(RenderedView view, const Ephemeris& model,
                               const RenderSettings& settings) {
    switch (view) {
        case RenderedView::Sheet:
            return [&model, &sheet = settings.sheet](QPainter& painter, QSizeF size) {
                drawEphemerisSheet(model, sheet, size, painter);
            };
        case RenderedView::Timeline:
            return [&model, night = settings.nightVision](QPainter& painter, QSizeF size) {
                drawTimeline(model, size, painter, offscreenCanvas(),
                             night ? TimelineLook::Night : TimelineLook::Day);
            };
        case RenderedView::Orrery:
            return [&model, audience = settings.orrery.audience](QPainter& painter, QSizeF size) {
                OrreryOptions options;
                options.audience = audience;
                drawOrrery(model, options, size, painter);
            };
        case RenderedView::Armillary:
            return [&model, &chart = settings.chart](QPainter& painter, QSizeF size) {
                drawArmillary(model, chart.settings, chart.state, size, painter);
            };
    }
    return {};
}

[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw RenderError(QStringLiteral("cannot write %1: %2").arg(path, reason).toStdString());
}

/// The view drawn into a picture of size x scale pixels on black, turned red for night vision.
QImage picture(const PaintFunction& paint, QSizeF size, double scale, bool nightVision,
               const QString& path) {
    QImage image(static_cast<int>(std::ceil(size.width() * scale)),
                 static_cast<int>(std::ceil(size.height() * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        fail(path, QStringLiteral("no memory for an image of %1 x %2 pixels")
                       .arg(size.width() * scale)
                       .arg(size.height() * scale));
    }
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        paint(painter, size);
    }
    if (nightVision) {
        turnNightRed(image);
    }
    return image;
}

void writePdf(const PaintFunction& paint, QSizeF size, double scale, bool nightVision,
              QBuffer& file, const QString& path) {
    QPdfWriter writer(&file);
    writer.setResolution(kPointsPerInch);
    writer.setPageSize(QPageSize(size, QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    if (!painter.isActive()) {
        fail(path, QStringLiteral("the PDF page could not be started"));
    }
    if (nightVision) {
        // A PDF has no way to turn colours red as they are drawn: the page holds the picture.
        painter.drawImage(QRectF(QPointF(0, 0), size), picture(paint, size, scale, true, path));
    } else {
        paint(painter, size);
    }
}

void writePng(const PaintFunction& paint, QSizeF size, double scale, bool nightVision,
              QBuffer& file, const QString& path) {
    const QImage image = picture(paint, size, scale, nightVision, path);
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        fail(path, writer.errorString());
    }
}

}  // namespace

QSizeF defaultRenderSize(RenderedView view) {
    switch (view) {
        case RenderedView::Sheet:
            return {kSheetWidth, kSheetHeight};
        case RenderedView::Timeline:
            return {320.0, 120.0};
        case RenderedView::Orrery:
        case RenderedView::Armillary:
            return {320.0, 320.0};
    }
    return {};
}

void renderView(RenderedView view, const Ephemeris& model, QSizeF size, double scale,
                const QString& path, const RenderSettings& settings) {
    // Drawn into memory first, then written whole by the one file writer of the program.
    QByteArray bytes;
    QBuffer file(&bytes);
    file.open(QIODevice::WriteOnly);
    const PaintFunction paint = paintFunctionFor(view, model, settings);
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        writePdf(paint, size, scale, settings.nightVision, file, path);
    } else {
        writePng(paint, size, scale, settings.nightVision, file, path);
    }
    file.close();
    if (const int error = writeWholeFile(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
            QFile::encodeName(path).toStdString());
        error != 0) {
        fail(path, QString::fromLocal8Bit(std::strerror(error)));
    }
}

}  // namespace quenaro
