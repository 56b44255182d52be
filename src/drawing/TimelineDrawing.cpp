// The day timeline: a 24-hour strip from midnight at the left edge to the next midnight at
// the right, with an hour scale, the now line and one bar each for the Sun, the three
// twilights and the Moon.

#include "drawing/TimelineDrawing.h"

#include <cmath>

#include "drawing/TextMetrics.h"
#include "drawing/TimelineContent.h"

namespace quenaro {

namespace {

constexpr double kHoursPerDay = 24.0;
constexpr double kBarCount = 5.0;
constexpr double kBarInset = 2.0;          // between a slice's edge and its bar, points
constexpr double kTransitOvershoot = 3.0;  // the transit marker's apex above the slice
constexpr double kHourLineWidth = 0.25;
constexpr double kNowLineWidth = 0.5;

/// The colours of the timeline in one look.
struct TimelineColours {
    const char* layerName;  ///< the hour scale's layer, kept apart for each look
    Colour night;           ///< the band before 6:00 and after 18:00
    Colour day;             ///< the band from 6:00 to 18:00
    Colour scaleTop;        ///< the hour scale's gradient
    Colour scaleBottom;
    Colour hourLines;
    Colour morningLabels;    ///< hour labels 3 6 9
    Colour afternoonLabels;  ///< hour labels 12 3 6 9
    Colour nowLine;
    bool shadedBars;  ///< bars shaded towards their edges, else of one colour
    Colour titleOnBar;
    Colour titleOnBackground;
};

constexpr TimelineColours kDayColours{.layerName = "timeline.hours",
                                      .night = colours::kDarkGrey,
                                      .day = colours::kLightGrey,
                                      .scaleTop = colours::kWhite,
                                      .scaleBottom = colours::kGrey,
                                      .hourLines = colours::kBlack,
                                      .morningLabels = colours::kBlue,
                                      .afternoonLabels = colours::kPurple,
                                      .nowLine = colours::kRed,
                                      .shadedBars = true,
                                      .titleOnBar = colours::kBlack,
                                      .titleOnBackground = colours::kWhite};

/// For night vision, where every colour becomes red of its brightness and only brightness
/// tells things apart: dark bands under bright bars (at least 3:1 in contrast once red), a
/// dark scale under bright labels, and bars of one colour so that no shaded edge fades into
/// the band.
constexpr TimelineColours kNightColours{.layerName = "timeline.hours.night",
                                        .night = Colour::grey(0.12f),
                                        .day = Colour::grey(0.24f),
                                        .scaleTop = Colour::grey(0.3f),
                                        .scaleBottom = Colour::grey(0.2f),
                                        .hourLines = Colour::grey(0.5f),
                                        .morningLabels = colours::kWhite,
                                        .afternoonLabels = colours::kWhite,
                                        .nowLine = colours::kWhite,
                                        .shadedBars = false,
                                        .titleOnBar = colours::kBlack,
                                        .titleOnBackground = colours::kWhite};

/// Sun and twilight bars, or the Moon's: three stops from the bar's top to its bottom.
LinearGradient barGradient(bool moon, double top, double bottom, bool shaded) {
    const Colour colour = moon ? colours::kWhite : colours::kYellow;
    if (!shaded) {
        return {{0, top}, {0, bottom}, {{0.0, colour}, {1.0, colour}}};
    }
    const Colour shade = moon ? Colour::grey(0.75f) : Colour{0.75f, 0.75f, 0};
    return {{0, top},
            {0, bottom},
            {{0.0, colour.withAlpha(0.85f)}, {0.33, colour}, {1.0, shade.withAlpha(0.85f)}}};
}

/// The night, the light band from 6:00 to 18:00, the scale's strip, and the hour lines
/// through the whole view with the quarter-hour ticks within the scale.
draw::Layer hourScale(Size size, const TimelineColours& look) {
    auto layer = std::make_shared<Drawing>(size);
    const double width = size.width;
    const double height = size.height;
    const double below = height - kTimelineScaleHeight;
    layer->fillRect({0, kTimelineScaleHeight, width, below}, look.night);
    layer->fillRect({width / 4, kTimelineScaleHeight, width / 2, below}, look.day);
    layer->fillRect(
        {0, 0, width, kTimelineScaleHeight},
        LinearGradient{
            {0, 0}, {0, kTimelineScaleHeight}, {{0.0, look.scaleTop}, {1.0, look.scaleBottom}}});

    Path lines;
    const double hourWidth = width / kHoursPerDay;
    const double quarter = hourWidth / 4;
    const auto tick = [&lines](double x, double from, double to) {
        lines.moveTo({x, from});
        lines.lineTo({x, to});
    };
    for (int hour = 0; hour < 24; ++hour) {
        const double x = hour * hourWidth;
        tick(x, 0, height);
        tick(x + quarter, kTimelineScaleHeight * 0.75, kTimelineScaleHeight);
        tick(x + 2 * quarter, kTimelineScaleHeight * 0.5, kTimelineScaleHeight);
        tick(x + 3 * quarter, kTimelineScaleHeight * 0.75, kTimelineScaleHeight);
    }
    layer->stroke(std::move(lines), {look.hourLines, kHourLineWidth, LineCap::Square, {}});
    return {LayerKey{look.layerName, 0}, std::move(layer), {}, 0.0, 0.0, false, false};
}

/// The hour labels 3 6 9 12 3 6 9, the morning's blue and the afternoon's purple, centred on
/// their hours in the scale.
void hourLabels(Drawing& drawing, Size size, const TextMetrics& metrics,
                const TimelineColours& look) {
    struct Label {
        int hour;
        const char* text;
        bool afternoon;
    };
    static constexpr Label kLabels[] = {{3, "3", false},  {6, "6", false}, {9, "9", false},
                                        {12, "12", true}, {15, "3", true}, {18, "6", true},
                                        {21, "9", true}};
    const FontMeasures font = metrics.measures(FontRole::Regular);
    const double baseline = kTimelineScaleHeight / 2 - font.capHeight + font.ascent;
    const double hourWidth = size.width / kHoursPerDay;
    for (const Label& label : kLabels) {
        drawing.text(label.text, FontRole::Regular, {label.hour * hourWidth, baseline},
                     TextAlign::Centre,
                     label.afternoon ? look.afternoonLabels : look.morningLabels);
    }
}

/// The bar's outline: one rounded piece from rise to set, or over midnight two pieces, each
/// rounded at its inner end and running out past the view's edge.
Path barOutline(double x, double w, double top, double height, double riseX, double setX) {
    const double r = height / 2;
    const double bottom = top + height;
    Path outline;
    if (riseX <= setX) {
        outline.moveTo({riseX + r, top});
        outline.arcTo({riseX + r, top + r}, r, r, -90, -180);
        outline.lineTo({setX - r, bottom});
        outline.arcTo({setX - r, top + r}, r, r, 90, -180);
        outline.close();
    } else {
        outline.moveTo({x - 2 * r, top});
        outline.lineTo({setX - r, top});
        outline.arcTo({setX - r, top + r}, r, r, -90, 180);
        outline.lineTo({x - 2 * r, bottom});
        outline.close();
        outline.moveTo({riseX + r, bottom});
        outline.lineTo({x + w + 2 * r, bottom});
        outline.lineTo({x + w + 2 * r, top});
        outline.lineTo({riseX + r, top});
        outline.arcTo({riseX + r, top + r}, r, r, -90, -180);
        outline.close();
    }
    return outline;
}

/// One bar in the slice: the transit marker, the rounded bar (in one piece, or in two over
/// midnight, whole when up all day, absent when down all day) and its title.
void bar(Drawing& drawing, const Rect& slice, const TimelineBar& bar, const TextMetrics& metrics,
         const TimelineColours& look) {
    const double x = slice.x;
    const double w = slice.width;
    if (bar.transitFraction && bar.span == TimelineBar::Span::Interval) {
        const double tx = x + w * *bar.transitFraction;
        const double middle = slice.y + slice.height / 2;
        const double e = slice.height / 2 + kTransitOvershoot;
        Path marker;
        marker.moveTo({tx - e, middle});
        marker.lineTo({tx, middle - e});
        marker.lineTo({tx + e, middle});
        marker.close();
        drawing.fill(std::move(marker), bar.moon ? colours::kWhite : colours::kYellow);
    }

    const double top = slice.y + kBarInset;
    const double height = slice.height - 2 * kBarInset;
    const double r = height / 2;
    double riseX = x + w * bar.riseFraction;
    double setX = x + w * bar.setFraction;
    switch (bar.span) {
        case TimelineBar::Span::UpAllDay: {
            riseX = x;
            setX = x + w;
            Path whole;
            whole.addRect({x - 2 * r, top, w + 4 * r, height});
            drawing.fill(std::move(whole),
                         barGradient(bar.moon, top, top + height, look.shadedBars));
            break;
        }
        case TimelineBar::Span::DownAllDay:
        case TimelineBar::Span::Unknown:
            riseX = x;
            setX = x + w;
            break;
        case TimelineBar::Span::Interval:
            drawing.fill(barOutline(x, w, top, height, riseX, setX),
                         barGradient(bar.moon, top, top + height, look.shadedBars));
            break;
    }

    // The title stands on the dark background between two pieces and where there is no
    // bar, on the bar otherwise; it is cut at the sides of a box as wide as the view,
    // centred on the bar.
    const bool onBackground = riseX > setX || bar.span == TimelineBar::Span::DownAllDay;
    const FontMeasures font = metrics.measures(FontRole::Regular);
    const double titleTop = top + r - font.capHeight;
    const double middle = (riseX + setX) / 2;
    Path box;
    box.addRect({middle - w / 2, titleTop, w, font.height()});
    drawing.save();
    drawing.clip(std::move(box));
    drawing.text(bar.title, FontRole::Regular, {middle, titleTop + font.ascent}, TextAlign::Centre,
                 onBackground ? look.titleOnBackground : look.titleOnBar);
    drawing.restore();
}

}  // namespace

Drawing timelineDrawing(const TimelineContent& content, Size size, const TextMetrics& metrics,
                        TimelineLook look) {
    const TimelineColours& colours = look == TimelineLook::Night ? kNightColours : kDayColours;
    Drawing drawing(size);
    drawing.layer(hourScale(size, colours));
    const double nowX = size.width * content.nowFraction;
    drawing.lines({{{nowX, 0}, {nowX, size.height}}},
                  {colours.nowLine, kNowLineWidth, LineCap::Square, {}});
    hourLabels(drawing, size, metrics, colours);

    const double barHeight = std::floor((size.height - kTimelineScaleHeight) / kBarCount);
    if (barHeight > 2 * kBarInset) {
        for (std::size_t index = 0; index < content.bars.size(); ++index) {
            const Rect slice{0, kTimelineScaleHeight + static_cast<double>(index) * barHeight,
                             size.width, barHeight};
            bar(drawing, slice, content.bars[index], metrics, colours);
        }
    }
    return drawing;
}

}  // namespace quenaro
