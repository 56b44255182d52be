#pragma once

#include <QSizeF>

#include "drawing/OrreryDrawing.h"
#include "views/QtCanvas.h"

class QPainter;

namespace quenaro {

class Ephemeris;
struct OrreryContent;

/// Draws the model's orrery dial (orreryDrawing) into the painter's area (0, 0) to `size`
/// (points) through `canvas`, which keeps the picture of the disc and the ring between calls.
/// Main thread only.
void drawOrrery(const Ephemeris& model, const OrreryOptions& options, QSizeF size,
                QPainter& painter, QtCanvas& canvas = offscreenCanvas());

/// Draws the given content the same way (the part of drawOrrery that does not ask the model).
void paintOrrery(const OrreryContent& content, const OrreryOptions& options, QSizeF size,
                 QPainter& painter, QtCanvas& canvas = offscreenCanvas());

}  // namespace quenaro
