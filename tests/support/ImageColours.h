#pragma once

#include <QImage>
#include <algorithm>

namespace quenaro::testing {

/// The brightest levels (0-255) of each colour component over every pixel of an image.
struct ComponentPeaks {
    int red = 0;
    int green = 0;
    int blue = 0;
};

inline ComponentPeaks componentPeaks(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    ComponentPeaks peaks;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            peaks.red = std::max(peaks.red, qRed(line[x]));
            peaks.green = std::max(peaks.green, qGreen(line[x]));
            peaks.blue = std::max(peaks.blue, qBlue(line[x]));
        }
    }
    return peaks;
}

/// Green or blue above this level (about 3 %) is more than antialiasing or rounding leaves.
inline constexpr int kNightVisionTolerance = 8;

}  // namespace quenaro::testing
