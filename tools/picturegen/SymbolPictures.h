#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace quenaro::picturegen {

/// The font the pictures are drawn from by default (Debian fonts-dejavu-core): DejaVu Sans Bold
/// holds every zodiac sign and planet symbol.
inline constexpr const char* defaultSymbolFont =
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

/// One drawn picture: its file name ("Sun.png", "Sun@2x.png") and its pixels.
struct SymbolPicture {
    QString fileName;
    QImage image;
};

/// Draws every zodiac sign picture (zodiacNames, zodiacPicturePoints) and planet picture
/// (planetNames, planetPicturePoints) at 1× and 2× ("@2x", twice the pixels, device pixel ratio
/// 2): the symbol's glyph from `fontFile`, scaled to fill the square less a margin, filled in the
/// body's colour over a near-black outline, on a transparent background — legible on the dark
/// dial, the light zodiac ring and the sheet's black bands. Needs a QGuiApplication.
/// Throws std::runtime_error when the font cannot be loaded or lacks a symbol.
std::vector<SymbolPicture> drawSymbolPictures(const QString& fontFile);

/// Draws the pictures (drawSymbolPictures) and writes each as a PNG file into `folder`, which
/// is created if needed. Throws std::runtime_error naming what could not be drawn or written.
void writeSymbolPictures(const QString& fontFile, const QString& folder);

}  // namespace quenaro::picturegen
