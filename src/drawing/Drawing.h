#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "drawing/Colour.h"
#include "drawing/Geometry.h"
#include "drawing/Path.h"

namespace quenaro {

/// The canvas every view draws through: a display list of the few primitives the dial, the
/// star chart, the timeline and the sheet need, built without any platform type and replayed
/// by a backend (QPainter in the window and `quenaro render`, the HTML canvas in the browser).
///
/// Units are points (device-independent pixels) with the origin at the view's top-left, x to
/// the right and y down, until a Concat command changes the current transform. Drawing state
/// (colour, width, font) travels with each command; the only state a backend keeps between
/// commands is the transform and the clip, both saved and restored by Save and Restore.
/// A Drawing owns everything it holds; a layer's content is shared (immutable) between
/// drawings so that it need not be built again while it stays the same.

/// One colour stop of a gradient: `offset` 0-1 along it.
struct GradientStop {
    double offset = 0.0;
    Colour colour;
    friend bool operator==(const GradientStop&, const GradientStop&) = default;
};

/// Colours blended along the line from `start` to `end` (padded beyond both ends).
struct LinearGradient {
    Point start;
    Point end;
    std::vector<GradientStop> stops;
    friend bool operator==(const LinearGradient&, const LinearGradient&) = default;
};

/// Colours blended from the circle (`focal`, `focalRadius`), offset 0, out to the circle
/// (`centre`, `radius`), offset 1 (padded beyond).
struct RadialGradient {
    Point centre;
    double radius = 0.0;
    Point focal;
    double focalRadius = 0.0;
    std::vector<GradientStop> stops;
    friend bool operator==(const RadialGradient&, const RadialGradient&) = default;
};

/// What the inside of a shape is filled with.
using Fill = std::variant<Colour, LinearGradient, RadialGradient>;

/// How a line's ends are drawn: cut at the end point, rounded, or squared beyond it by half
/// the width.
enum class LineCap { Butt, Round, Square };

/// How lines are drawn: colour, width in points, ends, and an optional dash pattern (lengths
/// in points, on and off alternating; empty for a solid line).
struct Stroke {
    Colour colour;
    double width = 1.0;
    LineCap cap = LineCap::Square;
    std::vector<double> dash;
    friend bool operator==(const Stroke&, const Stroke&) = default;
};

/// The two faces every text of the views is set in (a platform's small system font: DejaVu
/// Sans at 12 pixels, regular and bold).
enum class FontRole { Regular, Bold };

/// Where a text stands against its origin's x: starting there, centred on it, or ending there.
enum class TextAlign { Left, Centre, Right };

/// A filled circle: a star, the Sun, the Moon or a planet on the chart.
struct Disc {
    Point centre;
    double diameter = 0.0;
    Colour colour;
    friend bool operator==(const Disc&, const Disc&) = default;
};

class Drawing;

/// What a layer's cached picture is kept for: the same name and version mean the same content.
struct LayerKey {
    std::string name;
    std::uint64_t version = 0;
    friend bool operator==(const LayerKey&, const LayerKey&) = default;
};

/// The primitives, one struct each.
namespace draw {

/// Fills the path's inside (by its fill rule).
struct FillPath {
    Path path;
    Fill fill;
};
/// Draws the path's outline.
struct StrokePath {
    Path path;
    Stroke stroke;
};
/// Draws many separate segments with one stroke (the dial's ticks, the chart's grids).
struct StrokeLines {
    std::vector<Line> lines;
    Stroke stroke;
};
/// Fills many circles, each in its own colour (the chart's stars). A backend may draw them
/// from pre-drawn sprites as long as sizes and places keep to an eighth of a device pixel.
struct FillDiscs {
    std::vector<Disc> discs;
};
/// One line of UTF-8 text whose baseline passes through `origin`, aligned on origin's x.
struct Text {
    std::string text;
    FontRole font = FontRole::Regular;
    Point origin;
    TextAlign align = TextAlign::Left;
    Colour colour;
};
/// The picture of the application's resources named `name` ("Sun.png", "Aries.png"), drawn
/// into `target` (points); a backend picks the variant for its device's pixel ratio and
/// skips a name it does not have.
struct Picture {
    std::string name;
    Rect target;
};
/// Pushes the current transform and clip.
struct Save {};
/// Pops the transform and clip pushed by the matching Save.
struct Restore {};
/// The current transform becomes `transform` followed by the old one (as QPainter's and
/// the canvas's transform calls compose).
struct Concat {
    Transform transform;
};
/// Intersects the clip with the path's inside.
struct Clip {
    Path path;
};
/// A part of the view that stays the same between frames while its key does: its content is
/// drawn with its own origin at `origin`, turned by `turnDegrees` (clockwise) about it.
/// A backend may keep a picture of it and lay that picture on again instead of replaying the
/// content. The picture covers the view (`reach` 0) or the square of `reach` points about the
/// origin, where everything of the content that any turn can bring into view lies. While
/// `turning`, a backend may show a picture made at another turn, turned (slightly soft);
/// otherwise the result must be what replaying the content gives. With `replaces` the layer
/// takes the place of what was drawn under it in its area (as drawing into a cleared area).
struct Layer {
    LayerKey key;
    std::shared_ptr<const Drawing> content;
    Point origin;
    double turnDegrees = 0.0;
    double reach = 0.0;
    bool turning = false;
    bool replaces = false;
};

}  // namespace draw

using DrawCommand =
    std::variant<draw::FillPath, draw::StrokePath, draw::StrokeLines, draw::FillDiscs, draw::Text,
                 draw::Picture, draw::Save, draw::Restore, draw::Concat, draw::Clip, draw::Layer>;

/// A view's drawing for one frame: the commands in order, for a view of `size` points.
class Drawing {
  public:
    explicit Drawing(Size size) : size_(size) {}

    Size size() const { return size_; }
    const std::vector<DrawCommand>& commands() const { return commands_; }

    void fill(Path path, Fill fill) { add(draw::FillPath{std::move(path), std::move(fill)}); }
    void stroke(Path path, Stroke stroke) {
        add(draw::StrokePath{std::move(path), std::move(stroke)});
    }
    void lines(std::vector<Line> lines, Stroke stroke) {
        add(draw::StrokeLines{std::move(lines), std::move(stroke)});
    }
    void discs(std::vector<Disc> discs) { add(draw::FillDiscs{std::move(discs)}); }
    void text(std::string text, FontRole font, Point origin, TextAlign align, Colour colour) {
        add(draw::Text{std::move(text), font, origin, align, colour});
    }
    void picture(std::string name, const Rect& target) {
        add(draw::Picture{std::move(name), target});
    }
    void save() { add(draw::Save{}); }
    void restore() { add(draw::Restore{}); }
    void concat(const Transform& transform) { add(draw::Concat{transform}); }
    void translate(double x, double y) { concat(Transform::translation(x, y)); }
    void rotate(double degrees) { concat(Transform::rotation(degrees)); }
    void scale(double sx, double sy) { concat(Transform::scaling(sx, sy)); }
    void clip(Path path) { add(draw::Clip{std::move(path)}); }
    void layer(draw::Layer layer) { add(std::move(layer)); }

    /// Fills a rectangle.
    void fillRect(const Rect& rect, Fill fill);

  private:
    /// Constructs the command in place (moving a whole variant makes GCC 12 warn falsely).
    template <class Command>
    void add(Command&& command) {
        commands_.emplace_back(std::in_place_type<std::decay_t<Command>>,
                               std::forward<Command>(command));
    }

    Size size_;
    std::vector<DrawCommand> commands_;
};

}  // namespace quenaro
