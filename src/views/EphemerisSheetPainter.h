#pragma once

#include <QSizeF>
#include <vector>

#include "drawing/SheetDrawing.h"

class QPainter;

namespace quenaro {

class Ephemeris;
struct SheetLine;

/// Draws the model's almanac sheet (sheetDrawing, the rows of `quenaro sheet`) with the
/// painter on a black page of `size` points (the sheet's page is 320 x 1500); the painter's
/// clip decides what of it reaches the device.
void drawEphemerisSheet(const Ephemeris& model, const SheetSettings& settings, QSizeF size,
                        QPainter& painter);

/// Draws the given sheet lines the same way (the part of drawEphemerisSheet that does not
/// ask the model). Returns the height the page took, points.
double paintEphemerisSheet(const std::vector<SheetLine>& lines, QSizeF size, QPainter& painter);

}  // namespace quenaro
