// The day timeline: a 24-hour strip from midnight at the left edge to the next midnight at
// the right, with an hour scale, the now line and one bar each for the Sun, the three
// twilights and the Moon.

#include "views/TimelinePainter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "views/TimelineContent.h"
#include "views/ViewFonts.h"

namespace quenaro {

namespace {

constexpr double kHoursPerDay = 24.0;
constexpr double kBarCount = 5.0;
constexpr double kBarInset = 2.0;          // between a slice's edge and its bar, points
constexpr double kTransitOvershoot = 3.0;  // the transit marker's apex above the slice
constexpr double kHourLineWidth = 0.25;
constexpr double kNowLineWidth = 0.5;

const QColor kDarkGray = QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3);
const QColor kLightGray = QColor::fromRgbF(2.0f / 3, 2.0f / 3, 2.0f / 3);
const QColor kYellow = QColor::fromRgbF(1, 1, 0);
const QColor kPurple = QColor::fromRgbF(0.5, 0, 0.5);

/// Sun and twilight bars, or the Moon's: three stops from the bar's top to its bottom.
QLinearGradient barGradient(bool moon, double top, double bottom) {
    QLinearGradient gradient(0, top, 0, bottom);
    if (moon) {
        gradient.setColorAt(0.0, QColor::fromRgbF(1, 1, 1, 0.85f));
        gradient.setColorAt(0.33, QColor::fromRgbF(1, 1, 1, 1));
        gradient.setColorAt(1.0, QColor::fromRgbF(0.75f, 0.75f, 0.75f, 0.85f));
    } else {
        gradient.setColorAt(0.0, QColor::fromRgbF(1, 1, 0, 0.85f));
        gradient.setColorAt(0.33, QColor::fromRgbF(1, 1, 0, 1));
        gradient.setColorAt(1.0, QColor::fromRgbF(0.75f, 0.75f, 0, 0.85f));
    }
    return gradient;
}

/// Draws one line of text centred in a box of the width, the top of its line at `top`;
/// with `clip` the text is cut at the box's sides.
void drawCentredText(QPainter& painter, const QString& text, double left, double width, double top,
                     bool clip) {
    const double lineHeight = QFontMetricsF(painter.font()).height();
    const int flags = Qt::AlignHCenter | Qt::AlignTop | (clip ? 0 : Qt::TextDontClip);
    painter.drawText(QRectF(left, top, width, lineHeight), flags, text);
}

void drawHourScale(QSizeF size, QPainter& painter) {
    const double width = size.width();
    const double height = size.height();
    const double hourWidth = width / kHoursPerDay;

    // Night, and the light band from 6:00 to 18:00.
    painter.fillRect(QRectF(0, kTimelineScaleHeight, width, height - kTimelineScaleHeight),
                     kDarkGray);
    painter.fillRect(
        QRectF(width / 4, kTimelineScaleHeight, width / 2, height - kTimelineScaleHeight),
        kLightGray);

    QLinearGradient strip(0, 0, 0, kTimelineScaleHeight);
    strip.setColorAt(0.0, Qt::white);
    strip.setColorAt(1.0, QColor::fromRgbF(0.5, 0.5, 0.5));
    painter.fillRect(QRectF(0, 0, width, kTimelineScaleHeight), strip);

    // Hour lines through the whole view, the quarter-hour ticks within the scale.
    QPainterPath lines;
    const double quarter = width / (4 * kHoursPerDay);
    for (int hour = 0; hour < 24; ++hour) {
        const double x = hour * hourWidth;
        lines.moveTo(x, 0);
        lines.lineTo(x, height);
        lines.moveTo(x + quarter, kTimelineScaleHeight * 0.75);
        lines.lineTo(x + quarter, kTimelineScaleHeight);
        lines.moveTo(x + 2 * quarter, kTimelineScaleHeight * 0.5);
        lines.lineTo(x + 2 * quarter, kTimelineScaleHeight);
        lines.moveTo(x + 3 * quarter, kTimelineScaleHeight * 0.75);
        lines.lineTo(x + 3 * quarter, kTimelineScaleHeight);
    }
    painter.strokePath(lines, QPen(Qt::black, kHourLineWidth));
}

void drawHourLabels(QSizeF size, QPainter& painter) {
    struct Label {
        int hour;
        const char* text;
        bool afternoon;
    };
    static constexpr Label kLabels[] = {{3, "3", false},  {6, "6", false}, {9, "9", false},
                                        {12, "12", true}, {15, "3", true}, {18, "6", true},
                                        {21, "9", true}};
    const double hourWidth = size.width() / kHoursPerDay;
    const double top = kTimelineScaleHeight / 2 - QFontMetricsF(painter.font()).capHeight();
    for (const Label& label : kLabels) {
        painter.setPen(label.afternoon ? kPurple : QColor(Qt::blue));
        drawCentredText(painter, QString::fromLatin1(label.text), (label.hour - 2) * hourWidth,
                        4 * hourWidth, top, false);
    }
}

/// One bar in the slice: the transit marker, the rounded bar (in one piece, or in two over
/// midnight, whole when up all day, absent when down all day) and its title.
void drawBar(QPainter& painter, const QRectF& slice, const TimelineBar& bar) {
    const double x = slice.x();
    const double w = slice.width();
    const QColor markerColour = bar.moon ? QColor(Qt::white) : kYellow;

    if (bar.transitFraction && bar.span == TimelineBar::Span::Interval) {
        const double tx = x + w * *bar.transitFraction;
        const double middle = slice.y() + slice.height() / 2;
        const double e = slice.height() / 2 + kTransitOvershoot;
        QPainterPath marker;
        marker.moveTo(tx - e, middle);
        marker.lineTo(tx, middle - e);
        marker.lineTo(tx + e, middle);
        marker.closeSubpath();
        painter.fillPath(marker, markerColour);
    }

    const double top = slice.y() + kBarInset;
    const double height = slice.height() - 2 * kBarInset;
    const double r = height / 2;
    double riseX = x + w * bar.riseFraction;
    double setX = x + w * bar.setFraction;
    QPainterPath outline;
    switch (bar.span) {
        case TimelineBar::Span::UpAllDay:
            riseX = x;
            setX = x + w;
            outline.addRect(QRectF(x - 2 * r, top, w + 4 * r, height));
            break;
        case TimelineBar::Span::DownAllDay:
        case TimelineBar::Span::Unknown:
            riseX = x;
            setX = x + w;
            break;
        case TimelineBar::Span::Interval:
            if (riseX <= setX) {
                outline.moveTo(riseX + r, top);
                outline.arcTo(QRectF(riseX, top, 2 * r, 2 * r), 90, 180);
                outline.lineTo(setX - r, top + height);
                outline.arcTo(QRectF(setX - 2 * r, top, 2 * r, 2 * r), 270, 180);
                outline.closeSubpath();
            } else {
                outline.moveTo(x - 2 * r, top);
                outline.lineTo(setX - r, top);
                outline.arcTo(QRectF(setX - 2 * r, top, 2 * r, 2 * r), 90, -180);
                outline.lineTo(x - 2 * r, top + height);
                outline.closeSubpath();
                outline.moveTo(riseX + r, top + height);
                outline.lineTo(x + w + 2 * r, top + height);
                outline.lineTo(x + w + 2 * r, top);
                outline.lineTo(riseX + r, top);
                outline.arcTo(QRectF(riseX, top, 2 * r, 2 * r), 90, 180);
                outline.closeSubpath();
            }
            break;
    }
    if (!outline.isEmpty()) {
        painter.fillPath(outline, barGradient(bar.moon, top, top + height));
    }

    // The title stands on the dark background between two pieces and where there is no
    // bar, on the bar otherwise.
    const bool onBackground = riseX > setX || bar.span == TimelineBar::Span::DownAllDay;
    painter.setPen(onBackground ? QColor(Qt::white) : QColor(Qt::black));
    const double titleTop = top + r - QFontMetricsF(painter.font()).capHeight();
    drawCentredText(painter, QString::fromStdString(bar.title), (riseX + setX) / 2 - w / 2, w,
                    titleTop, true);
}

}  // namespace

void paintTimeline(const TimelineContent& content, QSizeF size, QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(smallSystemFont());

    drawHourScale(size, painter);
    const double nowX = size.width() * content.nowFraction;
    painter.setPen(QPen(Qt::red, kNowLineWidth));
    painter.drawLine(QPointF(nowX, 0), QPointF(nowX, size.height()));
    drawHourLabels(size, painter);

    const double barHeight = std::floor((size.height() - kTimelineScaleHeight) / kBarCount);
    if (barHeight > 2 * kBarInset) {
        for (std::size_t index = 0; index < content.bars.size(); ++index) {
            const QRectF slice(0, kTimelineScaleHeight + static_cast<double>(index) * barHeight,
                               size.width(), barHeight);
            drawBar(painter, slice, content.bars[index]);
        }
    }
    painter.restore();
}

void drawTimeline(const Ephemeris& model, QSizeF size, QPainter& painter) {
    paintTimeline(timelineContent(model), size, painter);
}

}  // namespace quenaro
