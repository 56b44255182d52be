#pragma once

#include "drawing/ArmillarySettings.h"
#include "drawing/OrreryDrawing.h"
#include "drawing/SheetDrawing.h"

namespace quenaro {

/// The views that can be drawn to a file.
enum class RenderedView { Sheet, Timeline, Orrery, Armillary };

/// How the star chart is drawn to a file (the other views do not use it): what it shows, its
/// scale and its turn.
struct ArmillaryRendering {
    ArmillarySettings settings;
    ArmillaryViewState state;
};

/// The settings a view drawn to a file reads beside the model.
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

}  // namespace quenaro
