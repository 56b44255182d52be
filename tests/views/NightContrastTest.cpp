// Night vision keeps things readable: on a night picture of the timeline (drawn in its night
// colours, then turned red of the same brightness as the window does) every bar stands out
// from the band behind it, and every title and hour label from what lies behind it, by a
// contrast of at least 3:1 measured on the pixels.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>

#include "ImageColours.h"
#include "drawing/TimelineContent.h"
#include "drawing/TimelineDrawing.h"
#include "views/NightVision.h"
#include "views/TimelinePainter.h"

namespace quenaro {
namespace {

using testing::areaContrast;
using testing::contrastRatio;

constexpr double kWidth = 320.0;
constexpr double kHeight = 120.0;  // bars of 21 points from y = 12
constexpr double kScale = 2.0;
constexpr double kBarHeight = 21.0;
constexpr double kLeast = 3.0;

TimelineBar bar(const char* title, double riseHours, double setHours, bool moon,
                TimelineBar::Span span = TimelineBar::Span::Interval) {
    TimelineBar result;
    result.title = title;
    result.riseFraction = riseHours / 24.0;
    result.setFraction = setHours / 24.0;
    result.moon = moon;
    result.span = span;
    return result;
}

/// The Sun's bar over the day band, a twilight's, one down all day (its title on the day
/// band), one up all day, and the Moon over midnight (its title between the pieces, on the
/// day band); now at 2:00, away from every title.
TimelineContent nightSample() {
    TimelineContent content;
    content.nowFraction = 2.0 / 24.0;
    content.bars = {bar("Sun", 6, 18, false), bar("Civil Twilight", 5.5, 18.5, false),
                    bar("Nautical Twilight", 0, 0, false, TimelineBar::Span::DownAllDay),
                    bar("Astro Twilight", 0, 0, false, TimelineBar::Span::UpAllDay),
                    bar("Moon", 20, 8, true)};
    return content;
}

QImage nightPicture(const TimelineContent& content) {
    QImage image(static_cast<int>(kWidth * kScale), static_cast<int>(kHeight * kScale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kScale);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        paintTimeline(content, QSizeF(kWidth, kHeight), painter, offscreenCanvas(),
                      TimelineLook::Night);
    }
    turnNightRed(image);
    return image;
}

QColor colourAt(const QImage& image, double hours, double y) {
    return image.pixelColor(static_cast<int>(hours / 24.0 * kWidth * kScale),
                            static_cast<int>(y * kScale));
}

/// An area in points, as the picture's pixels.
QRect pixels(double x, double y, double width, double height) {
    return {static_cast<int>(x * kScale), static_cast<int>(y * kScale),
            static_cast<int>(width * kScale), static_cast<int>(height * kScale)};
}

TEST(NightContrast, TimelineBarsTitlesAndHourLabelsStandOut) {
    const QImage picture = nightPicture(nightSample());
    const auto sliceTop = [](int index) { return kTimelineScaleHeight + index * kBarHeight; };
    const auto barMiddle = [&](int index) { return sliceTop(index) + kBarHeight / 2; };
    // Just inside the slice, above the bar: the band behind it.
    const auto band = [&](int index) { return sliceTop(index) + 0.5; };

    struct Mark {
        std::string name;
        double ratio;
    };
    const Mark bars[] = {
        {"Sun bar on the day band",
         contrastRatio(colourAt(picture, 9, barMiddle(0)), colourAt(picture, 9, band(0)))},
        {"twilight bar on the night band",
         contrastRatio(colourAt(picture, 5.8, barMiddle(1)), colourAt(picture, 5.8, band(1)))},
        {"Moon bar on the night band",
         contrastRatio(colourAt(picture, 22, barMiddle(4)), colourAt(picture, 22, band(4)))},
        {"Moon bar on the day band",
         contrastRatio(colourAt(picture, 7, barMiddle(4)), colourAt(picture, 7, band(4)))},
    };
    for (const Mark& mark : bars) {
        EXPECT_GE(mark.ratio, kLeast) << mark.name;
        RecordProperty(mark.name, std::to_string(mark.ratio));
    }

    // Titles centred on their bars (the Moon's between its pieces, at 14:00), and hour labels
    // in the scale: 3 (morning) and 12 (afternoon).
    const double hour = kWidth / 24.0;
    const Mark texts[] = {
        {"Sun title on its bar",
         areaContrast(picture, pixels(12 * hour - 10, sliceTop(0) + 4, 20, 13)).ratio},
        {"title on the day band",
         areaContrast(picture, pixels(12 * hour - 50, sliceTop(2) + 4, 100, 13)).ratio},
        {"title on a whole bar",
         areaContrast(picture, pixels(12 * hour - 40, sliceTop(3) + 4, 80, 13)).ratio},
        {"Moon title between its pieces",
         areaContrast(picture, pixels(14 * hour - 12, sliceTop(4) + 4, 24, 13)).ratio},
        {"hour label 3", areaContrast(picture, pixels(3 * hour - 4, 1, 8, 10)).ratio},
        {"hour label 12", areaContrast(picture, pixels(12 * hour - 6, 1, 12, 10)).ratio},
    };
    for (const Mark& mark : texts) {
        EXPECT_GE(mark.ratio, kLeast) << mark.name;
        RecordProperty(mark.name, std::to_string(mark.ratio));
    }
}

}  // namespace
}  // namespace quenaro
