// The star chart on QPainter.

#include "views/ArmillaryPainter.h"

#include "resources/Catalogs.h"

namespace quenaro {

ChartScene& ArmillaryCache::scene() {
    if (!scene_) {
        scene_.emplace(starCatalog(), constellationLines());
    }
    return *scene_;
}

void drawArmillary(const Ephemeris& model, const ArmillarySettings& settings,
                   const ArmillaryViewState& state, QSizeF size, QPainter& painter,
                   ArmillaryCache& cache) {
    cache.canvas().paint(
        cache.scene().drawing(model, settings, state, canvasSize(size), qtTextMetrics()), painter);
}

void drawArmillary(const Ephemeris& model, const ArmillarySettings& settings,
                   const ArmillaryViewState& state, QSizeF size, QPainter& painter) {
    ArmillaryCache cache;
    drawArmillary(model, settings, state, size, painter, cache);
}

}  // namespace quenaro
