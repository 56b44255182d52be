#pragma once

#include <cmath>

namespace quenaro {

/// The plane the views draw in: points (device-independent pixels), x to the right, y down.

struct Point {
    double x = 0.0;
    double y = 0.0;

    friend Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend Point operator*(Point a, double factor) { return {a.x * factor, a.y * factor}; }
    friend bool operator==(Point, Point) = default;
};

/// The dot product of two offsets.
inline double dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}

/// The distance between two points.
inline double distance(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

struct Size {
    double width = 0.0;
    double height = 0.0;

    friend bool operator==(Size, Size) = default;
};

/// A rectangle by its top-left corner and its size.
struct Rect {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;

    double right() const { return x + width; }
    double bottom() const { return y + height; }
    Point centre() const { return {x + width / 2, y + height / 2}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

/// A straight segment from `from` to `to`.
struct Line {
    Point from;
    Point to;

    friend bool operator==(const Line&, const Line&) = default;
};

/// An affine map of the plane: x' = m11 x + m21 y + dx, y' = m12 x + m22 y + dy.
struct Transform {
    double m11 = 1.0;
    double m12 = 0.0;
    double m21 = 0.0;
    double m22 = 1.0;
    double dx = 0.0;
    double dy = 0.0;

    static Transform translation(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static Transform scaling(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    /// A turn by `degrees`, clockwise on screen (y down).
    static Transform rotation(double degrees);

    Point map(Point p) const { return {m11 * p.x + m21 * p.y + dx, m12 * p.x + m22 * p.y + dy}; }
    Line map(const Line& line) const { return {map(line.from), map(line.to)}; }

    friend bool operator==(const Transform&, const Transform&) = default;
};

}  // namespace quenaro
