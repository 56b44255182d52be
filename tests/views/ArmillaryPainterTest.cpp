// The star chart as drawn: star discs, the equator's layer, the enlarged chart's labels on
// recorded painter calls; the caches after a change of place, date, size, scale, settings or
// pixel density, the turned picture and the sharp one, and the picture against vector
// drawing, on pixels.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <cmath>
#include <functional>
#include <numbers>

#include "PaintRecorder.h"
#include "drawing/ArmillaryProjection.h"
#include "model/Ephemeris.h"
#include "support/BerlinEvening.h"
#include "time/TimeZone.h"
#include "views/ArmillaryPainter.h"

namespace quenaro {
namespace {

using testing::PaintCall;
using testing::PaintRecorder;

constexpr double kSide = 320.0;

const std::vector<CatalogStar> kNoStars;
const std::vector<ConstellationPolyline> kNoFigures;

using testing::berlinEvening;

/// What one drawing of the chart is made of.
struct Scene {
    Ephemeris model = berlinEvening();
    ArmillarySettings settings;
    ArmillaryViewState state;
    QSizeF size{kSide, kSide};
    double scale = 2.0;
};

QImage render(const Scene& scene, ArmillaryCache& cache) {
    QImage image(static_cast<int>(std::ceil(scene.size.width() * scene.scale)),
                 static_cast<int>(std::ceil(scene.size.height() * scene.scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scene.scale);
    image.fill(Qt::red);
    QPainter painter(&image);
    drawArmillary(scene.model, scene.settings, scene.state, scene.size, painter, cache);
    return image;
}

QImage render(const Scene& scene) {
    ArmillaryCache cache;
    return render(scene, cache);
}

std::unique_ptr<PaintRecorder> record(const Scene& scene, ArmillaryCache& cache) {
    auto recorder = std::make_unique<PaintRecorder>(scene.size);
    QPainter painter(recorder.get());
    drawArmillary(scene.model, scene.settings, scene.state, scene.size, painter, cache);
    return recorder;
}

/// Mean difference of the colour channels of two images of one size, 0-255.
double meanDifference(const QImage& first, const QImage& second) {
    double sum = 0.0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb a = first.pixel(x, y);
            const QRgb b = second.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b));
        }
    }
    return sum / (3.0 * first.width() * first.height());
}

std::vector<QLineF> linesOfColour(const PaintRecorder& recorder, const QColor& colour) {
    std::vector<QLineF> lines;
    for (const PaintCall& call : recorder.calls()) {
        if (call.kind == PaintCall::Kind::Lines && call.penColour == colour) {
            lines.insert(lines.end(), call.lines.begin(), call.lines.end());
        }
    }
    return lines;
}

bool containsLine(const std::vector<QLineF>& lines, const QLineF& wanted) {
    return std::any_of(lines.begin(), lines.end(), [&wanted](const QLineF& line) {
        return QLineF(line.p1(), wanted.p1()).length() < 1e-6 &&
               QLineF(line.p2(), wanted.p2()).length() < 1e-6;
    });
}

TEST(ArmillaryPainter, StarsAreWhiteDiscsOfTheirMagnitudesSizeOnVectorOutput) {
    Scene scene;
    const float zenithHours = static_cast<float>(scene.model.localApparentSiderealTime() / 15.0);
    const std::vector<CatalogStar> stars = {{zenithHours, 52.5f, 4.5f},
                                            {zenithHours, 30.0f, -1.46f}};
    ArmillaryCache cache(stars, kNoFigures);
    const auto recorder = record(scene, cache);
    std::vector<QRectF> discs;
    for (const PaintCall& call : recorder->calls()) {
        if (call.kind == PaintCall::Kind::Path && call.brush.color() == Qt::white &&
            call.bounds.width() < 2.0) {
            discs.push_back(call.bounds);
        }
    }
    ASSERT_EQ(discs.size(), 2u);
    EXPECT_NEAR(discs[0].width(), 0.820, 0.001);
    EXPECT_NEAR(discs[0].height(), 0.820, 0.001);
    EXPECT_LT(QLineF(discs[0].center(), QPointF(160, 160)).length(), 1.0);  // the zenith
    EXPECT_NEAR(discs[1].width(), 1.611, 0.001);
    // 22.5 degrees south of the zenith: a quarter of the radius straight down.
    EXPECT_NEAR(discs[1].center().x(), 160.0, 0.5);
    EXPECT_NEAR(discs[1].center().y(), 160.0 + 160.0 * 22.5 / 90.0, 0.5);
}

