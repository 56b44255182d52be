#include "drawing/Path.h"

namespace quenaro {

void Path::addEllipse(Point centre, double radiusX, double radiusY) {
    moveTo({centre.x + radiusX, centre.y});
    arcTo(centre, radiusX, radiusY, 0.0, 360.0);
    close();
}

void Path::addRect(const Rect& rect) {
    moveTo({rect.x, rect.y});
    lineTo({rect.right(), rect.y});
    lineTo({rect.right(), rect.bottom()});
    lineTo({rect.x, rect.bottom()});
    close();
}

void Path::addRoundedRect(const Rect& rect, double radius) {
    const double r = radius;
    moveTo({rect.x + r, rect.y});
    arcTo({rect.right() - r, rect.y + r}, r, r, 270.0, 90.0);
    arcTo({rect.right() - r, rect.bottom() - r}, r, r, 0.0, 90.0);
    arcTo({rect.x + r, rect.bottom() - r}, r, r, 90.0, 90.0);
    arcTo({rect.x + r, rect.y + r}, r, r, 180.0, 90.0);
    close();
}

}  // namespace quenaro
