// Compiled only by the test that expects it to fail: the drawing library gives its users no
// way to reach Qt's headers.
#include <QPointF>

#include "drawing/Drawing.h"

quenaro::Point probe(QPointF point) {
    return {point.x(), point.y()};
}
