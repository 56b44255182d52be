// Drawings replayed on the page's canvas: each primitive becomes a call of the 2D context,
// made by canvas_backend.js.

#include "web/WebCanvas.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "drawing/Overloaded.h"

extern "C" {
// The canvas calls of canvas_backend.js; colours are 0-1 components, angles radians.
void quenaro_canvas_begin(double width, double height);
void quenaro_canvas_save();
void quenaro_canvas_restore();
void quenaro_canvas_transform(double m11, double m12, double m21, double m22, double dx, double dy);
void quenaro_canvas_begin_path();
void quenaro_canvas_move_to(double x, double y);
void quenaro_canvas_line_to(double x, double y);
void quenaro_canvas_quad_to(double cx, double cy, double x, double y);
void quenaro_canvas_cubic_to(double c1x, double c1y, double c2x, double c2y, double x, double y);
void quenaro_canvas_ellipse(double cx, double cy, double rx, double ry, double start, double end,
                            int anticlockwise);
void quenaro_canvas_close_path();
void quenaro_canvas_fill_colour(double r, double g, double b, double a, int evenOdd);
void quenaro_canvas_fill_linear(double x0, double y0, double x1, double y1, const double* stops,
                                int count, int evenOdd);
void quenaro_canvas_fill_radial(double fx, double fy, double fr, double cx, double cy, double r,
                                const double* stops, int count, int evenOdd);
void quenaro_canvas_stroke(double r, double g, double b, double a, double width, int cap,
                           const double* dash, int dashCount);
void quenaro_canvas_lines(const double* ends, int count, double r, double g, double b, double a,
                          double width, int cap);
void quenaro_canvas_discs(const double* discs, int count);
void quenaro_canvas_text(const char* text, int length, int bold, double x, double y, int align,
                         double r, double g, double b, double a);
void quenaro_canvas_picture(const char* name, int length, double x, double y, double width,
                            double height);
void quenaro_canvas_clip(int evenOdd);
int quenaro_canvas_layer_begin(const char* name, int length, double version, double originX,
                               double originY, double turnDegrees, double reach, int turning,
                               int replaces);
void quenaro_canvas_layer_end();
double quenaro_text_advance(int bold, const char* text, int length);
void quenaro_font_measures(int bold, double* measures);
}

namespace quenaro {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

int capCode(LineCap cap) {
    return static_cast<int>(cap);  // 0 butt, 1 round, 2 square
}

void tracePath(const Path& path) {
    quenaro_canvas_begin_path();
    for (const Path::Element& element : path.elements()) {
        std::visit(
            Overloaded{[](const Path::MoveTo& e) { quenaro_canvas_move_to(e.to.x, e.to.y); },
                       [](const Path::LineTo& e) { quenaro_canvas_line_to(e.to.x, e.to.y); },
                       [](const Path::QuadTo& e) {
                           quenaro_canvas_quad_to(e.control.x, e.control.y, e.to.x, e.to.y);
                       },
                       [](const Path::CubicTo& e) {
                           quenaro_canvas_cubic_to(e.control1.x, e.control1.y, e.control2.x,
                                                   e.control2.y, e.to.x, e.to.y);
                       },
                       [](const Path::ArcTo& e) {
                           const double start = e.startDegrees * kRadiansPerDegree;
                           const double end = (e.startDegrees + e.sweepDegrees) * kRadiansPerDegree;
                           quenaro_canvas_ellipse(e.centre.x, e.centre.y, e.radiusX, e.radiusY,
                                                  start, end, e.sweepDegrees < 0 ? 1 : 0);
                       },
                       [](const Path::Close&) { quenaro_canvas_close_path(); }},
            element);
    }
}

std::vector<double> stopsOf(const std::vector<GradientStop>& stops) {
    std::vector<double> flat;
    flat.reserve(stops.size() * 5);
    for (const GradientStop& stop : stops) {
        flat.insert(flat.end(), {stop.offset, stop.colour.red, stop.colour.green, stop.colour.blue,
                                 stop.colour.alpha});
    }
    return flat;
}

void fillPath(const draw::FillPath& fill) {
    tracePath(fill.path);
    const int evenOdd = fill.path.fillRule() == FillRule::EvenOdd ? 1 : 0;
    std::visit(Overloaded{[evenOdd](const Colour& c) {
                              quenaro_canvas_fill_colour(c.red, c.green, c.blue, c.alpha, evenOdd);
                          },
                          [evenOdd](const LinearGradient& g) {
                              const std::vector<double> stops = stopsOf(g.stops);
                              quenaro_canvas_fill_linear(g.start.x, g.start.y, g.end.x, g.end.y,
                                                         stops.data(),
                                                         static_cast<int>(g.stops.size()), evenOdd);
                          },
                          [evenOdd](const RadialGradient& g) {
                              const std::vector<double> stops = stopsOf(g.stops);
                              quenaro_canvas_fill_radial(g.focal.x, g.focal.y, g.focalRadius,
                                                         g.centre.x, g.centre.y, g.radius,
                                                         stops.data(),
                                                         static_cast<int>(g.stops.size()), evenOdd);
                          }},
               fill.fill);
}

void strokePath(const draw::StrokePath& stroke) {
    tracePath(stroke.path);
    const Stroke& s = stroke.stroke;
    quenaro_canvas_stroke(s.colour.red, s.colour.green, s.colour.blue, s.colour.alpha, s.width,
                          capCode(s.cap), s.dash.data(), static_cast<int>(s.dash.size()));
}

void strokeLines(const draw::StrokeLines& lines) {
    std::vector<double> ends;
    ends.reserve(lines.lines.size() * 4);
    for (const Line& line : lines.lines) {
        ends.insert(ends.end(), {line.from.x, line.from.y, line.to.x, line.to.y});
    }
    const Stroke& s = lines.stroke;
    quenaro_canvas_lines(ends.data(), static_cast<int>(lines.lines.size()), s.colour.red,
                         s.colour.green, s.colour.blue, s.colour.alpha, s.width, capCode(s.cap));
}

void fillDiscs(const draw::FillDiscs& discs) {
    std::vector<double> flat;
    flat.reserve(discs.discs.size() * 7);
    for (const Disc& disc : discs.discs) {
        flat.insert(flat.end(), {disc.centre.x, disc.centre.y, disc.diameter, disc.colour.red,
                                 disc.colour.green, disc.colour.blue, disc.colour.alpha});
    }
    quenaro_canvas_discs(flat.data(), static_cast<int>(discs.discs.size()));
}

void text(const draw::Text& text) {
    quenaro_canvas_text(text.text.data(), static_cast<int>(text.text.size()),
                        text.font == FontRole::Bold ? 1 : 0, text.origin.x, text.origin.y,
                        static_cast<int>(text.align), text.colour.red, text.colour.green,
                        text.colour.blue, text.colour.alpha);
}

}  // namespace

