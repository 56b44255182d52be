#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <unordered_map>

class QPainter;

namespace quenaro {

/// Star discs drawn once as small antialiased images, by size (in steps of an eighth of a
/// device pixel) and by where the centre falls within its device pixel (in quarters), so
/// that thousands of stars draw as image copies instead of filled ellipses, at the same size
/// and position to within an eighth of a pixel.
class StarSprites {
  public:
    StarSprites() = default;

    /// Draws a white disc of `diameter` device pixels (0 to 64) centred on `centre` (device
    /// pixels) with `painter`, whose transform must be the identity on a device whose pixels
    /// are its units. Discs that would not touch `bounds` (device pixels) are skipped.
    void stamp(QPainter& painter, QPointF centre, double diameter, const QRect& bounds);

  private:
    const QImage& sprite(int sizeEighths, int phaseX, int phaseY);

    std::unordered_map<int, QImage> sprites_;
};

}  // namespace quenaro
