#pragma once

#include <string>
#include <unordered_map>

#include "drawing/Drawing.h"
#include "drawing/TextMetrics.h"

namespace quenaro {

/// The canvas backend on the page's HTML canvas: replays a view's drawing through the 2D
/// context the script chose (Module.quenaroUseCanvas), in CSS pixels scaled by the device
/// pixel ratio. The script side (canvas_backend.js) keeps pictures of the drawing's layers in
/// offscreen canvases, as QtCanvas keeps them in images, and draws the named pictures from
/// the files it loaded.
class WebCanvas {
  public:
    void paint(const Drawing& drawing);

  private:
    void replay(const Drawing& drawing);
};

/// The measures of the page's fonts (DejaVu Sans at 12 pixels) as the canvas sets them;
/// advances are asked once per text and kept.
class WebTextMetrics : public TextMetrics {
  public:
    FontMeasures measures(FontRole font) const override;
    double advance(FontRole font, std::string_view text) const override;

  private:
    mutable std::unordered_map<std::string, double> advances_[2];
    mutable bool measured_[2] = {false, false};
    mutable FontMeasures measures_[2];
};

}  // namespace quenaro
