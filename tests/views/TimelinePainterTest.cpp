// The day timeline as drawn: the bars' extents, pieces over midnight, titles, the now line,
// bar heights, and whole or empty bars on days without the event. Checked on pixels of a
// rendered image (colours, with a margin for antialiasing) and on recorded painter calls.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "PaintRecorder.h"
#include "SupportedYearEnds.h"
#include "drawing/TimelineContent.h"
#include "model/Ephemeris.h"
#include "time/TimeZone.h"
#include "views/TimelinePainter.h"

namespace quenaro {
namespace {

using testing::PaintCall;
using testing::PaintRecorder;

constexpr double kWidth = 320.0;
constexpr double kHeight = 120.0;  // bars of floor(108 / 5) = 21 points
constexpr double kScale = 2.0;

TimelineBar interval(const char* title, double riseHours, double setHours, bool moon = false) {
    TimelineBar bar;
    bar.title = title;
    bar.riseFraction = riseHours / 24.0;
    bar.setFraction = setHours / 24.0;
    bar.moon = moon;
    return bar;
}

/// Sun 6:00-18:00, three twilights around it, the Moon from 20:00 to 8:00; now 12:00.
TimelineContent sampleDay() {
    TimelineContent content;
    content.nowFraction = 0.5;
    content.bars = {interval("Sun", 6, 18), interval("Civil Twilight", 5.5, 18.5),
                    interval("Nautical Twilight", 5, 19), interval("Astro Twilight", 4.5, 19.5),
                    interval("Moon", 20, 8, true)};
    return content;
}

QImage render(const TimelineContent& content, double width = kWidth, double height = kHeight) {
    QImage image(static_cast<int>(width * kScale), static_cast<int>(height * kScale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kScale);
    image.fill(Qt::black);
    QPainter painter(&image);
    paintTimeline(content, QSizeF(width, height), painter);
    return image;
}

/// The colour at a point given in points.
QColor colourAt(const QImage& image, double x, double y) {
    return image.pixelColor(static_cast<int>(x * kScale), static_cast<int>(y * kScale));
}

bool isYellow(const QColor& colour) {
    return colour.red() > 200 && colour.green() > 200 && colour.blue() < 80;
}
bool isWhitish(const QColor& colour) {
    return colour.red() > 215 && colour.green() > 215 && colour.blue() > 215;
}

/// The middle of bar `index` (0 Sun ... 4 Moon) in a view of the height.
double barMiddle(int index, double height = kHeight) {
    const double barHeight = std::floor((height - 12.0) / 5.0);
    return 12.0 + index * barHeight + barHeight / 2.0;
}

PaintCall onlyText(const PaintRecorder& recorder, const char* text) {
    const std::vector<PaintCall> found = recorder.texts(QString::fromUtf8(text));
    EXPECT_EQ(found.size(), 1u) << text;
    return found.empty() ? PaintCall{} : found.front();
}

// The Sun from 6:00 to 18:00 is one capsule from 80 to 240 titled in black; the Moon over
// midnight is two pieces with its title in white between them.
TEST(TimelinePainter, BarsCoverTheirHoursAndCarryTheirTitlesInTheirColour) {
    const struct {
        const char* title;
        int bar;
        bool (*filled)(const QColor&);
        std::vector<double> inside;   // x, points
        std::vector<double> outside;  // x, points
        double titleX;
        QColor titleColour;
    } rows[] = {
        {"Sun", 0, isYellow, {81, 239, 160}, {78.5, 241}, 160.0, Qt::black},
        {"Moon", 4, isWhitish, {2, 105, 268, 318}, {108.5, 150, 265}, 186.667, Qt::white},
    };
    const QImage image = render(sampleDay());
    PaintRecorder recorder({kWidth, kHeight});
    QPainter painter(&recorder);
    paintTimeline(sampleDay(), {kWidth, kHeight}, painter);
    painter.end();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.title);
        const double y = barMiddle(row.bar);
        for (const double x : row.inside) {
            EXPECT_TRUE(row.filled(colourAt(image, x, y))) << x;
        }
        for (const double x : row.outside) {
            EXPECT_FALSE(row.filled(colourAt(image, x, y))) << x;
        }
        const PaintCall title = onlyText(recorder, row.title);
        EXPECT_NEAR(title.bounds.center().x(), row.titleX, 0.05);
        EXPECT_EQ(title.penColour, row.titleColour);
    }
}

TEST(TimelinePainter, TransitMarkerShowsItsTipAboveTheBarAndOnlyWhereGiven) {
    TimelineContent content = sampleDay();
    content.bars[0].transitFraction = 0.5;
    const double sliceTop = 12.0;
    // The apex stands 3 points above the slice, the tip is in the 2-point gap above the bar.
    EXPECT_TRUE(isYellow(colourAt(render(content), 160, sliceTop + 0.5)));
    EXPECT_FALSE(isYellow(colourAt(render(sampleDay()), 160, sliceTop + 0.5)));
}

TEST(TimelinePainter, NowLineStandsAtTheMinuteOfTheModelsDateSecondsIgnored) {
    const Ephemeris model(
        EphemerisDate::dateWithYear(2026, 3, 14, 13, 37, 45, TimeZone::named("UTC")), 52.5, 13.4);
    PaintRecorder recorder({kWidth, kHeight});
    QPainter painter(&recorder);
    drawTimeline(model, {kWidth, kHeight}, painter);
    painter.end();

    std::vector<QLineF> red;
    for (const PaintCall& call : recorder.calls()) {
        if (call.kind == PaintCall::Kind::Lines && call.penColour == QColor(Qt::red)) {
            red.insert(red.end(), call.lines.begin(), call.lines.end());
        }
    }
    ASSERT_EQ(red.size(), 1u);
    const double expectedX = kWidth * (13 * 60 + 37) / 1440.0;
    EXPECT_NEAR(red[0].x1(), expectedX, 1e-9);
    EXPECT_NEAR(red[0].x2(), expectedX, 1e-9);
    EXPECT_DOUBLE_EQ(std::min(red[0].y1(), red[0].y2()), 0.0);
    EXPECT_DOUBLE_EQ(std::max(red[0].y1(), red[0].y2()), kHeight);
}

TEST(TimelinePainter, ViewOf252PointsHasBarsOf48WithBodiesOf44) {
    PaintRecorder recorder({kWidth, 252});
    QPainter painter(&recorder);
    paintTimeline(sampleDay(), {kWidth, 252}, painter);
    painter.end();

    std::vector<QRectF> bars;
    for (const PaintCall& call : recorder.calls()) {
        if (call.kind == PaintCall::Kind::Path && call.brush.style() == Qt::LinearGradientPattern) {
            bars.push_back(call.bounds);
        }
    }
    ASSERT_EQ(bars.size(), 5u);
    for (std::size_t index = 0; index < bars.size(); ++index) {
        EXPECT_NEAR(bars[index].top(), 12.0 + 48.0 * static_cast<double>(index) + 2.0, 1e-9);
        EXPECT_NEAR(bars[index].height(), 44.0, 1e-9);
    }
    // The Sun's capsule from 80 to 240: ends of radius 22 reach exactly the rise and set.
    EXPECT_NEAR(bars[0].left(), 80.0, 1e-9);
    EXPECT_NEAR(bars[0].right(), 240.0, 1e-9);
}

/// Tromsø, 69.65 N 18.96 E, at noon of the day.
Ephemeris tromsoNoon(unsigned month, unsigned day) {
    return Ephemeris(
        EphemerisDate::dateWithYear(2026, month, day, 12, 0, 0, TimeZone::named("Europe/Oslo")),
        69.65, 18.96);
}

TEST(TimelinePainter, MidsummerAtSeventyNorthIsUpAllDayForTheSunAndEveryTwilight) {
    const TimelineContent content = timelineContent(tromsoNoon(6, 21));
    for (int index = 0; index < 4; ++index) {
        EXPECT_EQ(content.bars[static_cast<std::size_t>(index)].span, TimelineBar::Span::UpAllDay)
            << content.bars[static_cast<std::size_t>(index)].title;
    }
    const QImage image = render(content);
    for (const double x : {1.0, 60.0, 160.0, 300.0, 319.0}) {
        EXPECT_TRUE(isYellow(colourAt(image, x, barMiddle(0)))) << x;
        EXPECT_TRUE(isYellow(colourAt(image, x, barMiddle(3)))) << x;
    }
}

TEST(TimelinePainter, MidwinterAtSeventyNorthHasNoSunBarButTwilightsAndTheTitleInWhite) {
    const TimelineContent content = timelineContent(tromsoNoon(12, 21));
    EXPECT_EQ(content.bars[0].span, TimelineBar::Span::DownAllDay);
    EXPECT_FALSE(content.bars[0].transitFraction.has_value());
    // The Sun reaches about -3 degrees at noon: civil, nautical and astronomical twilight
    // begin and end.
    for (int index = 1; index < 4; ++index) {
        EXPECT_EQ(content.bars[static_cast<std::size_t>(index)].span, TimelineBar::Span::Interval);
    }
    const QImage image = render(content);
    for (const double x : {1.0, 60.0, 160.0, 300.0}) {
        EXPECT_FALSE(isYellow(colourAt(image, x, barMiddle(0)))) << x;
    }

    PaintRecorder recorder({kWidth, kHeight});
    QPainter painter(&recorder);
    paintTimeline(content, {kWidth, kHeight}, painter);
    painter.end();
    EXPECT_EQ(onlyText(recorder, "Sun").penColour, QColor(Qt::white));
    std::vector<double> barTops;
    for (const PaintCall& call : recorder.calls()) {
        if (call.kind == PaintCall::Kind::Path && call.brush.style() == Qt::LinearGradientPattern) {
            barTops.push_back(call.bounds.top());
        }
    }
    // Civil, nautical and astronomical twilight, and the Moon (up, down or in between).
    ASSERT_GE(barTops.size(), 3u);
    EXPECT_DOUBLE_EQ(barTops[0], 12.0 + 21.0 + 2.0);
}

TEST(TimelinePainter, ViewsTooSmallForBarsStillDrawTheScale) {
    for (const QSizeF size : {QSizeF(1, 1), QSizeF(24, 12), QSizeF(320, 16)}) {
        PaintRecorder recorder(size);
        QPainter painter(&recorder);
        paintTimeline(sampleDay(), size, painter);
        painter.end();
        EXPECT_TRUE(recorder.texts(QStringLiteral("Sun")).empty());
        EXPECT_FALSE(recorder.calls().empty());
    }
}

TEST(TimelinePainter, TheFirstAndLastDaysOfTheSupportedYearsDrawWithoutFailing) {
    for (const Ephemeris& model : testing::modelsAtTheSupportedYearEnds()) {
        const int year = model.date().yearOfCommonEra();
        PaintRecorder recorder({kWidth, kHeight});
        QPainter painter(&recorder);
        EXPECT_NO_THROW(drawTimeline(model, {kWidth, kHeight}, painter)) << year;
        painter.end();
        EXPECT_EQ(recorder.texts(QStringLiteral("Moon")).size(), 1u) << year;
    }
}

}  // namespace
}  // namespace quenaro