void WebCanvas::paint(const Drawing& drawing) {
    quenaro_canvas_begin(drawing.size().width, drawing.size().height);
    replay(drawing);
    quenaro_canvas_restore();  // the state quenaro_canvas_begin saved
}

void WebCanvas::replay(const Drawing& drawing) {
    for (const DrawCommand& command : drawing.commands()) {
        std::visit(
            Overloaded{[](const draw::FillPath& fill) { fillPath(fill); },
                       [](const draw::StrokePath& stroke) { strokePath(stroke); },
                       [](const draw::StrokeLines& lines) { strokeLines(lines); },
                       [](const draw::FillDiscs& discs) { fillDiscs(discs); },
                       [](const draw::Text& t) { text(t); },
                       [](const draw::Picture& picture) {
                           quenaro_canvas_picture(picture.name.data(),
                                                  static_cast<int>(picture.name.size()),
                                                  picture.target.x, picture.target.y,
                                                  picture.target.width, picture.target.height);
                       },
                       [](const draw::Save&) { quenaro_canvas_save(); },
                       [](const draw::Restore&) { quenaro_canvas_restore(); },
                       [](const draw::Concat& concat) {
                           const Transform& t = concat.transform;
                           quenaro_canvas_transform(t.m11, t.m12, t.m21, t.m22, t.dx, t.dy);
                       },
                       [](const draw::Clip& clip) {
                           tracePath(clip.path);
                           quenaro_canvas_clip(clip.path.fillRule() == FillRule::EvenOdd ? 1 : 0);
                       },
                       [this](const draw::Layer& layer) {
                           if (layer.content == nullptr) {
                               return;
                           }
                           const bool kept =
                               quenaro_canvas_layer_begin(
                                   layer.key.name.data(), static_cast<int>(layer.key.name.size()),
                                   static_cast<double>(layer.key.version), layer.origin.x,
                                   layer.origin.y, layer.turnDegrees, layer.reach,
                                   layer.turning ? 1 : 0, layer.replaces ? 1 : 0) != 0;
                           if (!kept) {
                               replay(*layer.content);
                               quenaro_canvas_layer_end();
                           }
                       }},
            command);
    }
}

FontMeasures WebTextMetrics::measures(FontRole font) const {
    const int index = font == FontRole::Bold ? 1 : 0;
    if (!measured_[index]) {
        double values[4] = {0, 0, 0, 0};
        quenaro_font_measures(index, values);
        measures_[index] = {values[0], values[1], values[2], values[3]};
        measured_[index] = true;
    }
    return measures_[index];
}

double WebTextMetrics::advance(FontRole font, std::string_view text) const {
    const int index = font == FontRole::Bold ? 1 : 0;
    auto& kept = advances_[index];
    const auto found = kept.find(std::string(text));
    if (found != kept.end()) {
        return found->second;
    }
    const double advance = quenaro_text_advance(index, text.data(), static_cast<int>(text.size()));
    kept.emplace(std::string(text), advance);
    return advance;
}

}  // namespace quenaro