TEST(ArmillaryPainter, RaDecGridLeavesItsEquatorToTheGreenCirclesWhenTheyAreShown) {
    Scene scene;
    const ChartFrame frame = chartFrame(canvasSize(scene.size), false);
    std::vector<QLineF> equator;
    for (int hour = 0; hour < 24; ++hour) {
        const ChartPoint from = projectEquatorial(scene.model, static_cast<float>(hour), 0.0f, 160);
        const ChartPoint to =
            projectEquatorial(scene.model, static_cast<float>((hour + 1) % 24), 0.0f, 160);
        if (from.visible || to.visible) {
            equator.push_back(
                QLineF(qtPoint(from.point), qtPoint(to.point)).translated(qtPoint(frame.centre)));
        }
    }
    ASSERT_GT(equator.size(), 8u);
    const QColor magenta = QColor::fromRgbF(1, 0, 1);
    const QColor green = QColor::fromRgbF(0, 1, 0);
    for (const bool circles : {false, true}) {
        scene.settings.showCircles = circles;
        ArmillaryCache cache(kNoStars, kNoFigures);
        const auto recorder = record(scene, cache);
        const std::vector<QLineF> grid = linesOfColour(*recorder, magenta);
        const std::vector<QLineF> circleLines = linesOfColour(*recorder, green);
        for (const QLineF& chord : equator) {
            EXPECT_EQ(containsLine(grid, chord), !circles) << circles;
            EXPECT_EQ(containsLine(circleLines, chord), circles) << circles;
        }
        // The other declination circles stay in the grid.
        const ChartPoint north = projectEquatorial(scene.model, 3.0f, 10.0f, 160);
        const ChartPoint next = projectEquatorial(scene.model, 4.0f, 10.0f, 160);
        ASSERT_TRUE(north.visible);
        EXPECT_TRUE(containsLine(
            grid,
            QLineF(qtPoint(north.point), qtPoint(next.point)).translated(qtPoint(frame.centre))));
    }
}

TEST(ArmillaryPainter, EnlargedChartLabelsEveryFiveDegreesAlongTheBottomEdge) {
    Scene scene;
    scene.state.scaleMode = true;
    scene.size = QSizeF(320, 480);  // the horizon 464 points below the zenith at (160, 16)
    ArmillaryCache cache(kNoStars, kNoFigures);
    const auto recorder = record(scene, cache);
    std::vector<PaintCall> labels;
    for (const PaintCall& call : recorder->calls()) {
        if (call.kind == PaintCall::Kind::Text) {
            labels.push_back(call);
        }
    }
    ASSERT_EQ(labels.size(), 13u);
    for (std::size_t index = 0; index < labels.size(); ++index) {
        const int angle = 330 + 5 * static_cast<int>(index);
        const int bearing = (180 - angle + 720) % 360;
        EXPECT_EQ(labels[index].text,
                  bearing == 180 ? QStringLiteral("S") : QString::number(bearing));
        // Centred on its direction, just inside the horizon.
        const double radians = angle * std::numbers::pi / 180.0;
        const QPointF direction(-std::sin(radians), std::cos(radians));
        const QPointF fromZenith = labels[index].bounds.center() - QPointF(160, 16);
        EXPECT_NEAR(fromZenith.x() * direction.y() - fromZenith.y() * direction.x(), 0.0, 1.0)
            << labels[index].text.toStdString();
        const double distance = QPointF::dotProduct(fromZenith, direction);
        EXPECT_GT(distance, 464.0 - 16.0);
        EXPECT_LT(distance, 464.0);
    }
    // The whole sky: the eight points of the compass.
    scene.state.scaleMode = false;
    const auto whole = record(scene, cache);
    for (const char* point : {"N", "NE", "E", "SE", "S", "SW", "W", "NW"}) {
        EXPECT_EQ(whole->texts(QString::fromLatin1(point)).size(), 1u) << point;
    }
}

