// The orrery dial: a clock face of the sky. The zodiac ring turns with the local sidereal
// time, the day sky stands above the horizon, and the Sun, the Moon and the planets stand at
// their ecliptic longitudes.

#include "drawing/OrreryDrawing.h"

#include <algorithm>
#include <cstdio>

#include "base/PrintfText.h"
#include "drawing/OrreryContent.h"
#include "drawing/TextLayout.h"
#include "drawing/TextMetrics.h"
#include "model/Ephemeris.h"
#include "resources/PictureNames.h"
#include "time/Degrees.h"

namespace quenaro {

namespace {

constexpr double kBoxCornerRadius = 4.0;
constexpr double kIconPoints = planetPicturePoints;

/// The picture centred on the point, at its size in points.
void pictureCentred(Drawing& drawing, std::string_view name, Point centre, double side) {
    drawing.picture(std::string(name), {centre.x - side / 2, centre.y - side / 2, side, side});
}

/// The layer that stays the same while the dial turns: the view's area cleared, the dark disc
/// inscribed in it and the ring, a radial gradient between 0.8 R and R, its inner edge dark
/// and its outer edge bright while it is held.
draw::Layer discAndRing(Size size, bool held) {
    auto layer = std::make_shared<Drawing>(size);
    Path disc;
    disc.addEllipse({size.width / 2, size.height / 2}, size.width / 2, size.height / 2);
    layer->fill(std::move(disc), colours::kDarkGrey);

    const DialLayout dial = DialLayout::forWidth(size.width);
    const Colour white40 = colours::kWhite.withAlpha(0.4f);
    const Colour white65 = colours::kWhite.withAlpha(0.65f);
    const Colour grey50 = Colour::grey(0.25f, 0.5f);
    RadialGradient gradient{dial.centre,
                            dial.radius,
                            dial.centre,
                            DialLayout::kRingInner * dial.radius,
                            {{0.0, held ? grey50 : white40},
                             {0.25, held ? white40 : white65},
                             {1.0, held ? white65 : grey50}}};
    Path ring(FillRule::EvenOdd);
    ring.addCircle(dial.centre, dial.radius);
    ring.addCircle(dial.centre, DialLayout::kRingInner * dial.radius);
    layer->fill(std::move(ring), std::move(gradient));
    return {LayerKey{"orrery.ring", held ? 1U : 0U}, std::move(layer), {}, 0.0, 0.0, false, true};
}

/// The inner end of the tick at whole degree i, as a fraction of R: longest at the sign
/// boundaries, then every 10, then every 5 degrees.
double tickInner(int degree) {
    if (degree % 30 == 0) {
        return DialLayout::kRingInner;
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
void ticksAndSigns(Drawing& drawing, const DialLayout& dial, float turn) {
    std::vector<Line> ticks;
    ticks.reserve(360);
    for (int degree = 0; degree < 360; ++degree) {
        const float angle = static_cast<float>(degree) + turn;
        ticks.push_back({dial.at(angle, tickInner(degree)), dial.at(angle, 1.0)});
    }
    // Butt ends: each tick runs exactly from its inner radius to the rim.
    drawing.lines(std::move(ticks), {colours::kDarkGrey, 1.0, LineCap::Butt, {}});

    for (std::size_t sign = 0; sign < zodiacNames.size(); ++sign) {
        const float middle = 15.0f + 30.0f * static_cast<float>(sign) + turn;
        pictureCentred(drawing, zodiacNames[sign], dial.at(middle, DialLayout::kSignCircle),
                       zodiacPicturePoints);
    }
}

/// The canvas angle (clockwise from the x axis) of a dial angle.
double canvasAngle(double dialAngle) {
    return 90.0 - dialAngle;
}

/// The sky above the horizon: bounded by a curve through the centre between the sunrise and
/// sunset points on the rim and the rim over the top; on a day without sunrise or sunset the
/// whole dial while the Sun is up and nothing while it is down. Tinted by the Sun's altitude.
/// Then E and W, which do not turn.
void horizon(Drawing& drawing, const DialLayout& dial, float orientation,
             const OrreryContent& content, const TextMetrics& metrics) {
    const double radius = dial.radius;
    Path sky;
    if (content.horizon) {
        const double sunrise = content.horizon->sunrise + orientation;
        const double sunset = content.horizon->sunset + orientation;
        sky.moveTo(dial.at(sunrise, 1.0));
        sky.quadTo(dial.centre, dial.at(sunset, 1.0));
        // From the sunset point counterclockwise on screen, over the top, to the sunrise point.
        sky.arcTo(dial.centre, radius, radius, canvasAngle(sunset), -mod360(sunrise - sunset));
        sky.close();
    } else if (content.sunAboveHorizon) {
        sky.addCircle(dial.centre, radius);
    }
    if (!sky.empty()) {
        const double altitude = content.sunAltitude;
        const double height = altitude / 90.0;
        const double bottomGrey = altitude > 0 ? 0.75 * height : 0.0;
        LinearGradient tint{{dial.centre.x, dial.centre.y + radius},
                            {dial.centre.x, dial.centre.y - radius},
                            {{0.0, clampedColour(bottomGrey, bottomGrey, 0.5 * height + 0.5, 0.3)},
                             {1.0, clampedColour(0, 0, 0.75 * height + 0.25, 0.65)}}};
        drawing.fill(std::move(sky), std::move(tint));
    }

    const FontMeasures bold = metrics.measures(FontRole::Bold);
    const double baseline = dial.centre.y - bold.height() / 2 + bold.ascent;
    const double x = DialLayout::kLabelDistance * radius;
    drawing.text("E", FontRole::Bold, {dial.centre.x - x, baseline}, TextAlign::Centre,
                 colours::kGrey);
    drawing.text("W", FontRole::Bold, {dial.centre.x + x, baseline}, TextAlign::Centre,
                 colours::kGrey);
}

/// A disc of radius `discRadius` about the centre filled with a radial gradient.
void fillDisc(Drawing& drawing, Point centre, double discRadius, std::vector<GradientStop> stops) {
    Path disc;
    disc.addCircle(centre, discRadius);
    drawing.fill(std::move(disc),
                 RadialGradient{centre, discRadius, centre, 0.0, std::move(stops)});
}

void sun(Drawing& drawing, const DialLayout& dial, float angle, bool held) {
    const Point centre = dial.at(angle, DialLayout::kRingInner);
    const double radius = DialLayout::kDiscRadius * dial.radius;
    if (held) {
        fillDisc(drawing, centre, radius,
                 {{0.0, colours::kWhite},
                  {0.25, colours::kYellow},
                  {1.0, colours::kYellow.withAlpha(0)}});
    } else {
        fillDisc(drawing, centre, radius,
                 {{0.0, colours::kYellow},
                  {0.7, colours::kYellow},
                  {1.0, colours::kWhite.withAlpha(0)}});
    }
}

/// The Moon's white disc and its shadow: dark on the left of the terminator while waxing, on
/// the right while waning, the whole disc at phase 0.
void moon(Drawing& drawing, const DialLayout& dial, float angle, float phase, bool waxing) {
    const double w = DialLayout::kDiscRadius * dial.radius;
    const Point c = dial.at(angle, DialLayout::kMoonCircle);
    fillDisc(drawing, c, w,
             {{0.0, colours::kWhite}, {0.9, colours::kWhite}, {1.0, colours::kTransparent}});

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
    const auto at = [c](double x, double y) { return Point{c.x + x, c.y + y}; };
    Path shadow;
    shadow.moveTo(at(0, w));
    shadow.quadTo(at(0.9 * left, 0.9 * w), at(left, 0));
    shadow.quadTo(at(0.9 * left, -0.9 * w), at(0, -w));
    shadow.quadTo(at(0.9 * right, -0.9 * w), at(right, 0));
    shadow.quadTo(at(0.9 * right, 0.9 * w), at(0, w));
    shadow.close();
    drawing.fill(std::move(shadow), colours::kBlack.withAlpha(0.75f));
}

/// The date, and for Audience 0 the Julian date, centred under the dial's centre.
void centreText(Drawing& drawing, const OrreryContent& content, int audience, Size size,
                const TextMetrics& metrics) {
    const std::string text =
        audience == 0
            ? printfText("%s\nJulian: %12.5f", content.dateText.c_str(), content.julianDate)
            : content.dateText;
    const FontMeasures regular = metrics.measures(FontRole::Regular);
    double baseline = size.width / 2 - regular.capHeight + regular.ascent;
    for (const std::string& line : wrappedLines(text, FontRole::Regular, size.width, metrics)) {
        drawing.text(line, FontRole::Regular, {size.width / 2, baseline}, TextAlign::Centre,
                     colours::kWhite);
        baseline += regular.lineSpacing;
    }
}

/// The box of the planetary hour in the view's top-left corner: the hour ruler on the left,
/// the day ruler on the right, on a light background by day and a dark one by night.
void planetaryBox(Drawing& drawing, const PlanetaryHour& hour) {
    const Rect box{0, 0, kPlanetaryBoxWidth, kPlanetaryBoxHeight};
    const bool day = hour.daytime;
    LinearGradient background{{0, box.y},
                              {0, box.bottom()},
                              {{0.0, Colour::grey(day ? 0.75f : 0.25f)},
                               {0.33, Colour::grey(day ? 1.0f : 0.5f)},
                               {1.0, Colour::grey(day ? 0.5f : 0.0f)}}};
    Path outline;
    outline.addRoundedRect(box, kBoxCornerRadius);
    drawing.fill(std::move(outline), std::move(background));

    const double margin = (box.width - 2 * kIconPoints) / 3;
    const double top = box.y + box.height / 2 - kIconPoints / 2;
    if (hour.hourRuler) {
        drawing.picture(std::string(planetNames[static_cast<std::size_t>(*hour.hourRuler)]),
                        {box.x + margin, top, kIconPoints, kIconPoints});
    }
    drawing.picture(std::string(planetNames[static_cast<std::size_t>(hour.dayRuler)]),
                    {box.right() - margin - kIconPoints, top, kIconPoints, kIconPoints});
}

}  // namespace

Drawing orreryDrawing(const OrreryContent& content, const OrreryOptions& options, Size size,
                      const TextMetrics& metrics) {
    Drawing drawing(size);
    const DialLayout dial = DialLayout::forWidth(size.width);
    const float orientation = options.orientationDegrees;

    drawing.layer(discAndRing(size, options.held == OrreryHold::Ring));
    ticksAndSigns(drawing, dial, content.rotation + orientation);
    horizon(drawing, dial, orientation, content, metrics);
    sun(drawing, dial, content.sunAngle + orientation, options.held == OrreryHold::Sun);
    moon(drawing, dial, content.moonAngle + orientation, content.moonPhase, content.moonWaxing);
    for (std::size_t index = 0; index < content.planetAngles.size(); ++index) {
        pictureCentred(
            drawing, planetNames[static_cast<std::size_t>(kNakedEyePlanets[index])],
            dial.at(content.planetAngles[index] + orientation, DialLayout::kPlanetCircle),
            planetPicturePoints);
    }
    centreText(drawing, content, options.audience, size, metrics);
    if (options.audience == 1 && content.planetaryHour) {
        planetaryBox(drawing, *content.planetaryHour);
    }
    return drawing;
}

}  // namespace quenaro
