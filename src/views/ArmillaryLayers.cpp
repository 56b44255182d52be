// The star chart's layers drawn from its geometry, for vector output and for the chart's
// cached picture alike.

#include "views/ArmillaryLayers.h"

#include <QPainter>
#include <QPainterPath>
#include <vector>

#include "views/ArmillaryGeometry.h"
#include "views/StarSprites.h"

namespace quenaro {

namespace {

/// One stroked layer: its colour and its line width in points.
void strokeLines(QPainter& painter, const std::vector<QLineF>& lines, const QTransform& chart,
                 const QColor& colour, double width) {
    if (lines.empty()) {
        return;
    }
    std::vector<QLineF> mapped;
    mapped.reserve(lines.size());
    for (const QLineF& line : lines) {
        mapped.push_back(chart.map(line));
    }
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(mapped.data(), static_cast<int>(mapped.size()));
}

void fillDiscs(QPainter& painter, const std::vector<ChartDisc>& discs, const QTransform& chart) {
    painter.setPen(Qt::NoPen);
    for (const ChartDisc& disc : discs) {
        painter.setBrush(disc.colour);
        const double radius = disc.diameter / 2.0;
        painter.drawEllipse(chart.map(disc.centre), radius, radius);
    }
}

void stampStars(QPainter& painter, const std::vector<ChartDisc>& stars, const QTransform& chart,
                StarSprites& sprites) {
    const QTransform toDevice = chart * painter.deviceTransform();
    // Device pixels scale with the painter's transform; lengths are kept by `chart`.
    const double pixelsPerPoint = painter.deviceTransform().m11();
    const QRect bounds(0, 0, painter.device()->width(), painter.device()->height());
    painter.save();
    painter.setWorldTransform(QTransform());
    for (const ChartDisc& star : stars) {
        sprites.stamp(painter, toDevice.map(star.centre), star.diameter * pixelsPerPoint, bounds);
    }
    painter.restore();
}

}  // namespace

void paintArmillaryLayers(QPainter& painter, const ArmillaryGeometry& geometry,
                          const QTransform& chart, StarSprites* sprites) {
    const double radius = geometry.radius;
    const QPointF zenith = chart.map(QPointF(0, 0));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(zenith, radius, radius);
    QPainterPath sky;
    sky.addEllipse(zenith, radius, radius);
    painter.setClipPath(sky, Qt::IntersectClip);

    const QColor cyan = QColor::fromRgbF(0, 1, 1);
    strokeLines(painter, geometry.altAzCardinalSpokes, chart, cyan, 0.333);
    strokeLines(painter, geometry.altAzSpokes, chart, cyan, 0.25);
    painter.setPen(QPen(cyan, 0.25));
    painter.setBrush(Qt::NoBrush);
    for (const double ring : geometry.altAzRingRadii) {
        painter.drawEllipse(zenith, ring, ring);
    }
    strokeLines(painter, geometry.circles, chart, QColor::fromRgbF(0, 1, 0), 0.5);
    strokeLines(painter, geometry.ecliptic, chart, QColor::fromRgbF(1, 1, 1), 0.4);
    strokeLines(painter, geometry.raDec, chart, QColor::fromRgbF(1, 0, 1), 0.333);
    strokeLines(painter, geometry.constellations, chart, QColor::fromRgbF(1, 1, 0), 0.4);

    if (sprites != nullptr) {
        stampStars(painter, geometry.stars, chart, *sprites);
    } else {
        fillDiscs(painter, geometry.stars, chart);
    }
    fillDiscs(painter, geometry.bodies, chart);
    painter.restore();
}

}  // namespace quenaro
