#include "drawing/Drawing.h"

namespace quenaro {

void Drawing::fillRect(const Rect& rect, Fill fill) {
    Path path;
    path.addRect(rect);
    this->fill(std::move(path), std::move(fill));
}

}  // namespace quenaro
