// Drawings replayed on QPainter: the window, `quenaro render` (PNG and PDF), Export and the
// tests all draw the views through here.

#include "views/QtCanvas.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <string>
#include <unordered_map>

#include "drawing/Overloaded.h"
#include "resources/Pictures.h"
#include "views/ViewFonts.h"

namespace quenaro {

namespace {

QRectF qtRect(const Rect& rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}

void setStops(QGradient& gradient, const std::vector<GradientStop>& stops) {
    for (const GradientStop& stop : stops) {
        gradient.setColorAt(stop.offset, qtColour(stop.colour));
    }
}

Qt::PenCapStyle qtCap(LineCap cap) {
    switch (cap) {
        case LineCap::Butt:
            return Qt::FlatCap;
        case LineCap::Round:
            return Qt::RoundCap;
        case LineCap::Square:
            break;
    }
    return Qt::SquareCap;
}

QPen qtPen(const Stroke& stroke) {
    QPen pen(qtColour(stroke.colour), stroke.width, Qt::SolidLine, qtCap(stroke.cap));
    if (!stroke.dash.empty() && stroke.width > 0.0) {
        // Qt measures dashes in pen widths.
        QList<qreal> pattern;
        for (const double length : stroke.dash) {
            pattern.append(length / stroke.width);
        }
        pen.setDashPattern(pattern);
    }
    return pen;
}

/// The rectangle a path outlines when it is exactly one rectangle (as Drawing::fillRect
/// makes), so that it can be filled the fast way.
std::optional<QRectF> rectangleOf(const Path& path) {
    const auto& elements = path.elements();
    if (elements.size() != 5 || !std::holds_alternative<Path::MoveTo>(elements[0]) ||
        !std::holds_alternative<Path::Close>(elements[4])) {
        return std::nullopt;
    }
    Point corners[4] = {std::get<Path::MoveTo>(elements[0]).to};
    for (std::size_t index = 1; index < 4; ++index) {
        const auto* line = std::get_if<Path::LineTo>(&elements[index]);
        if (line == nullptr) {
            return std::nullopt;
        }
        corners[index] = line->to;
    }
    const bool aligned = corners[0].y == corners[1].y && corners[1].x == corners[2].x &&
                         corners[2].y == corners[3].y && corners[3].x == corners[0].x;
    if (!aligned) {
        return std::nullopt;
    }
    return QRectF(qtPoint(corners[0]), qtPoint(corners[2])).normalized();
}

class QtFontMetrics : public TextMetrics {
  public:
    QtFontMetrics() : regular_(smallSystemFont()), bold_(boldSystemFont()) {}

    FontMeasures measures(FontRole font) const override {
        const QFontMetricsF& metrics = of(font);
        return {metrics.ascent(), metrics.descent(), metrics.capHeight(), metrics.lineSpacing()};
    }
    /// Kept per text: the views set the same few texts frame after frame.
    double advance(FontRole font, std::string_view text) const override {
        auto& kept = advances_[font == FontRole::Bold ? 1 : 0];
        const auto found = kept.find(text);
        if (found != kept.end()) {
            return found->second;
        }
        if (kept.size() >= kKeptAdvances) {
            kept.clear();
        }
        const double advance = of(font).horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        kept.emplace(std::string(text), advance);
        return advance;
    }

  private:
    const QFontMetricsF& of(FontRole font) const {
        return font == FontRole::Bold ? bold_ : regular_;
    }
    /// Texts whose advance is kept at most, per font (the sheet sets a few hundred).
    static constexpr std::size_t kKeptAdvances = 4096;
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>()(text);
        }
    };

    QFontMetricsF regular_;
    QFontMetricsF bold_;
    mutable std::unordered_map<std::string, double, Hash, std::equal_to<>> advances_[2];
};

const QFont& qtFont(FontRole font) {
    static const QFont regular = smallSystemFont();
    static const QFont bold = boldSystemFont();
    return font == FontRole::Bold ? bold : regular;
}

