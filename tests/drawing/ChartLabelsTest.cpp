// The star chart's compass labels as drawn: on a square enlarged chart the 5-degree labels
// would run into each other; those that would are left out, S and every other that fits stay.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "DrawingTestSupport.h"
#include "drawing/ArmillaryProjection.h"
#include "drawing/ChartDrawing.h"
#include "drawing/CompassLabels.h"
#include "model/Ephemeris.h"
#include "time/TimeZone.h"

namespace quenaro {
namespace {

using testing::FixedTextMetrics;

const FixedTextMetrics kMetrics;
const std::vector<CatalogStar> kNoStars;
const std::vector<ConstellationPolyline> kNoFigures;

/// A text's box on the view: its four corners, in order around it.
struct TextBox {
    std::string text;
    std::array<Point, 4> corners;
};

/// The transform that applies `inner` first, then `outer`.
Transform followedBy(const Transform& inner, const Transform& outer) {
    return {inner.m11 * outer.m11 + inner.m12 * outer.m21,
            inner.m11 * outer.m12 + inner.m12 * outer.m22,
            inner.m21 * outer.m11 + inner.m22 * outer.m21,
            inner.m21 * outer.m12 + inner.m22 * outer.m22,
            inner.dx * outer.m11 + inner.dy * outer.m21 + outer.dx,
            inner.dx * outer.m12 + inner.dy * outer.m22 + outer.dy};
}

/// Every text of the drawing (outside layers) as the box it fills on the view: as wide as its
/// advance, from its ascent above the baseline to its descent below, placed by the transforms
/// in force where it is drawn.
std::vector<TextBox> textBoxes(const Drawing& drawing, const TextMetrics& metrics) {
    std::vector<TextBox> boxes;
    std::vector<Transform> saved;
    Transform current;
    for (const DrawCommand& command : drawing.commands()) {
        if (std::holds_alternative<draw::Save>(command)) {
            saved.push_back(current);
        } else if (std::holds_alternative<draw::Restore>(command)) {
            current = saved.back();
            saved.pop_back();
        } else if (const auto* concat = std::get_if<draw::Concat>(&command)) {
            current = followedBy(concat->transform, current);
        } else if (const auto* text = std::get_if<draw::Text>(&command)) {
            const FontMeasures font = metrics.measures(text->font);
            const double width = metrics.advance(text->font, text->text);
            const double left = text->origin.x - (text->align == TextAlign::Centre ? width / 2 : 0);
            const double top = text->origin.y - font.ascent;
            const double bottom = text->origin.y + font.descent;
            boxes.push_back(
                {text->text,
                 {current.map(Point{left, top}), current.map(Point{left + width, top}),
                  current.map(Point{left + width, bottom}), current.map(Point{left, bottom})}});
        }
    }
    return boxes;
}

/// Whether two convex boxes come nearer than `marginPoints` (0: share any area), by their
/// separating axes (the edges' normals).
bool near(const TextBox& a, const TextBox& b, double marginPoints) {
    for (const TextBox* box : {&a, &b}) {
        for (std::size_t edge = 0; edge < 4; ++edge) {
            const Point from = box->corners[edge];
            const Point to = box->corners[(edge + 1) % 4];
            const double length = std::hypot(to.x - from.x, to.y - from.y);
            const Point normal{(to.y - from.y) / length, (from.x - to.x) / length};
            const auto extent = [&normal](const TextBox& of) {
                double low = INFINITY;
                double high = -INFINITY;
                for (const Point& corner : of.corners) {
                    const double along = corner.x * normal.x + corner.y * normal.y;
                    low = std::min(low, along);
                    high = std::max(high, along);
                }
                return std::pair(low, high);
            };
            const auto [aLow, aHigh] = extent(a);
            const auto [bLow, bHigh] = extent(b);
            if (aHigh + marginPoints <= bLow || bHigh + marginPoints <= aLow) {
                return false;
            }
        }
    }
    return true;
}

/// The box a compass label fills when drawn on the chart's frame turned by `rotation`
/// (radians): centred on its direction, its bottom on the horizon.
TextBox labelBox(const CompassLabel& label, const ChartFrame& frame, double rotation) {
    const FontMeasures font = kMetrics.measures(FontRole::Bold);
    const double width = kMetrics.advance(FontRole::Bold, label.text);
    const Transform place =
        followedBy(followedBy(Transform::rotation(label.angleDegrees),
                              Transform::rotation(rotation * 180.0 / std::numbers::pi)),
                   Transform::translation(frame.centre.x, frame.centre.y));
    const double top = frame.radius - font.height();
    return {
        label.text,
        {place.map(Point{-width / 2, top}), place.map(Point{width / 2, top}),
         place.map(Point{width / 2, frame.radius}), place.map(Point{-width / 2, frame.radius})}};
}

TEST(ChartLabels, SquareEnlargedChartsDrawNoLabelIntoAnother) {
    const Ephemeris model(
        EphemerisDate::dateWithYear(2026, 12, 7, 20, 0, 0, TimeZone::named("UTC")), 52.5, 13.4);
    ChartScene chart(kNoStars, kNoFigures);
    // Sides from where every 5-degree label fits down to where only the points stay, each
    // turned so that S is at the bottom and so that it is not.
    for (const double side : {120.0, 200.0, 240.0, 320.0, 480.0}) {
        for (const double rotation : {0.0, 0.3, -2.0}) {
            const Drawing drawing = chart.drawing(model, ArmillarySettings{},
                                                  {true, rotation, false}, {side, side}, kMetrics);
            const std::vector<TextBox> boxes = textBoxes(drawing, kMetrics);
            std::vector<std::string> drawn;
            for (std::size_t a = 0; a < boxes.size(); ++a) {
                drawn.push_back(boxes[a].text);
                for (std::size_t b = a + 1; b < boxes.size(); ++b) {
                    EXPECT_FALSE(near(boxes[a], boxes[b], 0.0))
                        << side << " " << rotation << ": " << boxes[a].text << " and "
                        << boxes[b].text;
                }
            }
            const std::vector<CompassLabel> all = compassLabels(rotation, false);
            const bool southInView = std::any_of(
                all.begin(), all.end(), [](const auto& label) { return label.text == "S"; });
            if (southInView) {
                EXPECT_NE(std::find(drawn.begin(), drawn.end(), "S"), drawn.end()) << side;
            }
            // Labels are left out only where they must: each one left out would come within
            // the gap of 4 points of one that is drawn.
            const ChartFrame frame = chartFrame({side, side}, true);
            for (const CompassLabel& label : all) {
                if (std::find(drawn.begin(), drawn.end(), label.text) != drawn.end()) {
                    continue;
                }
                const TextBox left = labelBox(label, frame, rotation);
                EXPECT_TRUE(
                    std::any_of(boxes.begin(), boxes.end(),
                                [&left](const TextBox& box) { return near(left, box, 4.5); }))
                    << side << " " << rotation << ": " << label.text << " would fit";
            }
            if (side >= 480.0) {
                EXPECT_EQ(boxes.size(), all.size()) << "every label fits at " << side;
            } else if (side <= 240.0) {
                EXPECT_LT(boxes.size(), all.size()) << side;
            }
        }
    }
}

}  // namespace
}  // namespace quenaro
