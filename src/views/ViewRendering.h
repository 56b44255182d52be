#pragma once

#include <QSizeF>
#include <QString>
#include <stdexcept>

#include "drawing/ArmillarySettings.h"
#include "drawing/OrreryDrawing.h"
#include "drawing/SheetDrawing.h"

namespace quenaro {

class Ephemeris;

/// The views that can be drawn to a file.
enum class RenderedView { Sheet, Timeline, Orrery, Armillary };

/// How renderView draws the star chart (the other views do not use it): what it shows, its
/// scale and its turn.
struct ArmillaryRendering {
    ArmillarySettings settings;
    ArmillaryViewState state;
};

/// The settings a drawing reads beside the model.
struct RenderSettings {
    /// The star chart's settings, scale and turn (the chart only).
    ArmillaryRendering chart;
    /// What the dial shows (the orrery only).
    OrrerySettings orrery;
    /// The sheet's unit of distance (the sheet only).
    SheetSettings sheet;
    /// Everything drawn turned red of the same brightness (nightRed).
    bool nightVision = false;
};

/// A file that could not be written; the message names it and says why.
class RenderError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

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