void drawText(const draw::Text& text, QPainter& painter) {
    const QString string =
        QString::fromUtf8(text.text.data(), static_cast<qsizetype>(text.text.size()));
    const QFont& font = qtFont(text.font);
    double x = text.origin.x;
    if (text.align != TextAlign::Left) {
        const double advance = qtTextMetrics().advance(text.font, text.text);
        x -= text.align == TextAlign::Centre ? advance / 2 : advance;
    }
    painter.setFont(font);
    painter.setPen(qtColour(text.colour));
    painter.drawText(QPointF(x, text.origin.y), string);
}

void drawPicture(const draw::Picture& picture, QPainter& painter) {
    const QImage image = imageNamed(picture.name, painter.device()->devicePixelRatioF());
    if (image.isNull()) {
        return;
    }
    const QRectF target = qtRect(picture.target);
    if (image.deviceIndependentSize() == target.size()) {
        painter.drawImage(target.topLeft(), image);
    } else {
        painter.drawImage(target, image);
    }
}

bool isRaster(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine != nullptr && engine->type() == QPaintEngine::Raster;
}

}  // namespace

QColor qtColour(const Colour& colour) {
    return QColor::fromRgbF(colour.red, colour.green, colour.blue, colour.alpha);
}

QBrush qtBrush(const Fill& fill) {
    return std::visit(
        Overloaded{[](const Colour& colour) { return QBrush(qtColour(colour)); },
                   [](const LinearGradient& linear) {
                       QLinearGradient gradient(qtPoint(linear.start), qtPoint(linear.end));
                       setStops(gradient, linear.stops);
                       return QBrush(gradient);
                   },
                   [](const RadialGradient& radial) {
                       QRadialGradient gradient(qtPoint(radial.centre), radial.radius,
                                                qtPoint(radial.focal), radial.focalRadius);
                       setStops(gradient, radial.stops);
                       return QBrush(gradient);
                   }},
        fill);
}

QPainterPath qtPath(const Path& path) {
    QPainterPath result;
    result.setFillRule(path.fillRule() == FillRule::EvenOdd ? Qt::OddEvenFill : Qt::WindingFill);
    for (const Path::Element& element : path.elements()) {
        std::visit(
            Overloaded{[&result](const Path::MoveTo& move) { result.moveTo(qtPoint(move.to)); },
                       [&result](const Path::LineTo& line) { result.lineTo(qtPoint(line.to)); },
                       [&result](const Path::QuadTo& quad) {
                           result.quadTo(qtPoint(quad.control), qtPoint(quad.to));
                       },
                       [&result](const Path::CubicTo& cubic) {
                           result.cubicTo(qtPoint(cubic.control1), qtPoint(cubic.control2),
                                          qtPoint(cubic.to));
                       },
                       [&result](const Path::ArcTo& arc) {
                           // Qt's arc angles run counterclockwise on screen.
                           result.arcTo(
                               QRectF(arc.centre.x - arc.radiusX, arc.centre.y - arc.radiusY,
                                      2 * arc.radiusX, 2 * arc.radiusY),
                               -arc.startDegrees, -arc.sweepDegrees);
                       },
                       [&result](const Path::Close&) { result.closeSubpath(); }},
            element);
    }
    return result;
}

QtCanvas& offscreenCanvas() {
    static QtCanvas canvas;
    return canvas;
}

const TextMetrics& qtTextMetrics() {
    static const QtFontMetrics metrics;
    return metrics;
}

void QtCanvas::paint(const Drawing& drawing, QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    replay(drawing, painter);
    painter.restore();
}

