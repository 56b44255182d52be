// The orrery dial: a clock face of the sky. The zodiac ring turns with the local sidereal
// time, the day sky stands above the horizon, and the Sun, the Moon and the planets stand at
// their ecliptic longitudes.

#include "views/OrreryPainter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "base/PrintfText.h"
#include "model/Ephemeris.h"
#include "resources/PictureNames.h"
#include "resources/Pictures.h"
#include "time/Degrees.h"
#include "views/DialGeometry.h"
#include "views/LayerCache.h"
#include "views/OrreryContent.h"
#include "views/ViewFonts.h"

namespace quenaro {

namespace {

// Radii as fractions of the dial's radius R.
constexpr double kRingInner = 0.8;       // the ring's inner edge; the Sun's circle
constexpr double kSignCircle = 0.9;      // the middle of the ring, where the signs stand
constexpr double kPlanetCircle = 0.95;   // the planets, near the ring's outer edge
constexpr double kMoonCircle = 0.5;      // the Moon
constexpr double kDiscRadius = 0.085;    // the Sun's and the Moon's discs
constexpr double kLabelDistance = 0.7;   // E and W from the centre
constexpr double kSunHorizon = -0.8333;  // the Sun's altitude at sunrise and sunset, degrees

constexpr double kBoxCornerRadius = 4.0;
constexpr double kIconPoints = planetPicturePoints;

const QColor kDarkGray = QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3);
const QColor kGray = QColor::fromRgbF(0.5f, 0.5f, 0.5f);

/// A colour from components computed in double, each clamped to 0-1 (anything not a number
/// counts as 0).
QColor clampedColour(double red, double green, double blue, double alpha) {
    const auto clamp = [](double component) {
        return static_cast<float>(component > 0.0 ? std::min(component, 1.0) : 0.0);
    };
    return QColor::fromRgbF(clamp(red), clamp(green), clamp(blue), clamp(alpha));
}

/// Draws the picture centred on the point (at its own size in points); a missing picture is
/// skipped.
void drawPictureCentred(QPainter& painter, std::string_view name, QPointF centre) {
    const QImage picture = imageNamed(name, painter.device()->devicePixelRatioF());
    if (picture.isNull()) {
        return;
    }
    const QSizeF size = picture.deviceIndependentSize();
    painter.drawImage(centre - QPointF(size.width() / 2, size.height() / 2), picture);
}

/// Clears the view's area (a page that cannot clear starts empty), fills the dark disc
/// inscribed in it and draws the ring: a radial gradient between 0.8 R and R about the
/// centre, its inner edge dark and its outer edge bright while it is held. In view
/// coordinates.
void drawDiscAndRing(QPainter& painter, QSizeF size, bool held) {
    const QRectF bounds(QPointF(0, 0), size);
    if (painter.paintEngine()->hasFeature(QPaintEngine::PorterDuff)) {
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(bounds, Qt::transparent);
        painter.restore();
    }
    QPainterPath disc;
    disc.addEllipse(bounds);
    painter.fillPath(disc, kDarkGray);

    const double radius = size.width() / 2;
    const QColor white40 = QColor::fromRgbF(1, 1, 1, 0.4f);
    const QColor white65 = QColor::fromRgbF(1, 1, 1, 0.65f);
    const QColor grey50 = QColor::fromRgbF(0.25f, 0.25f, 0.25f, 0.5f);
    const QPointF centre(radius, radius);
    QRadialGradient gradient(centre, radius, centre, kRingInner * radius);
    gradient.setColorAt(0.0, held ? grey50 : white40);
    gradient.setColorAt(0.25, held ? white40 : white65);
    gradient.setColorAt(1.0, held ? white65 : grey50);
    QPainterPath ring;
    ring.addEllipse(centre, radius, radius);
    ring.addEllipse(centre, kRingInner * radius, kRingInner * radius);
    ring.setFillRule(Qt::OddEvenFill);
    painter.fillPath(ring, gradient);
}

/// The inner end of the tick at whole degree i, as a fraction of R: longest at the sign
/// boundaries, then every 10, then every 5 degrees.
double tickInner(int degree) {
    if (degree % 30 == 0) {
        return kRingInner;
    }
    if (degree % 10 == 0) {
        return 0.95;
    }
    if (degree % 5 == 0) {
        return 0.975;
    }
    return 0.99;
}

/// The degree ticks and the sign pictures, turned by `turn` (rotation + orientation).
/// Relative to the centre.
void drawTicksAndSigns(QPainter& painter, double radius, float turn) {
    QList<QLineF> ticks;
    ticks.reserve(360);
    for (int degree = 0; degree < 360; ++degree) {
        const float angle = static_cast<float>(degree) + turn;
        ticks.append(
            QLineF(dialPoint(angle, tickInner(degree) * radius), dialPoint(angle, radius)));
    }
    // Butt ends: each tick runs exactly from its inner radius to the rim.
    painter.setPen(QPen(kDarkGray, 1.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(ticks);

    for (std::size_t sign = 0; sign < zodiacNames.size(); ++sign) {
        const float middle = 15.0f + 30.0f * static_cast<float>(sign) + turn;
        drawPictureCentred(painter, zodiacNames[sign], dialPoint(middle, kSignCircle * radius));
    }
}

/// The sky above the horizon: bounded by a curve through the centre between the sunrise and
/// sunset points on the rim and the rim over the top; on a day without sunrise or sunset the
/// whole dial while the Sun is up and nothing while it is down. Tinted by the Sun's altitude.
/// Then E and W, which do not turn. Relative to the centre.
void drawHorizon(QPainter& painter, double radius, float orientation,
                 const std::optional<OrreryContent::Horizon>& horizon, float altitude) {
    QPainterPath sky;
    if (horizon) {
        // P(x) = (R cos theta, R sin theta), theta = x - orientation; Qt's arc angles run the
        // other way round (counterclockwise on screen), so theta is -angle there.
        const double sunriseTheta = horizon->sunrise - orientation;
        const double sunsetTheta = horizon->sunset - orientation;
        const auto rimPoint = [radius](double theta) {
            const double radians = theta * std::numbers::pi / 180.0;
            return QPointF(radius * std::cos(radians), radius * std::sin(radians));
        };
        sky.moveTo(rimPoint(sunriseTheta));
        sky.quadTo(QPointF(0, 0), rimPoint(sunsetTheta));
        // From the sunset point through decreasing theta (over the top) to the sunrise point.
        const double sweep = mod360(sunsetTheta - sunriseTheta);
        sky.arcTo(QRectF(-radius, -radius, 2 * radius, 2 * radius), -sunsetTheta, sweep);
        sky.closeSubpath();
    } else if (altitude > kSunHorizon) {
        sky.addEllipse(QPointF(0, 0), radius, radius);
    }
    if (!sky.isEmpty()) {
        const double height = altitude / 90.0;
        QLinearGradient tint(0, radius, 0, -radius);
        const double bottomGrey = altitude > 0 ? 0.75 * height : 0.0;
        tint.setColorAt(0.0, clampedColour(bottomGrey, bottomGrey, 0.5 * height + 0.5, 0.3));
        tint.setColorAt(1.0, clampedColour(0, 0, 0.75 * height + 0.25, 0.65));
        painter.fillPath(sky, tint);
    }

    painter.setPen(kGray);
    painter.setFont(boldSystemFont());
    const QFontMetricsF metrics(painter.font());
    for (const auto& [text, x] : {std::pair{QStringLiteral("E"), -kLabelDistance * radius},
                                  std::pair{QStringLiteral("W"), kLabelDistance * radius}}) {
        const QSizeF size = metrics.size(0, text);
        painter.drawText(QPointF(x - size.width() / 2, -size.height() / 2 + metrics.ascent()),
                         text);
    }
}

/// A disc of radius `discRadius` about the centre filled with a radial gradient.
void fillDisc(QPainter& painter, QPointF centre, double discRadius,
              std::initializer_list<std::pair<double, QColor>> stops) {
    QRadialGradient gradient(centre, discRadius);
    for (const auto& [location, colour] : stops) {
        gradient.setColorAt(location, colour);
    }
    QPainterPath disc;
    disc.addEllipse(centre, discRadius, discRadius);
    painter.fillPath(disc, gradient);
}

void drawSun(QPainter& painter, double radius, float angle, bool held) {
    const QPointF centre = dialPoint(angle, kRingInner * radius);
    const QColor yellow = QColor::fromRgbF(1, 1, 0, 1);
    if (held) {
        fillDisc(painter, centre, kDiscRadius * radius,
                 {{0.0, Qt::white}, {0.25, yellow}, {1.0, QColor::fromRgbF(1, 1, 0, 0)}});
    } else {
        fillDisc(painter, centre, kDiscRadius * radius,
                 {{0.0, yellow}, {0.7, yellow}, {1.0, QColor::fromRgbF(1, 1, 1, 0)}});
    }
}

/// The Moon's white disc and its shadow: dark on the left of the terminator while waxing, on
/// the right while waning, the whole disc at phase 0.
void drawMoon(QPainter& painter, double radius, float angle, float phase, bool waxing) {
    const double w = kDiscRadius * radius;
    painter.save();
    painter.translate(dialPoint(angle, kMoonCircle * radius));
    fillDisc(painter, QPointF(0, 0), w,
             {{0.0, Qt::white}, {0.9, Qt::white}, {1.0, QColor::fromRgbF(0, 0, 0, 0)}});

    // The fraction lit, 0-1 (a full Moon's 1 stays full).
    const double lit = phase > 0.0f ? std::min(static_cast<double>(phase), 1.0) : 0.0;
    double left = -w;  // the dark part's ends at the Moon's equator
    double right = w;
    if (lit > 0.0) {
        if (waxing) {
            right = w * (1 - 2 * lit);
        } else {
            left = w * (2 * lit - 1);
        }
    }
    QPainterPath shadow;
    shadow.moveTo(0, w);
    shadow.quadTo(0.9 * left, 0.9 * w, left, 0);
    shadow.quadTo(0.9 * left, -0.9 * w, 0, -w);
    shadow.quadTo(0.9 * right, -0.9 * w, right, 0);
    shadow.quadTo(0.9 * right, 0.9 * w, 0, w);
    shadow.closeSubpath();
    painter.fillPath(shadow, QColor::fromRgbF(0, 0, 0, 0.75f));
    painter.restore();
}

void drawCentreText(QPainter& painter, const OrreryContent& content, int audience, QSizeF size) {
    const std::string text =
        audience == 0
            ? printfText("%s\nJulian: %12.5f", content.dateText.c_str(), content.julianDate)
            : content.dateText + "\n";
    painter.setPen(Qt::white);
    painter.setFont(smallSystemFont());
    const double capHeight = QFontMetricsF(painter.font()).capHeight();
    painter.drawText(QRectF(-size.width() / 2, -capHeight, size.width(), size.height() / 2),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromStdString(text));
}

/// The box of the planetary hour in the view's top-left corner: the hour ruler on the left,
/// the day ruler on the right, on a light background by day and a dark one by night.
void drawPlanetaryBox(QPainter& painter, const PlanetaryHour& hour) {
    const QRectF box(0, 0, kPlanetaryBoxWidth, kPlanetaryBoxHeight);
    QLinearGradient background(0, box.top(), 0, box.bottom());
    const auto grey = [](float level) { return QColor::fromRgbF(level, level, level); };
    background.setColorAt(0.0, grey(hour.daytime ? 0.75f : 0.25f));
    background.setColorAt(0.33, grey(hour.daytime ? 1.0f : 0.5f));
    background.setColorAt(1.0, grey(hour.daytime ? 0.5f : 0.0f));
    QPainterPath outline;
    outline.addRoundedRect(box, kBoxCornerRadius, kBoxCornerRadius);
    painter.fillPath(outline, background);

    const double margin = (box.width() - 2 * kIconPoints) / 3;
    const double top = box.top() + box.height() / 2 - kIconPoints / 2;
    const double dpr = painter.device()->devicePixelRatioF();
    if (hour.hourRuler) {
        const QImage picture =
            imageNamed(planetNames[static_cast<std::size_t>(*hour.hourRuler)], dpr);
        if (!picture.isNull()) {
            painter.drawImage(QPointF(box.left() + margin, top), picture);
        }
    }
    const QImage dayPicture = imageNamed(planetNames[static_cast<std::size_t>(hour.dayRuler)], dpr);
    if (!dayPicture.isNull()) {
        painter.drawImage(QPointF(box.right() - margin - kIconPoints, top), dayPicture);
    }
}

LayerCache& ringLayers() {
    static LayerCache cache;
    return cache;
}

}  // namespace

void paintOrrery(const OrreryContent& content, const OrreryOptions& options, QSizeF size,
                 QPainter& painter) {
    const double radius = size.width() / 2;
    const float orientation = options.orientationDegrees;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // A clear area, the dark disc and the ring: a layer that stays the same while the dial
    // turns.
    const bool ringHeld = options.held == OrreryHold::Ring;
    ringLayers().paint(
        painter, size, ringHeld ? 1 : 0,
        [size, ringHeld](QPainter& layer) { drawDiscAndRing(layer, size, ringHeld); },
        QPainter::CompositionMode_Source);

    painter.translate(radius, radius);
    drawTicksAndSigns(painter, radius, content.rotation + orientation);
    drawHorizon(painter, radius, orientation, content.horizon, content.sunAltitude);
    drawSun(painter, radius, content.sunAngle + orientation, options.held == OrreryHold::Sun);
    drawMoon(painter, radius, content.moonAngle + orientation, content.moonPhase,
             content.moonWaxing);
    for (std::size_t index = 0; index < content.planetAngles.size(); ++index) {
        drawPictureCentred(
            painter, planetNames[static_cast<std::size_t>(kOrreryPlanets[index])],
            dialPoint(content.planetAngles[index] + orientation, kPlanetCircle * radius));
    }
    drawCentreText(painter, content, options.audience, size);
    painter.translate(-radius, -radius);

    if (options.audience == 1 && content.planetaryHour) {
        drawPlanetaryBox(painter, *content.planetaryHour);
    }
    painter.restore();
}

void drawOrrery(const Ephemeris& model, const OrreryOptions& options, QSizeF size,
                QPainter& painter) {
    paintOrrery(orreryContent(model, options.audience == 1), options, size, painter);
}

}  // namespace quenaro
