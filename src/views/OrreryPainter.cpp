// The orrery dial on QPainter.

#include "views/OrreryPainter.h"

#include "drawing/OrreryContent.h"

namespace quenaro {

void paintOrrery(const OrreryContent& content, const OrreryOptions& options, QSizeF size,
                 QPainter& painter, QtCanvas& canvas) {
    canvas.paint(orreryDrawing(content, options, canvasSize(size), qtTextMetrics()), painter);
}

void drawOrrery(const Ephemeris& model, const OrreryOptions& options, QSizeF size,
                QPainter& painter, QtCanvas& canvas) {
    paintOrrery(orreryContent(model, options.audience == 1), options, size, painter, canvas);
}

}  // namespace quenaro
