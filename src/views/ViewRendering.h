#pragma once

#include <QSizeF>
#include <QString>

#include "drawing/RenderError.h"
#include "drawing/RenderedView.h"

namespace quenaro {

class Ephemeris;

/// The size a view is drawn at when none is asked for, points: the sheet's page 320 x 1500,
/// the timeline 320 x 120, the orrery and the star chart 320 x 320.
QSizeF defaultRenderSize(RenderedView view);

/// Draws the view of the model at `size` points into the file `path`: a vector PDF page of
/// that size in points when the name ends in ".pdf" (any case), else a PNG of size x scale
/// pixels (scale 1-4; the view drawn at that device pixel ratio). The file is drawn in memory
/// and written by writeWholeFile: whole, or the old one left as it was. Each view
/// is drawn with its own settings of `settings`. For night vision a PNG is turned red pixel by
/// pixel, and a PDF page holds the red picture drawn at `scale` (no longer vector). Needs a
/// QGuiApplication (the offscreen platform will do). Throws RenderError when the file cannot
/// be written or the image not allocated.
void renderView(RenderedView view, const Ephemeris& model, QSizeF size, double scale,
                const QString& path, const RenderSettings& settings = {});

}  // namespace quenaro
