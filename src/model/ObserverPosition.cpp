#include "model/ObserverPosition.h"

namespace quenaro {

namespace {
GeographicPosition& storedPosition() {
    static GeographicPosition position;  // starts at the fallback 45 N, 90 W
    return position;
}
}  // namespace

GeographicPosition bestKnownPosition() { return storedPosition(); }

void setBestKnownPosition(const GeographicPosition& position) { storedPosition() = position; }

}  // namespace quenaro
