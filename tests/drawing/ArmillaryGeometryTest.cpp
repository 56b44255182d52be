// The star chart's geometry without a painter: the projection and its horizon, the chords of
// the grids and the constellation figures, the stars' limit and disc sizes, the ecliptic's
// chords, and the compass labels.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "drawing/ArmillaryGeometry.h"
#include "drawing/ArmillaryProjection.h"
#include "drawing/CompassLabels.h"
#include "model/Coordinate.h"
#include "model/Ephemeris.h"
#include "support/BerlinEvening.h"
#include "time/TimeZone.h"

namespace quenaro {
namespace {

constexpr double kRadius = 160.0;

using testing::berlinEvening;

TEST(ArmillaryProjection, ZenithAtTheCentreHorizonAtTheRimSouthDownWestRight) {
    struct Row {
        const char* name;
        double altitude;
        double azimuth;  // from the south towards the west
        Point expected;
    };
    const Row rows[] = {
        {"zenith", 90, 123, {0, 0}},
        {"south horizon", 0, 0, {0, kRadius}},
        {"west horizon", 0, 90, {kRadius, 0}},
        {"north horizon", 0, 180, {0, -kRadius}},
        {"east at 45 degrees", 45, 270, {-kRadius / 2, 0}},
        {"south 30 below", -30, 0, {0, kRadius * 120 / 90}},
    };
    for (const Row& row : rows) {
        const Point point = projectAltAz(row.altitude, row.azimuth, kRadius);
        EXPECT_NEAR(point.x, row.expected.x, 1e-9) << row.name;
        EXPECT_NEAR(point.y, row.expected.y, 1e-9) << row.name;
    }
}

TEST(ArmillaryProjection, VisibleOnlyAboveTheHorizonAndNeverWhenNotFinite) {
    struct Row {
        double altitude;
        double azimuth;
        bool visible;
    };
    const Row rows[] = {{0.0, 10, false}, {1e-12, 10, true}, {-1e-12, 10, false},
                        {89.9, 0, true},  {NAN, 10, false},  {45, INFINITY, false}};
    for (const Row& row : rows) {
        Coordinate horizontal;
        horizontal.altitude = row.altitude;
        horizontal.azimuth = row.azimuth;
        EXPECT_EQ(projectHorizontal(horizontal, kRadius).visible, row.visible)
            << row.altitude << " " << row.azimuth;
    }
}

TEST(ArmillaryProjection, ChartFrameInBothScales) {
    const ChartFrame whole = chartFrame(Size{320, 480}, false);
    EXPECT_EQ(whole.centre, (Point{160, 240}));
    EXPECT_EQ(whole.radius, 160.0);  // the width alone sets it
    const ChartFrame enlarged = chartFrame(Size{320, 480}, true);
    EXPECT_EQ(enlarged.centre, (Point{160, 16}));
    EXPECT_EQ(enlarged.radius, 464.0);
    EXPECT_EQ(chartFrame(Size{320, 10}, true).radius, 0.0);  // too low to show a sky
}

TEST(ArmillaryGeometry, ChordsNeedOneEndAboveTheHorizonAndConstellationsShortenByDxPlusDy) {
    struct Row {
        const char* name;
        ChartPoint from;
        ChartPoint to;
        bool drawn;
        Line constellation;  // as drawn when `drawn`
    };
    const Row rows[] = {
        {"both below", {{0, 0}, false}, {{10, 0}, false}, false, {}},
        {"rightwards: shortened", {{0, 0}, true}, {{10, 0}, false}, true, {{1, 0}, {9, 0}}},
        {"downwards: shortened", {{0, 0}, false}, {{0, 10}, true}, true, {{0, 1}, {0, 9}}},
        {"down and right", {{0, 0}, true}, {{3, 4}, true}, true, {{0.6, 0.8}, {2.4, 3.2}}},
        {"leftwards: full length", {{10, 0}, true}, {{0, 0}, true}, true, {{10, 0}, {0, 0}}},
        {"up and left: full length", {{5, 5}, true}, {{0, 0}, true}, true, {{5, 5}, {0, 0}}},
        {"dx + dy = 0: full length", {{0, 0}, true}, {{4, -4}, true}, true, {{0, 0}, {4, -4}}},
        {"right and a little up",
         {{0, 0}, true},
         {{4, -3}, true},
         true,
         {{0.8, -0.6}, {3.2, -2.4}}},
        {"one end not finite", {{0, 0}, true}, {{NAN, 0}, false}, false, {}},
    };
    for (const Row& row : rows) {
        const std::optional<Line> grid = horizonChord(row.from, row.to);
        const std::optional<Line> figure = constellationChord(row.from, row.to);
        ASSERT_EQ(grid.has_value(), row.drawn) << row.name;
        ASSERT_EQ(figure.has_value(), row.drawn) << row.name;
        if (row.drawn) {
            EXPECT_EQ(*grid, (Line{row.from.point, row.to.point})) << row.name;
            EXPECT_NEAR(figure->from.x, row.constellation.from.x, 1e-12) << row.name;
            EXPECT_NEAR(figure->from.y, row.constellation.from.y, 1e-12) << row.name;
            EXPECT_NEAR(figure->to.x, row.constellation.to.x, 1e-12) << row.name;
            EXPECT_NEAR(figure->to.y, row.constellation.to.y, 1e-12) << row.name;
        }
    }
}

TEST(ArmillaryGeometry, StarDiscsGrowWithBrightness) {
    EXPECT_NEAR(starDiscDiameter(4.5f), 0.8203, 0.0005);
    EXPECT_NEAR(starDiscDiameter(-1.46f), 1.6111, 0.0005);
    EXPECT_NEAR(starDiscDiameter(6.5f), 0.7801, 0.0005);
    // Nothing in the sky is brighter than -1.5 as a star; a catalogue that says so is not
    // allowed to make a disc of infinite or imaginary size.
    for (const float magnitude : {-1.5f, -2.0f, -2.5f, -30.0f}) {
        EXPECT_NEAR(starDiscDiameter(magnitude), 1.6547, 0.0005) << magnitude;
    }
}

TEST(ArmillaryGeometry, StarAtTheLimitIsDrawnAFainterOneAndOnesBelowTheHorizonAreNot) {
    const Ephemeris model = berlinEvening();
    // Near the zenith: right ascension at the local sidereal time, declination at the latitude.
    const float zenithHours = static_cast<float>(model.localApparentSiderealTime() / 15.0);
    const std::vector<CatalogStar> stars = {
        {zenithHours, 52.5f, 4.5f},
        {zenithHours + 0.5f, 52.5f, std::nextafter(4.5f, 5.0f)},
        {zenithHours + 12.0f, -52.5f, -1.0f},  // the nadir
        {zenithHours - 1.0f, 40.0f, -1.46f},
    };
    ArmillarySettings settings;
    settings.showMinMagnitude = 4.5f;
    const ArmillaryGeometry geometry = buildArmillaryGeometry(model, settings, kRadius, stars, {});
    ASSERT_EQ(geometry.stars.size(), 2u);
    EXPECT_LT(distance({0, 0}, geometry.stars[0].centre), 1.0);
    EXPECT_NEAR(geometry.stars[0].diameter, starDiscDiameter(4.5f), 1e-12);
    EXPECT_NEAR(geometry.stars[1].diameter, starDiscDiameter(-1.46f), 1e-12);
    // A limit brighter than every star, or not a number, draws none.
    for (const float limit : {-5.0f, NAN}) {
        settings.showMinMagnitude = limit;
        EXPECT_TRUE(buildArmillaryGeometry(model, settings, kRadius, stars, {}).stars.empty());
    }
}

TEST(ArmillaryGeometry, LayersTheSettingsLeaveOutAreEmpty) {
    const Ephemeris model = berlinEvening();
    const std::vector<ConstellationPolyline> figures = {{{5.5f, 7.4f}, {5.9f, 7.4f}}};
    ArmillarySettings settings;
    settings.showCircles = true;
    const ArmillaryGeometry all = buildArmillaryGeometry(model, settings, kRadius, {}, figures);
    EXPECT_EQ(all.altAzCardinalSpokes.size(), 4u);
    EXPECT_EQ(all.altAzSpokes.size(), 32u);
    EXPECT_EQ(all.altAzRingRadii.size(), 8u);
    EXPECT_FALSE(all.circles.empty());
    EXPECT_FALSE(all.ecliptic.empty());
    EXPECT_FALSE(all.raDec.empty());
    EXPECT_EQ(all.constellations.size(), 1u);  // Orion's shoulders stand high on a winter night

    settings = {false, false, false, false, 4.5f, false};
    const ArmillaryGeometry none = buildArmillaryGeometry(model, settings, kRadius, {}, figures);
    EXPECT_TRUE(none.altAzCardinalSpokes.empty() && none.altAzSpokes.empty() &&
                none.altAzRingRadii.empty() && none.circles.empty() && none.ecliptic.empty() &&
                none.raDec.empty() && none.constellations.empty());
}

/// The distance from the zenith to the nearest point of the chord, points.
double distanceFromZenith(const Line& chord) {
    const Point along = chord.to - chord.from;
    const double squared = dot(along, along);
    const double t = squared > 0 ? std::clamp(-dot(chord.from, along) / squared, 0.0, 1.0) : 0;
    return distance({0, 0}, chord.from + along * t);
}

/// Every ecliptic chord on the chart follows the ecliptic: its middle lies near the
/// projection of the ecliptic halfway between its ends. In the tropics the ecliptic passes
/// near the nadir twice a day; a chord between two points on either side of the nadir, both
/// below the horizon, would run straight across the sky's disc.
TEST(ArmillaryGeometry, EclipticChordsFollowTheEclipticEvenWhenItPassesTheNadir) {
    Ephemeris model(EphemerisDate::dateWithYear(2026, 3, 20, 0, 0, 0, TimeZone::gmt()), 10.0, 0.0);
    const double start = model.date().timeIntervalSinceReferenceDate();
    double worstMiss = 0.0;
    for (int step = 0; step < 144; ++step) {
        model.setDate(EphemerisDate(start + step * 600.0, TimeZone::gmt()));
        const ArmillaryGeometry geometry =
            buildArmillaryGeometry(model, ArmillarySettings(), kRadius, {}, {});
        std::vector<ChartPoint> points;
        for (int degrees = 0; degrees < 360; degrees += 10) {
            points.push_back(projectEcliptic(model, 0.0f, static_cast<float>(degrees), kRadius));
        }
        for (const Line& chord : geometry.ecliptic) {
            if (distanceFromZenith(chord) >= kRadius) {
                continue;  // wholly outside the disc: never seen
            }
            for (std::size_t index = 0; index < points.size(); ++index) {
                if (points[index].point != chord.from) {
                    continue;
                }
                const ChartPoint middle =
                    projectEcliptic(model, 0.0f, 10.0f * static_cast<float>(index) + 5.0f, kRadius);
                worstMiss =
                    std::max(worstMiss, distance((chord.from + chord.to) * 0.5, middle.point));
            }
        }
    }
    EXPECT_LT(worstMiss, 4.0);
}

TEST(CompassLabels, WholeCircleEveryFortyFiveDegreesEnlargedEveryFiveAroundTheBottom) {
    const std::vector<CompassLabel> whole = compassLabels(0.7, true);
    ASSERT_EQ(whole.size(), 8u);
    const char* points[] = {"S", "SE", "E", "NE", "N", "NW", "W", "SW"};
    for (std::size_t index = 0; index < whole.size(); ++index) {
        EXPECT_EQ(whole[index].angleDegrees, static_cast<int>(45 * index));
        EXPECT_EQ(whole[index].text, std::string(points[index]));
    }

    struct Row {
        double rotationDegrees;
        int first;  // angle of the first label
        int last;
        const char* firstText;
        const char* lastText;
    };
    const Row rows[] = {
        {0, 330, 390, "210", "150"},                 // south at the bottom
        {30, 300, 360, "240", "S"},                  // turned a twelfth clockwise
        {-2.5, 330, 395, "210", "145"},              // between two labels: rounded outwards
        {-180, 510, 570, "30", "330"},               // north at the bottom
        {182.5 + 360 * 1e9, 145, 210, "35", "330"},  // any number of turns
    };
    for (const Row& row : rows) {
        const std::vector<CompassLabel> labels =
            compassLabels(row.rotationDegrees * std::numbers::pi / 180.0, false);
        ASSERT_FALSE(labels.empty());
        // Every 5 degrees; the same bearings whatever number of whole turns.
        EXPECT_EQ((labels.back().angleDegrees - labels.front().angleDegrees) % 360,
                  (row.last - row.first) % 360)
            << row.rotationDegrees;
        EXPECT_EQ(labels.size(), static_cast<std::size_t>((row.last - row.first) / 5 + 1));
        for (std::size_t index = 1; index < labels.size(); ++index) {
            EXPECT_EQ(labels[index].angleDegrees - labels[index - 1].angleDegrees, 5);
        }
        EXPECT_EQ(labels.front().text, std::string(row.firstText)) << row.rotationDegrees;
        EXPECT_EQ(labels.back().text, std::string(row.lastText)) << row.rotationDegrees;
    }
    // A bearing of 360 is north; those that are not multiples of 45 are numbers.
    const std::vector<CompassLabel> north = compassLabels(std::numbers::pi, false);
    EXPECT_TRUE(std::any_of(north.begin(), north.end(),
                            [](const CompassLabel& label) { return label.text == "N"; }));
    EXPECT_TRUE(std::any_of(north.begin(), north.end(),
                            [](const CompassLabel& label) { return label.text == "355"; }));
}

}  // namespace
}  // namespace quenaro
