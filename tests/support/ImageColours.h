#pragma once

#include <QImage>
#include <algorithm>
#include <cmath>
#include <map>

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

/// The relative luminance of a colour (sRGB components linearised, weighted 0.2126, 0.7152,
/// 0.0722), 0 for black to 1 for white.
inline double relativeLuminance(const QColor& colour) {
    const auto linear = [](int level) {
        const double c = level / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

/// The contrast ratio of two colours, (lighter + 0.05) / (darker + 0.05): 1 to 21.
inline double contrastRatio(const QColor& one, const QColor& other) {
    const double a = relativeLuminance(one);
    const double b = relativeLuminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

/// What a text or mark in an area of a picture stands against: the area's commonest colour
/// (its background), and the contrast to it of the pixel that differs from it most (the
/// core of a glyph's stroke, not its antialiased edge). `area` in the picture's pixels.
struct AreaContrast {
    QColor background;
    double ratio = 1.0;
};

inline AreaContrast areaContrast(const QImage& picture, const QRect& area) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRect inside = area.intersected(image.rect());
    std::map<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    if (counts.empty()) {
        return {};
    }
    const auto commonest =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    AreaContrast result{QColor(commonest->first), 1.0};
    for (const auto& [pixel, count] : counts) {
        result.ratio = std::max(result.ratio, contrastRatio(QColor(pixel), result.background));
    }
    return result;
}

}  // namespace quenaro::testing