/// A redraw after any change the chart depends on looks exactly like a first drawing with
/// the change: nothing stays where the old date, place, size, scale or settings put it.
TEST(ArmillaryPainter, CachesFollowPlaceDateSizeScaleSettingsAndPixelDensity) {
    struct Row {
        const char* name;
        std::function<void(Scene&)> change;
        bool newGeometry;
    };
    const Row rows[] = {
        {"place", [](Scene& s) { s.model.setLatitude(-33.9, 18.4); }, true},
        {"date",
         [](Scene& s) { s.model.setDate(s.model.date().dateByAddingYears(0, 0, 0, 1, 0, 0)); },
         true},
        {"size", [](Scene& s) { s.size = QSizeF(300, 420); }, true},
        {"scale", [](Scene& s) { s.state.scaleMode = true; }, true},
        {"star limit", [](Scene& s) { s.settings.showMinMagnitude = 6.0f; }, true},
        {"layers", [](Scene& s) { s.settings.showRaDec = false; }, true},
        {"height only", [](Scene& s) { s.size = QSizeF(320, 400); }, false},
        {"pixel density", [](Scene& s) { s.scale = 1.0; }, false},
    };
    for (const Row& row : rows) {
        Scene scene;
        ArmillaryCache cache;
        const QImage before = render(scene, cache);
        const auto recordedBefore = record(scene, cache);
        row.change(scene);
        const QImage after = render(scene, cache);
        EXPECT_EQ(cache.geometryBuilds(), row.newGeometry ? 2 : 1) << row.name;
        EXPECT_EQ(cache.pictureRenders(), 2) << row.name;
        EXPECT_TRUE(after == render(scene)) << row.name;
        EXPECT_FALSE(after == before) << row.name;
        // Vector output from the same cache draws the same as a first drawing, too.
        ArmillaryCache fresh;
        const auto recordedAfter = record(scene, cache);
        const auto recordedFresh = record(scene, fresh);
        ASSERT_EQ(recordedAfter->calls().size(), recordedFresh->calls().size()) << row.name;
        for (std::size_t index = 0; index < recordedAfter->calls().size(); ++index) {
            EXPECT_EQ(recordedAfter->calls()[index].bounds, recordedFresh->calls()[index].bounds)
                << row.name << " call " << index;
        }
    }
}

TEST(ArmillaryPainter, TurningTurnsThePictureAndAtRestTheChartIsDrawnSharpAgain) {
    Scene scene;
    ArmillaryCache cache;
    render(scene, cache);
    scene.state.turning = true;
    QImage turned;
    for (const double rotation : {0.1, 0.2, 0.3}) {
        scene.state.rotation = rotation;
        turned = render(scene, cache);
    }
    EXPECT_EQ(cache.geometryBuilds(), 1);
    EXPECT_EQ(cache.pictureRenders(), 1);

    Scene sharp = scene;
    sharp.state.turning = false;
    const QImage expected = render(sharp);
    // Softer, but the same chart turned the same way (about 4 levels off; turned the other
    // way or not at all, about 18).
    EXPECT_LT(meanDifference(turned, expected), 6.0);
    Scene backwards = sharp;
    backwards.state.rotation = -0.3;
    EXPECT_GT(meanDifference(turned, render(backwards)), 12.0);

    // The turn ends: drawn anew at the final turn, exactly as a first drawing.
    scene.state.turning = false;
    EXPECT_TRUE(render(scene, cache) == expected);
    EXPECT_EQ(cache.pictureRenders(), 2);
    EXPECT_EQ(cache.geometryBuilds(), 1);
}

TEST(ArmillaryPainter, PictureLooksLikeTheVectorDrawing) {
    for (const bool enlarged : {false, true}) {
        Scene scene;
        scene.settings.showMinMagnitude = 6.5f;
        scene.settings.showCircles = true;
        scene.state.scaleMode = enlarged;
        scene.state.rotation = 0.4;
        QPicture vector;
        {
            QPainter painter(&vector);
            drawArmillary(scene.model, scene.settings, scene.state, scene.size, painter);
        }
        QImage replayed(640, 640, QImage::Format_ARGB32_Premultiplied);
        replayed.setDevicePixelRatio(2.0);
        replayed.fill(Qt::red);
        {
            QPainter painter(&replayed);
            vector.play(&painter);
        }
        const QImage picture = render(scene);
        EXPECT_LT(meanDifference(replayed, picture), 1.0) << enlarged;
        // Dark grey around the disc, black sky at its rim.
        EXPECT_EQ(picture.pixelColor(2, 637), QColor(85, 85, 85)) << enlarged;
        const QColor sky = picture.pixelColor(enlarged ? 320 : 632, enlarged ? 40 : 320);
        EXPECT_LT(sky.red() + sky.green() + sky.blue(), 60) << enlarged;
    }
}

}  // namespace
}  // namespace quenaro
