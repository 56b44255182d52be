// The star chart as drawn: the dark ground, the sky's disc with its layers as one layer kept
// while the chart turns, and the compass labels.

#include "drawing/ChartDrawing.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numbers>

#include "drawing/ArmillaryProjection.h"
#include "drawing/CompassLabels.h"
#include "drawing/TextMetrics.h"
#include "model/Ephemeris.h"

namespace quenaro {

namespace {

double degreesOf(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

/// The farthest any point of the view lies from the zenith, points.
double farthestInView(Size viewSize, Point centre) {
    const double dx = std::max(centre.x, viewSize.width - centre.x);
    const double dy = std::max(centre.y, viewSize.height - centre.y);
    return std::hypot(dx, dy);
}

/// A version no other sky layer of the process has had, so that backends shared between
/// scenes never mistake one sky for another.
std::uint64_t nextSkyVersion() {
    static std::atomic<std::uint64_t> version{0};
    return ++version;
}

void strokeLines(Drawing& drawing, const std::vector<Line>& lines, Colour colour, double width) {
    if (!lines.empty()) {
        drawing.lines(lines, {colour, width, LineCap::Butt, {}});
    }
}

/// Room left between two compass labels, points.
constexpr double kLabelGapPoints = 4.0;

/// The labels in white bold type, each centred on its direction with its bottom at the
/// horizon, the chart turned by `rotation` (radians), cut at the horizon; a label that would
/// run into another is left out (the enlarged chart's 5-degree labels on a small view).
void compassLabelTexts(Drawing& drawing, const ChartFrame& frame, double rotation, bool wholeCircle,
                       const TextMetrics& metrics) {
    const FontMeasures font = metrics.measures(FontRole::Bold);
    const double radius = frame.radius;
    const std::vector<CompassLabel> labels = labelsThatFit(
        compassLabels(rotation, wholeCircle),
        [&metrics](std::string_view text) { return metrics.advance(FontRole::Bold, text); },
        radius - font.height(), kLabelGapPoints);
    Path sky;
    sky.addCircle(frame.centre, radius);
    drawing.save();
    drawing.clip(std::move(sky));
    drawing.translate(frame.centre.x, frame.centre.y);
    drawing.rotate(degreesOf(rotation));
    for (const CompassLabel& label : labels) {
        drawing.save();
        drawing.rotate(label.angleDegrees);
        drawing.text(label.text, FontRole::Bold, {0, radius - font.height() + font.ascent},
                     TextAlign::Centre, colours::kWhite);
        drawing.restore();
    }
    drawing.restore();
}

}  // namespace

Drawing skyDrawing(const ArmillaryGeometry& geometry) {
    const double radius = geometry.radius;
    Drawing drawing({2 * radius, 2 * radius});
    Path disc;
    disc.addCircle({0, 0}, radius);
    drawing.fill(disc, colours::kBlack);
    drawing.clip(std::move(disc));

    strokeLines(drawing, geometry.altAzCardinalSpokes, colours::kCyan, 0.333);
    strokeLines(drawing, geometry.altAzSpokes, colours::kCyan, 0.25);
    if (!geometry.altAzRingRadii.empty()) {
        Path rings;
        for (const double ring : geometry.altAzRingRadii) {
            rings.addCircle({0, 0}, ring);
        }
        drawing.stroke(std::move(rings), {colours::kCyan, 0.25, LineCap::Square, {}});
    }
    strokeLines(drawing, geometry.circles, colours::kGreen, 0.5);
    strokeLines(drawing, geometry.ecliptic, colours::kWhite, 0.4);
    strokeLines(drawing, geometry.raDec, colours::kMagenta, 0.333);
    strokeLines(drawing, geometry.constellations, colours::kYellow, 0.4);
    if (!geometry.stars.empty()) {
        drawing.discs(geometry.stars);
    }
    if (!geometry.bodies.empty()) {
        drawing.discs(geometry.bodies);
    }
    return drawing;
}

ChartScene::ChartScene(const std::vector<CatalogStar>& stars,
                       const std::vector<ConstellationPolyline>& figures)
    : stars_(&stars), figures_(&figures) {}

const ArmillaryGeometry& ChartScene::geometry(const Ephemeris& model,
                                              const ArmillarySettings& settings, double radius) {
    const GeometryKey key{model.date().timeIntervalSinceReferenceDate(),
                          model.latitude(),
                          model.longitude(),
                          model.positionSource(),
                          radius,
                          settings};
    if (geometryBuilds_ == 0 || !(key == geometryKey_)) {
        geometry_ = buildArmillaryGeometry(model, settings, radius, *stars_, *figures_);
        geometryKey_ = key;
        ++geometryBuilds_;
        sky_.reset();
    }
    return geometry_;
}

Drawing ChartScene::drawing(const Ephemeris& model, const ArmillarySettings& settings,
                            const ArmillaryViewState& state, Size size,
                            const TextMetrics& metrics) {
    const double rotation = std::isfinite(state.rotation) ? state.rotation : 0.0;
    Drawing drawing(size);
    drawing.fillRect({0, 0, size.width, size.height}, colours::kDarkGrey);
    const ChartFrame frame = chartFrame(size, state.scaleMode);
    if (!(frame.radius > 0.0)) {
        return drawing;
    }
    const ArmillaryGeometry& projected = geometry(model, settings, frame.radius);
    if (!sky_) {
        sky_ = std::make_shared<const Drawing>(skyDrawing(projected));
        skyVersion_ = nextSkyVersion();
    }
    drawing.layer({LayerKey{"chart.sky", skyVersion_}, sky_, frame.centre, degreesOf(rotation),
                   std::min(frame.radius, farthestInView(size, frame.centre)), state.turning,
                   false});
    compassLabelTexts(drawing, frame, rotation, !state.scaleMode, metrics);
    return drawing;
}

}  // namespace quenaro
