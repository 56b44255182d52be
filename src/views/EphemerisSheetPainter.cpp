// The almanac sheet on QPainter.

#include "views/EphemerisSheetPainter.h"

#include "model/EphemerisFigures.h"
#include "model/EphemerisSheet.h"
#include "views/QtCanvas.h"

namespace quenaro {

double paintEphemerisSheet(const std::vector<SheetLine>& lines, QSizeF size, QPainter& painter) {
    const SheetDrawing sheet = sheetDrawing(lines, canvasSize(size), qtTextMetrics());
    offscreenCanvas().paint(sheet.drawing, painter);
    return sheet.height;
}

void drawEphemerisSheet(const Ephemeris& model, const SheetSettings& settings, QSizeF size,
                        QPainter& painter) {
    paintEphemerisSheet(sheetLines(computeFigures(model), settings.metric), size, painter);
}

}  // namespace quenaro