void QtCanvas::replay(const Drawing& drawing, QPainter& painter) {
    for (const DrawCommand& command : drawing.commands()) {
        std::visit(
            Overloaded{
                [&painter](const draw::FillPath& fill) {
                    if (const std::optional<QRectF> rect = rectangleOf(fill.path)) {
                        painter.fillRect(*rect, qtBrush(fill.fill));
                    } else {
                        painter.fillPath(qtPath(fill.path), qtBrush(fill.fill));
                    }
                },
                [&painter](const draw::StrokePath& stroke) {
                    painter.strokePath(qtPath(stroke.path), qtPen(stroke.stroke));
                },
                [&painter](const draw::StrokeLines& lines) {
                    QList<QLineF> segments;
                    segments.reserve(static_cast<qsizetype>(lines.lines.size()));
                    for (const Line& line : lines.lines) {
                        segments.append(QLineF(qtPoint(line.from), qtPoint(line.to)));
                    }
                    painter.setPen(qtPen(lines.stroke));
                    painter.drawLines(segments);
                },
                [this, &painter](const draw::FillDiscs& discs) { fillDiscs(discs.discs, painter); },
                [&painter](const draw::Text& text) { drawText(text, painter); },
                [&painter](const draw::Picture& picture) { drawPicture(picture, painter); },
                [&painter](const draw::Save&) { painter.save(); },
                [&painter](const draw::Restore&) { painter.restore(); },
                [&painter](const draw::Concat& concat) {
                    const Transform& t = concat.transform;
                    painter.setWorldTransform(QTransform(t.m11, t.m12, t.m21, t.m22, t.dx, t.dy),
                                              true);
                },
                [&painter](const draw::Clip& clip) {
                    if (const std::optional<QRectF> rect = rectangleOf(clip.path)) {
                        painter.setClipRect(*rect, Qt::IntersectClip);
                    } else {
                        painter.setClipPath(qtPath(clip.path), Qt::IntersectClip);
                    }
                },
                [this, &drawing, &painter](const draw::Layer& layer) {
                    this->layer(layer, drawing.size(), painter);
                }},
            command);
    }
}

void QtCanvas::fillDiscs(const std::vector<Disc>& discs, QPainter& painter) {
    const QTransform toDevice = painter.deviceTransform();
    // Sprites land at device pixels: on a raster device whose pixels are its units, under a
    // transform that keeps circles round.
    const bool stamps = isRaster(painter) && toDevice.type() <= QTransform::TxRotate &&
                        std::abs(toDevice.m11() - toDevice.m22()) < 1e-9 &&
                        std::abs(toDevice.m12() + toDevice.m21()) < 1e-9;
    painter.save();
    if (stamps) {
        const double pixelsPerPoint = std::sqrt(std::abs(toDevice.determinant()));
        // Generous bounds (a device's size may be given in points or pixels): they only cull.
        const double ratio = painter.device()->devicePixelRatioF();
        const int reach = static_cast<int>(std::ceil(ratio));
        const QRect bounds(0, 0, painter.device()->width() * reach,
                           painter.device()->height() * reach);
        // Painter units become device pixels.
        painter.setWorldTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio));
        painter.setPen(Qt::NoPen);
        for (const Disc& disc : discs) {
            const QPointF centre = toDevice.map(qtPoint(disc.centre));
            const double diameter = disc.diameter * pixelsPerPoint;
            if (disc.colour == colours::kWhite) {
                sprites_.stamp(painter, centre, diameter, bounds);
            } else {
                painter.setBrush(qtColour(disc.colour));
                painter.drawEllipse(centre, diameter / 2.0, diameter / 2.0);
            }
        }
    } else {
        painter.setPen(Qt::NoPen);
        for (const Disc& disc : discs) {
            painter.setBrush(qtColour(disc.colour));
            const double radius = disc.diameter / 2.0;
            painter.drawEllipse(qtPoint(disc.centre), radius, radius);
        }
    }
    painter.restore();
}

void QtCanvas::layer(const draw::Layer& layer, Size viewSize, QPainter& painter) {
    if (layer.content == nullptr) {
        return;
    }
    layers_.paint(painter, layer, viewSize,
                  [this, &layer](QPainter& onto) { replay(*layer.content, onto); });
}

}  // namespace quenaro
