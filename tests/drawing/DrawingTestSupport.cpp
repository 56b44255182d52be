#include "DrawingTestSupport.h"

#include <algorithm>

#include "drawing/Overloaded.h"
#include "resources/PictureNames.h"

namespace quenaro::testing {

namespace {

class Checker {
  public:
    explicit Checker(std::vector<std::string>& problems) : problems_(problems) {}

    void check(const Drawing& drawing, const std::string& where) {
        where_ = where;
        number(drawing.size().width);
        number(drawing.size().height);
        int depth = 0;
        for (const DrawCommand& command : drawing.commands()) {
            std::visit(
                Overloaded{[this](const draw::FillPath& fill) {
                               path(fill.path);
                               this->fill(fill.fill);
                           },
                           [this](const draw::StrokePath& stroke) {
                               path(stroke.path);
                               this->stroke(stroke.stroke);
                           },
                           [this](const draw::StrokeLines& lines) {
                               for (const Line& line : lines.lines) {
                                   point(line.from);
                                   point(line.to);
                               }
                               stroke(lines.stroke);
                           },
                           [this](const draw::FillDiscs& discs) {
                               for (const Disc& disc : discs.discs) {
                                   point(disc.centre);
                                   nonNegative(disc.diameter, "disc diameter");
                                   colour(disc.colour);
                               }
                           },
                           [this](const draw::Text& text) {
                               point(text.origin);
                               colour(text.colour);
                               if (text.text.empty()) {
                                   problem("empty text");
                               }
                           },
                           [this](const draw::Picture& picture) {
                               point({picture.target.x, picture.target.y});
                               nonNegative(picture.target.width, "picture width");
                               nonNegative(picture.target.height, "picture height");
                               knownPicture(picture.name);
                           },
                           [&depth](const draw::Save&) { ++depth; },
                           [this, &depth](const draw::Restore&) {
                               if (--depth < 0) {
                                   problem("Restore without Save");
                               }
                           },
                           [this](const draw::Concat& concat) {
                               const Transform& t = concat.transform;
                               for (const double value : {t.m11, t.m12, t.m21, t.m22, t.dx, t.dy}) {
                                   number(value);
                               }
                           },
                           [this](const draw::Clip& clip) { path(clip.path); },
                           [this](const draw::Layer& layer) {
                               point(layer.origin);
                               number(layer.turnDegrees);
                               nonNegative(layer.reach, "layer reach");
                               if (layer.content == nullptr) {
                                   problem("layer without content");
                                   return;
                               }
                               const std::string outer = where_;
                               check(*layer.content, outer + " > " + layer.key.name);
                               where_ = outer;
                           }},
                command);
        }
        if (depth != 0) {
            problem("Save left open");
        }
    }

  private:
    void problem(const std::string& what) { problems_.push_back(where_ + ": " + what); }
    void number(double value) {
        if (!std::isfinite(value)) {
            problem("a number that is not finite");
        }
    }
    void nonNegative(double value, const char* what) {
        if (!(value >= 0.0)) {
            problem(std::string("negative or not a number: ") + what);
        }
    }
    void point(Point p) {
        number(p.x);
        number(p.y);
    }
    void colour(const Colour& c) {
        for (const float component : {c.red, c.green, c.blue, c.alpha}) {
            if (!(component >= 0.0f && component <= 1.0f)) {
                problem("a colour component outside 0-1");
            }
        }
    }
    void stops(const std::vector<GradientStop>& list) {
        double last = 0.0;
        for (const GradientStop& stop : list) {
            if (!(stop.offset >= last && stop.offset <= 1.0)) {
                problem("gradient stops out of order or outside 0-1");
            }
            last = stop.offset;
            colour(stop.colour);
        }
        if (list.empty()) {
            problem("a gradient without stops");
        }
    }
    void fill(const Fill& value) {
        std::visit(Overloaded{[this](const Colour& c) { colour(c); },
                              [this](const LinearGradient& g) {
                                  point(g.start);
                                  point(g.end);
                                  stops(g.stops);
                              },
                              [this](const RadialGradient& g) {
                                  point(g.centre);
                                  point(g.focal);
                                  nonNegative(g.radius, "gradient radius");
                                  nonNegative(g.focalRadius, "gradient focal radius");
                                  stops(g.stops);
                              }},
                   value);
    }
    void stroke(const Stroke& value) {
        colour(value.colour);
        nonNegative(value.width, "stroke width");
        for (const double length : value.dash) {
            nonNegative(length, "dash length");
        }
    }
    void path(const Path& value) {
        if (value.empty()) {
            problem("an empty path");
        }
        for (const Path::Element& element : value.elements()) {
            std::visit(Overloaded{[this](const Path::MoveTo& e) { point(e.to); },
                                  [this](const Path::LineTo& e) { point(e.to); },
                                  [this](const Path::QuadTo& e) {
                                      point(e.control);
                                      point(e.to);
                                  },
                                  [this](const Path::CubicTo& e) {
                                      point(e.control1);
                                      point(e.control2);
                                      point(e.to);
                                  },
                                  [this](const Path::ArcTo& e) {
                                      point(e.centre);
                                      nonNegative(e.radiusX, "arc radius");
                                      nonNegative(e.radiusY, "arc radius");
                                      number(e.startDegrees);
                                      number(e.sweepDegrees);
                                  },
                                  [](const Path::Close&) {}},
                       element);
        }
    }
    void knownPicture(const std::string& name) {
        const auto known = [&name](const auto& names) {
            return std::find(names.begin(), names.end(), name) != names.end();
        };
        if (!known(zodiacNames) && !known(planetNames)) {
            problem("unknown picture " + name);
        }
    }

    std::vector<std::string>& problems_;
    std::string where_;
};

}  // namespace

std::vector<std::string> drawingProblems(const Drawing& drawing) {
    std::vector<std::string> problems;
    Checker(problems).check(drawing, "drawing");
    return problems;
}

}  // namespace quenaro::testing
