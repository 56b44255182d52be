#pragma once

#include <variant>
#include <vector>

#include "drawing/Geometry.h"

namespace quenaro {

/// Which parts of a path that crosses itself, or holds one shape inside another, are inside.
enum class FillRule {
    /// Inside where the outline winds round a point a non-zero number of times.
    NonZero,
    /// Inside where a ray from the point crosses the outline an odd number of times (a ring
    /// is two circles).
    EvenOdd,
};

/// An outline made of subpaths, in the coordinates of the canvas it is drawn on.
///
/// Angles are degrees measured clockwise on screen from the positive x axis (y grows down),
/// so the point at angle a of a circle is centre + r (cos a, sin a); a positive sweep runs
/// clockwise on screen.
class Path {
  public:
    struct MoveTo {
        Point to;
    };
    struct LineTo {
        Point to;
    };
    struct QuadTo {
        Point control;
        Point to;
    };
    struct CubicTo {
        Point control1;
        Point control2;
        Point to;
    };
    /// An elliptical arc about `centre` from `startDegrees` through `sweepDegrees`, joined to
    /// the current point by a line (or starting the subpath when there is none).
    struct ArcTo {
        Point centre;
        double radiusX;
        double radiusY;
        double startDegrees;
        double sweepDegrees;
    };
    struct Close {};
    using Element = std::variant<MoveTo, LineTo, QuadTo, CubicTo, ArcTo, Close>;

    Path() = default;
    explicit Path(FillRule rule) : fillRule_(rule) {}

    void moveTo(Point to) { elements_.emplace_back(MoveTo{to}); }
    void lineTo(Point to) { elements_.emplace_back(LineTo{to}); }
    void quadTo(Point control, Point to) { elements_.emplace_back(QuadTo{control, to}); }
    void cubicTo(Point control1, Point control2, Point to) {
        elements_.emplace_back(CubicTo{control1, control2, to});
    }
    void arcTo(Point centre, double radiusX, double radiusY, double startDegrees,
               double sweepDegrees) {
        elements_.emplace_back(ArcTo{centre, radiusX, radiusY, startDegrees, sweepDegrees});
    }
    void close() { elements_.emplace_back(Close{}); }

    /// A closed ellipse about the centre, as its own subpath.
    void addEllipse(Point centre, double radiusX, double radiusY);
    /// A closed circle about the centre, as its own subpath.
    void addCircle(Point centre, double radius) { addEllipse(centre, radius, radius); }
    /// A closed rectangle, as its own subpath.
    void addRect(const Rect& rect);
    /// A closed rectangle with corners rounded by `radius`, as its own subpath.
    void addRoundedRect(const Rect& rect, double radius);

    FillRule fillRule() const { return fillRule_; }
    const std::vector<Element>& elements() const { return elements_; }
    bool empty() const { return elements_.empty(); }

  private:
    FillRule fillRule_ = FillRule::NonZero;
    std::vector<Element> elements_;
};

}  // namespace quenaro
