#pragma once

#include <QColor>
#include <QRgb>

class QImage;
class QPalette;

namespace quenaro {

/// Night vision: everything drawn turned red of the same brightness, green and blue 0, so
/// that a screen read in the dark keeps the eyes dark-adapted. The brightness is the colour's
/// luma (Rec. 601 weights on the encoded components, 0.299 R + 0.587 G + 0.114 B, in integer
/// steps of 1/256): white becomes full red, black stays black, alpha is kept.

/// The night-vision form of one pixel, premultiplied or not (both give the matching form).
inline QRgb nightRed(QRgb pixel) {
    const unsigned luma = (77U * qRed(pixel) + 150U * qGreen(pixel) + 29U * qBlue(pixel)) >> 8U;
    return qRgba(static_cast<int>(luma), 0, 0, qAlpha(pixel));
}

/// The night-vision form of a colour (alpha kept).
QColor nightRed(const QColor& colour);

/// Turns every pixel of the image into its night-vision form in place. Images of 32-bit
/// formats (RGB32, ARGB32, ARGB32 premultiplied) are converted as they are; others are first
/// converted to ARGB32 premultiplied. About 1 ns a pixel.
void turnNightRed(QImage& image);

/// The widgets' colours for night vision: red text and controls on black, every colour of
/// every group with green and blue 0 (disabled text dimmer, the selection a dark red).
QPalette nightPalette();

}  // namespace quenaro
