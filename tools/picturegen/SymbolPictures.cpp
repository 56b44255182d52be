#include "picturegen/SymbolPictures.h"

#include <QColor>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRawFont>

#include <array>
#include <stdexcept>
#include <string_view>

#include "resources/PictureNames.h"

namespace quenaro::picturegen {

namespace {

/// The art of one picture: its symbol and colour.
struct SymbolArt {
    char32_t codePoint;
    QColor fill;
};

// Signs coloured by their element, the almanac custom: fire, earth, air, water in turn.
const QColor fire(255, 140, 90);
const QColor earth(140, 215, 100);
const QColor air(255, 225, 110);
const QColor water(110, 180, 255);

const std::array<SymbolArt, 12> signArt{{
    {U'\u2648', fire},   // Aries ♈
    {U'\u2649', earth},  // Taurus ♉
    {U'\u264A', air},    // Gemini ♊
    {U'\u264B', water},  // Cancer ♋
    {U'\u264C', fire},   // Leo ♌
    {U'\u264D', earth},  // Virgo ♍
    {U'\u264E', air},    // Libra ♎
    {U'\u264F', water},  // Scorpius ♏
    {U'\u2650', fire},   // Sagittarius ♐
    {U'\u2651', earth},  // Capricorn ♑
    {U'\u2652', air},    // Aquarius ♒
    {U'\u2653', water},  // Pisces ♓
}};

// Planets in colours near those of the star chart's discs, lightened to read on black.
const std::array<SymbolArt, 11> planetArt{{
    {U'\u2609', QColor(255, 215, 60)},   // Sun ☉
    {U'\u263D', QColor(225, 228, 235)},  // Moon ☽
    {U'\u263F', QColor(200, 200, 200)},  // Mercury ☿
    {U'\u2640', QColor(130, 170, 255)},  // Venus ♀
    {U'\u2641', QColor(110, 200, 150)},  // Earth ♁
    {U'\u2642', QColor(255, 105, 85)},   // Mars ♂
    {U'\u2643', QColor(110, 235, 235)},  // Jupiter ♃
    {U'\u2644', QColor(215, 195, 150)},  // Saturn ♄
    {U'\u2645', QColor(150, 230, 215)},  // Uranus ♅
    {U'\u2646', QColor(120, 150, 255)},  // Neptune ♆
    {U'\u2647', QColor(210, 170, 140)},  // Pluto ♇
}};

const QColor outlineColour(15, 15, 20, 235);
constexpr double emboldenPoints = 0.5;  // the glyph's strokes drawn this much wider
constexpr double outlinePoints = 0.8;   // outline around the widened glyph
constexpr double marginPoints = 0.5;    // between the outline and the picture's edge

/// The glyph outline of `codePoint`, in font units of a 1000-pixel em.
QPainterPath glyphOutline(const QRawFont& font, char32_t codePoint) {
    const QString text = QString::fromUcs4(&codePoint, 1);
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    if (glyphs.size() != 1 || glyphs.front() == 0) {
        throw std::runtime_error(
            "the symbol font has no glyph for U+" +
            QString::number(static_cast<uint>(codePoint), 16).toUpper().toStdString());
    }
    return font.pathForGlyph(glyphs.front());
}

/// `glyph` filled in `fill` over its outline, fitted into a square of `points` at `scale`.
QImage drawSymbol(const QPainterPath& glyph, const QColor& fill, int points, int scale) {
    const int pixels = points * scale;
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(scale);

    const QRectF bounds = glyph.boundingRect();
    const double room = points - 2.0 * (marginPoints + outlinePoints + emboldenPoints / 2.0);
    const double factor = room / std::max(bounds.width(), bounds.height());
    QTransform fit;
    fit.translate(points / 2.0, points / 2.0);
    fit.scale(factor, factor);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    const QPainterPath placed = fit.map(glyph);

    QPainter painter(&image);  // in points: the device pixel ratio scales to pixels
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(outlineColour, emboldenPoints + 2.0 * outlinePoints, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(placed);
    painter.setBrush(fill);
    painter.setPen(QPen(fill, emboldenPoints, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(placed);
    return image;
}

QString atScale(std::string_view fileName, int scale) {
    const QString name =
        QString::fromLatin1(fileName.data(), static_cast<qsizetype>(fileName.size()));
    return scale == 1 ? name : name.chopped(4) + QStringLiteral("@%1x.png").arg(scale);
}

template <std::size_t count>
void drawAll(const QRawFont& font, const std::array<std::string_view, count>& names,
             const std::array<SymbolArt, count>& art, int points,
             std::vector<SymbolPicture>& pictures) {
    for (std::size_t index = 0; index < count; ++index) {
        const QPainterPath glyph = glyphOutline(font, art[index].codePoint);
        for (const int scale : {1, 2}) {
            pictures.push_back(
                {atScale(names[index], scale), drawSymbol(glyph, art[index].fill, points, scale)});
        }
    }
}

}  // namespace

std::vector<SymbolPicture> drawSymbolPictures(const QString& fontFile) {
    const QRawFont font(fontFile, 1000.0, QFont::PreferNoHinting);
    if (!font.isValid()) {
        throw std::runtime_error("cannot load the symbol font " + fontFile.toStdString());
    }
    std::vector<SymbolPicture> pictures;
    drawAll(font, zodiacNames, signArt, zodiacPicturePoints, pictures);
    drawAll(font, planetNames, planetArt, planetPicturePoints, pictures);
    return pictures;
}

void writeSymbolPictures(const QString& fontFile, const QString& folder) {
    const QDir output(folder);
    if (!output.mkpath(QStringLiteral("."))) {
        throw std::runtime_error("cannot create " + folder.toStdString());
    }
    for (const SymbolPicture& picture : drawSymbolPictures(fontFile)) {
        const QString path = output.filePath(picture.fileName);
        if (!picture.image.save(path, "PNG")) {
            throw std::runtime_error("cannot write " + path.toStdString());
        }
    }
}

}  // namespace quenaro::picturegen
