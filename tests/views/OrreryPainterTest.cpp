// The orrery dial as drawn: the Sun against the sidereal time, the Moon's shadow, the sky on
// days with and without sunrise, the ticks, E and W, the centre text and the planetary box by
// Audience, and the ring kept as a picture drawing what the direct drawing draws. Checked on
// pixels of rendered images (colours, with a margin for antialiasing) and on recorded calls.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <map>

#include "PaintRecorder.h"
#include "drawing/DialLayout.h"
#include "drawing/OrreryContent.h"
#include "model/Ephemeris.h"
#include "resources/PictureNames.h"
#include "resources/Pictures.h"
#include "time/TimeZone.h"
#include "views/OrreryPainter.h"

namespace quenaro {
namespace {

using testing::PaintCall;
using testing::PaintRecorder;

constexpr double kSide = 320.0;  // R = 160
constexpr double kRadius = kSide / 2;
constexpr double kScale = 2.0;

/// Content with everything placed out of the way of the checks: the Sun at the top, the Moon
/// at the bottom (new), no sky (the Sun well down), the planets together over Cancer.
OrreryContent quietContent() {
    OrreryContent content;
    content.rotation = 0.0f;
    content.sunAngle = 180.0f;
    content.sunAltitude = -30.0f;
    content.moonAngle = 0.0f;
    content.moonPhase = 0.0f;
    content.planetAngles = {105.0f, 105.0f, 105.0f, 105.0f, 105.0f};  // over Cancer
    content.dateText = "Dec 7, 2026, 9:08 PM";
    content.julianDate = 2461382.33889;
    return content;
}

QImage render(const OrreryContent& content, const OrreryOptions& options = {}) {
    QImage image(static_cast<int>(kSide * kScale), static_cast<int>(kSide * kScale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kScale);
    image.fill(Qt::black);
    QPainter painter(&image);
    paintOrrery(content, options, QSizeF(kSide, kSide), painter);
    return image;
}

/// The colour at a point given in points from the dial's centre.
QColor colourAt(const QImage& image, QPointF fromCentre) {
    const QPointF point = (fromCentre + QPointF(kRadius, kRadius)) * kScale;
    return image.pixelColor(static_cast<int>(point.x()), static_cast<int>(point.y()));
}

bool isYellow(const QColor& colour) {
    return colour.red() > 220 && colour.green() > 220 && colour.blue() < 80;
}
bool isDarkGrey(const QColor& colour) {  // the disc, 1/3 grey
    return std::abs(colour.red() - 85) <= 2 && std::abs(colour.blue() - 85) <= 2;
}

/// A model whose LAST equals the Sun's longitude (to within 0.01 degree): 2026-03-14 in
/// Berlin, found by bisection of LAST - longitude over the morning.
Ephemeris sunOnTheMeridian() {
    const TimeZone berlin = TimeZone::named("Europe/Berlin");
    TimeZone::setDefaultZone(berlin);
    const EphemerisDate day = EphemerisDate::dateWithYear(2026, 3, 14, 6, 0, 0, berlin);
    const auto offset = [&day](double seconds) {
        const Ephemeris model(day.addTimeInterval(seconds), 52.5, 13.4);
        Coordinate sun;
        model.sunCoordinate(sun);
        return std::remainder(model.localApparentSiderealTime() - sun.longitude, 360.0);
    };
    double low = 0.0;           // 6:00, before the Sun's transit: LAST < longitude
    double high = 12 * 3600.0;  // 18:00, after it
    EXPECT_LT(offset(low), 0.0);
    EXPECT_GT(offset(high), 0.0);
    while (high - low > 1.0) {
        const double middle = (low + high) / 2;
        (offset(middle) < 0.0 ? low : high) = middle;
    }
    return Ephemeris(day.addTimeInterval(low), 52.5, 13.4);
}

QImage renderModel(const Ephemeris& model) {
    QImage image(static_cast<int>(kSide * kScale), static_cast<int>(kSide * kScale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kScale);
    QPainter painter(&image);
    drawOrrery(model, {}, QSizeF(kSide, kSide), painter);
    return image;
}

TEST(OrreryPainter, SunStandsAtTheTopWhenLastEqualsItsLongitudeAndOnTheRightSixHoursLater) {
    const Ephemeris noon = sunOnTheMeridian();
    Coordinate sun;
    noon.sunCoordinate(sun);
    EXPECT_NEAR(std::remainder(noon.localApparentSiderealTime() - sun.longitude, 360.0), 0.0, 0.01);
    const QImage atNoon = renderModel(noon);
    EXPECT_TRUE(isYellow(colourAt(atNoon, {0, -0.8 * kRadius})));  // the top, 128 points up
    EXPECT_FALSE(isYellow(colourAt(atNoon, {0.8 * kRadius, 0})));

    // Six hours later LAST has grown by about 90.25 degrees, the longitude by 0.25: the Sun
    // stands at dial angle 90, on the right (within a fraction of a degree).
    const Ephemeris evening = noon.copyForDate(noon.date().addTimeInterval(6 * 3600.0));
    const QImage atEvening = renderModel(evening);
    EXPECT_TRUE(isYellow(colourAt(atEvening, {0.8 * kRadius, 0})));
    EXPECT_FALSE(isYellow(colourAt(atEvening, {0, -0.8 * kRadius})));
}

TEST(OrreryPainter, MoonShadowFollowsPhaseAndWaxing) {
    struct Row {
        const char* name;
        float phase;
        bool waxing;
        bool leftDark;
        bool rightDark;
    };
    const Row rows[] = {
        {"half, waxing: dark on the left", 0.5f, true, true, false},
        {"half, waning: dark on the right", 0.5f, false, false, true},
        {"new: dark all over", 0.0f, true, true, true},
        {"gibbous, waxing: the shadow at the left edge only", 0.9f, true, false, false},
        {"full (1 is full, not new)", 1.0f, false, false, false},
    };
    const QPointF moon(0, 0.5 * kRadius);  // dial angle 0: straight down, 80 points
    const QPointF half(7, 0);              // half way to the disc's edge (13.6 points)
    for (const Row& row : rows) {
        OrreryContent content = quietContent();
        content.moonPhase = row.phase;
        content.moonWaxing = row.waxing;
        const QImage image = render(content);
        const auto dark = [](const QColor& colour) { return colour.lightness() < 120; };
        EXPECT_EQ(dark(colourAt(image, moon - half)), row.leftDark) << row.name;
        EXPECT_EQ(dark(colourAt(image, moon + half)), row.rightDark) << row.name;
        EXPECT_GT(colourAt(image, moon - half).lightness(), 40) << row.name;  // a shadow, not black
    }
}

TEST(OrreryPainter, SkyStandsAboveTheHorizonAndFillsTheDialOnlyOnAPolarDay) {
    struct Row {
        const char* name;
        std::optional<OrreryContent::Horizon> horizon;
        float altitude;
        bool sunUp;  // above the altitude of its rising
        bool topTinted;
        bool bottomTinted;
    };
    // Sunrise due east (dial angle -90, on the left), sunset due west (-270, on the right).
    const OrreryContent::Horizon eastWest{-90.0f, -270.0f};
    const Row rows[] = {
        {"sunrise and sunset, day", eastWest, 30.0f, true, true, false},
        {"sunrise and sunset, night", eastWest, -18.0f, false, true, false},
        {"polar day", std::nullopt, 5.0f, true, true, true},
        {"polar night", std::nullopt, -5.0f, false, false, false},
        {"no sunrise, the Sun just above its horizon", std::nullopt, -0.5f, true, true, true},
    };
    for (const Row& row : rows) {
        OrreryContent content = quietContent();
        content.horizon = row.horizon;
        content.sunAltitude = row.altitude;
        content.sunAboveHorizon = row.sunUp;
        const QImage image = render(content);
        // Beside the vertical axis, clear of the Sun, the Moon and the text.
        const QColor top = colourAt(image, {-40, -100});
        const QColor bottom = colourAt(image, {-40, 110});
        EXPECT_EQ(!isDarkGrey(top), row.topTinted) << row.name << " " << top.name().toStdString();
        EXPECT_EQ(!isDarkGrey(bottom), row.bottomTinted)
            << row.name << " " << bottom.name().toStdString();
    }
    // The tint by altitude: at 30 degrees the sky's top is (0, 0, 0.5) at alpha 0.65 over the
    // grey disc: blue well above red.
    OrreryContent day = quietContent();
    day.horizon = eastWest;
    day.sunAltitude = 30.0f;
    const QColor top = colourAt(render(day), {0, -0.7 * kRadius});
    EXPECT_GT(top.blue(), top.red() + 60);
}

TEST(OrreryPainter, TicksAreLongestAtSignBoundariesAndDarkGrey) {
    PaintRecorder recorder({kSide, kSide});
    QPainter painter(&recorder);
    paintOrrery(quietContent(), {}, {kSide, kSide}, painter);
    painter.end();
    std::vector<QLineF> ticks;
    for (const PaintCall& call : recorder.callsOf(PaintCall::Kind::Lines)) {
        EXPECT_EQ(call.penColour, QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3));
        EXPECT_DOUBLE_EQ(call.penWidth, 1.0);
        ticks.insert(ticks.end(), call.lines.begin(), call.lines.end());
    }
    ASSERT_EQ(ticks.size(), 360u);
    std::map<long, int> lengths;  // tenths of a point -> count
    for (const QLineF& tick : ticks) {
        ++lengths[std::lround(tick.length() * 10)];
        EXPECT_NEAR(QLineF(QPointF(kRadius, kRadius), tick.p2()).length(), kRadius, 1e-3);
    }
    EXPECT_EQ(lengths, (std::map<long, int>{{16, 288}, {40, 36}, {80, 24}, {320, 12}}));
    // Rotation 0: the tick of 0 degrees (the start of Aries) points straight down.
    EXPECT_NEAR(ticks[0].p1().x(), kRadius, 1e-3);
    EXPECT_NEAR(ticks[0].p1().y(), kRadius + 0.8 * kRadius, 1e-3);
}

TEST(OrreryPainter, EastAndWestStayPutWhileOrientationTurnsTheRest) {
    OrreryOptions turned;
    turned.orientationDegrees = 90.0f;
    const QImage image = render(quietContent(), turned);
    EXPECT_TRUE(
        isYellow(colourAt(image, {-0.8 * kRadius, 0})));  // the Sun from the top to the left
    EXPECT_FALSE(isYellow(colourAt(image, {0, -0.8 * kRadius})));

    PaintRecorder recorder({kSide, kSide});
    QPainter painter(&recorder);
    paintOrrery(quietContent(), turned, {kSide, kSide}, painter);
    painter.end();
    const std::vector<PaintCall> east = recorder.texts(QStringLiteral("E"));
    const std::vector<PaintCall> west = recorder.texts(QStringLiteral("W"));
    ASSERT_EQ(east.size(), 1u);
    ASSERT_EQ(west.size(), 1u);
    EXPECT_NEAR(east[0].bounds.center().x(), kRadius - 0.7 * kRadius, 0.5);
    EXPECT_NEAR(west[0].bounds.center().x(), kRadius + 0.7 * kRadius, 0.5);
    EXPECT_EQ(east[0].penColour, QColor::fromRgbF(0.5f, 0.5f, 0.5f));
}

/// The images drawn inside the planetary box's rectangle.
std::vector<PaintCall> boxImages(const PaintRecorder& recorder) {
    std::vector<PaintCall> found;
    for (const PaintCall& call : recorder.callsOf(PaintCall::Kind::Image)) {
        if (QRectF(0, 0, kPlanetaryBoxWidth, kPlanetaryBoxHeight).contains(call.bounds)) {
            found.push_back(call);
        }
    }
    return found;
}

TEST(OrreryPainter, AudienceChoosesTheJulianDateOrThePlanetaryBox) {
    OrreryContent content = quietContent();
    PlanetaryHour hour;
    hour.daytime = true;
    hour.dayRuler = Ephemeris::Sun;
    hour.hour = 1;
    hour.hourRuler = Ephemeris::Venus;
    content.planetaryHour = hour;
    const qint64 sun = imageNamed(planetNames[Ephemeris::Sun], 1.0).cacheKey();
    const qint64 venus = imageNamed(planetNames[Ephemeris::Venus], 1.0).cacheKey();

    struct Row {
        int audience;
        bool julian;
        bool box;
    };
    for (const Row& row :
         {Row{0, true, false}, Row{1, false, true}, Row{2, false, false}, Row{-1, false, false}}) {
        PaintRecorder recorder({kSide, kSide});
        QPainter painter(&recorder);
        OrreryOptions options;
        options.audience = row.audience;
        paintOrrery(content, options, {kSide, kSide}, painter);
        painter.end();
        EXPECT_EQ(recorder.texts(QStringLiteral("Dec 7, 2026, 9:08 PM")).size(), 1u)
            << row.audience;
        EXPECT_EQ(recorder.texts(QStringLiteral("Julian: 2461382.33889")).size(),
                  row.julian ? 1u : 0u)
            << row.audience;
        const std::vector<PaintCall> images = boxImages(recorder);
        if (!row.box) {
            EXPECT_TRUE(images.empty()) << row.audience;
            continue;
        }
        // The hour ruler at (4, 4), the day ruler at (24, 4), 16-point icons.
        ASSERT_EQ(images.size(), 2u);
        EXPECT_EQ(images[0].bounds, QRectF(4, 4, 16, 16));
        EXPECT_EQ(images[0].imageKey, venus);
        EXPECT_EQ(images[1].bounds, QRectF(24, 4, 16, 16));
        EXPECT_EQ(images[1].imageKey, sun);
    }
}

TEST(OrreryPainter, BoxWithoutAnHourShowsTheDayRulerOnly) {
    OrreryContent content = quietContent();
    PlanetaryHour polar;
    polar.daytime = true;
    polar.dayRuler = Ephemeris::Moon;
    content.planetaryHour = polar;
    PaintRecorder recorder({kSide, kSide});
    QPainter painter(&recorder);
    OrreryOptions options;
    options.audience = 1;
    paintOrrery(content, options, {kSide, kSide}, painter);
    painter.end();
    const std::vector<PaintCall> images = boxImages(recorder);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].bounds, QRectF(24, 4, 16, 16));
    EXPECT_EQ(images[0].imageKey, imageNamed(planetNames[Ephemeris::Moon], 1.0).cacheKey());
}

TEST(OrreryPainter, KeptRingPictureDrawsWhatTheDirectDrawingDraws) {
    for (const OrreryHold held : {OrreryHold::None, OrreryHold::Ring}) {
        OrreryOptions options;
        options.held = held;
        const QImage kept = render(quietContent(), options);
        // A turn of a billionth of a radian leaves every pixel where it was but stops the
        // painter from drawing pixel on pixel, so the ring is drawn directly.
        QImage direct(kept.size(), QImage::Format_ARGB32_Premultiplied);
        direct.setDevicePixelRatio(kScale);
        direct.fill(Qt::black);
        {
            QPainter painter(&direct);
            painter.setTransform(QTransform(1, 1e-9, -1e-9, 1, 0, 0));
            paintOrrery(quietContent(), options, QSizeF(kSide, kSide), painter);
        }
        // Compare the ring's band between the ticks and clear of the sign pictures (which
        // stand 4 degrees either side of each sign's middle).
        int compared = 0;
        for (int sign = 0; sign < 12; ++sign) {
            for (const double within : {2.5, 7.5, 22.5, 27.5}) {
                for (const double fraction : {0.81, 0.84, 0.9, 0.96, 0.98}) {
                    const QPointF point =
                        qtPoint(dialPoint(30 * sign + within, fraction * kRadius));
                    const QColor a = colourAt(kept, point);
                    const QColor b = colourAt(direct, point);
                    EXPECT_LE(std::abs(a.red() - b.red()), 2)
                        << sign << " " << within << " " << fraction;
                    ++compared;
                }
            }
        }
        EXPECT_EQ(compared, 12 * 4 * 5);
    }
    // Held, the inner edge turns dark and the outer edge bright.
    OrreryOptions held;
    held.held = OrreryHold::Ring;
    const QImage normal = render(quietContent());
    const QImage holding = render(quietContent(), held);
    const QPointF inner = qtPoint(dialPoint(2.5, 0.81 * kRadius));
    const QPointF outer = qtPoint(dialPoint(2.5, 0.975 * kRadius));
    EXPECT_GT(colourAt(normal, inner).lightness(), colourAt(holding, inner).lightness() + 40);
    EXPECT_LT(colourAt(normal, outer).lightness(), colourAt(holding, outer).lightness() - 40);
}

}  // namespace
}  // namespace quenaro
