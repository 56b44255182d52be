#include "views/StarSprites.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace quenaro {

namespace {

/// Positions within a pixel are taken in steps of 1 / kPhases.
constexpr int kPhases = 4;
/// Sizes are taken in steps of 1 / kSizeSteps pixel.
constexpr int kSizeSteps = 8;
constexpr double kLargestDiameter = 64.0;

/// The side of the square image that holds a disc of the diameter (pixels) with at least a
/// pixel to spare around it, wherever its centre falls within the middle pixel.
int spriteSide(double diameter) {
    return static_cast<int>(std::ceil(diameter)) + 3;
}

}  // namespace

void StarSprites::stamp(QPainter& painter, QPointF centre, double diameter, const QRect& bounds) {
    if (!(diameter > 0.0 && diameter <= kLargestDiameter)) {
        return;
    }
    const int sizeEighths = static_cast<int>(std::lround(diameter * kSizeSteps));
    const int side = spriteSide(static_cast<double>(sizeEighths) / kSizeSteps);
    // Within these bounds every coordinate below converts to int safely.
    const QRectF reach = QRectF(bounds).adjusted(-side, -side, side, side);
    if (!reach.contains(centre)) {
        return;
    }
    const double pixelX = std::floor(centre.x());
    const double pixelY = std::floor(centre.y());
    const int phaseX = std::min(kPhases - 1, static_cast<int>((centre.x() - pixelX) * kPhases));
    const int phaseY = std::min(kPhases - 1, static_cast<int>((centre.y() - pixelY) * kPhases));
    const int half = side / 2;
    painter.drawImage(QPoint(static_cast<int>(pixelX) - half, static_cast<int>(pixelY) - half),
                      sprite(sizeEighths, phaseX, phaseY));
}

const QImage& StarSprites::sprite(int sizeEighths, int phaseX, int phaseY) {
    const int key = (sizeEighths * kPhases + phaseX) * kPhases + phaseY;
    const auto found = sprites_.find(key);
    if (found != sprites_.end()) {
        return found->second;
    }
    const double diameter = static_cast<double>(sizeEighths) / kSizeSteps;
    const int side = spriteSide(diameter);
    const int half = side / 2;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        // The disc's centre sits in the middle of its quarter of the middle pixel.
        const QPointF centre(half + (phaseX + 0.5) / kPhases, half + (phaseY + 0.5) / kPhases);
        painter.drawEllipse(centre, diameter / 2.0, diameter / 2.0);
    }
    return sprites_.emplace(key, std::move(image)).first->second;
}

}  // namespace quenaro
