// The dial in the running interface, driven by real mouse events: the Sun dragged a quarter
// turn moves the model six hours, a slow drag of the ring ends on the date of one big move,
// the tick leaves the model alone while the dial is held, the wheel moves the time and keeps
// it until Now, presses and double-clicks reach the pickers, and Audience changed in the
// preferences redraws the centre and the corner at once.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "ShellFixture.h"
#include "app/PreferencesDialog.h"
#include "app/QuenaroWindow.h"
#include "drawing/DialLayout.h"
#include "drawing/OrreryContent.h"
#include "views/OrreryView.h"
#include "views/QtCanvas.h"

namespace quenaro {
namespace {

using testing::kDay;
using testing::kMinute;

constexpr int kSide = 320;  // R = 160, the centre on a whole pixel
constexpr double kRadius = kSide / 2.0;

/// The launched interface with the dial 320 points square.
class Dial : public testing::Shell {
  protected:
    void SetUp() override {
        Shell::SetUp();
        dial()->setGeometry(dial()->x(), dial()->y(), kSide, kSide);
    }

    OrreryView* dial() const { return ui->orreryView; }

    /// The whole pixel nearest to the point `radiusFraction` R out at dial angle `angle`.
    static QPoint onDial(double angle, double radiusFraction) {
        const Point point = Point{kRadius, kRadius} + dialPoint(angle, radiusFraction * kRadius);
        return qtPoint(point).toPoint();
    }

    /// The point turned about the centre by `degrees` clockwise on screen, rounded.
    static QPoint turned(QPoint start, double degrees) {
        const double radians = degrees * M_PI / 180;
        const QPointF offset = QPointF(start) - QPointF(kRadius, kRadius);
        const QPointF rotated(offset.x() * std::cos(radians) - offset.y() * std::sin(radians),
                              offset.x() * std::sin(radians) + offset.y() * std::cos(radians));
        return (QPointF(kRadius, kRadius) + rotated).toPoint();
    }

    /// Presses at `start`, moves in `moves` equal steps through `degrees` about the centre
    /// (clockwise positive) and, unless asked not to, lets go.
    void drag(QPoint start, double degrees, int moves, bool release = true) {
        QTest::mousePress(dial(), Qt::LeftButton, {}, start);
        for (int move = 1; move <= moves; ++move) {
            QTest::mouseMove(dial(), turned(start, degrees * move / moves));
        }
        if (release) {
            QTest::mouseRelease(dial(), Qt::LeftButton, {}, turned(start, degrees));
        }
    }

    QPoint sun() const { return onDial(sunDialAngle(*ui->ephemeris), 0.8); }
};

/// The angle turned from `from` to `to` about the dial's centre, degrees clockwise.
double turnDegrees(QPoint from, QPoint to) {
    const Point centre{kRadius, kRadius};
    return turnAboutCentre(
               Point{static_cast<double>(from.x()), static_cast<double>(from.y())} - centre,
               Point{static_cast<double>(to.x()), static_cast<double>(to.y())} - centre) *
           180 / M_PI;
}

TEST_F(Dial, SunDraggedAQuarterTurnMovesTheModelSixHours) {
    for (const double degrees : {90.0, -90.0}) {
        const double before = modelInstant();
        const QPoint start = sun();
        drag(start, degrees, 9, false);
        EXPECT_EQ(dial()->adjustWhat(), OrreryHold::Sun);
        QTest::mouseRelease(dial(), Qt::LeftButton, {}, turned(start, degrees));
        EXPECT_EQ(dial()->adjustWhat(), OrreryHold::None);
        // Whole pixels turn a quarter turn to within a fraction of a degree; the model follows
        // the angle turned between them exactly.
        const double turn = turnDegrees(start, turned(start, degrees));
        EXPECT_NEAR(turn, degrees, 0.5);
        EXPECT_NEAR(modelInstant() - before, turn / 360 * kDay, 1e-3) << degrees;
        EXPECT_NEAR(modelInstant() - before, degrees / 90 * 6 * 3600, 120.0) << degrees;
    }
    EXPECT_FALSE(delegate().hasAdjustedDate());
}

TEST_F(Dial, SlowRingDragEndsOnTheDateOfOneBigMove) {
    struct Row {
        const char* name;
        double degrees;
    };
    for (const Row& row : {Row{"clockwise", 30.0}, Row{"counterclockwise", -30.0}}) {
        // On the ring, opposite the Sun.
        const QPoint start = onDial(sunDialAngle(*ui->ephemeris) + 180, 0.9);
        const double before = modelInstant();
        drag(start, row.degrees, 1);
        const double oneMove = modelInstant() - before;
        ui->ephemeris->setDate(EphemerisDate(before, TimeZone::gmt()));
        drag(start, row.degrees, 240);  // a pixel or less a move: a fraction of a day each
        const double manyMoves = modelInstant() - before;

        const double days =
            std::floor(turnDegrees(start, turned(start, row.degrees)) / 360 * 365.25);
        EXPECT_EQ(oneMove, days * kDay) << row.name;
        EXPECT_EQ(manyMoves, days * kDay) << row.name;
        EXPECT_NEAR(days, row.degrees > 0 ? 30 : -31, 1) << row.name;
        ui->ephemeris->setDate(EphemerisDate(before, TimeZone::gmt()));
    }
}

TEST_F(Dial, TickLeavesTheModelAloneWhileTheDialIsHeld) {
    const QPoint start = sun();
    drag(start, 45.0, 5, false);
    const double dragged = modelInstant();
    EXPECT_NEAR(dragged - now, 3 * 3600, 120);

    now += 3 * kMinute;  // a new minute: the tick would take the model back to now
    delegate().updateLocalTime();
    EXPECT_EQ(modelInstant(), dragged);
    QTest::mouseMove(dial(), turned(start, 90.0));  // the drag goes on from where it was
    EXPECT_NEAR(modelInstant() - dragged, 3 * 3600, 120);

    QTest::mouseRelease(dial(), Qt::LeftButton, {}, turned(start, 90.0));
    delegate().updateLocalTime();
    EXPECT_EQ(modelInstant(), now);

    // Another tab chosen while the Sun is held: the dial lets go and the clock runs on.
    drag(sun(), 45.0, 5, false);
    ui->window->tabBarController()->setCurrentIndex(2);
    EXPECT_EQ(dial()->adjustWhat(), OrreryHold::None);
    now += kMinute;
    delegate().updateLocalTime();
    EXPECT_EQ(modelInstant(), now);
    QTest::mouseRelease(dial(), Qt::LeftButton);
}

TEST_F(Dial, WheelMovesTenMinutesANotchOrADayWithShiftAndHoldsUntilNow) {
    const auto wheel = [this](int eighths, Qt::KeyboardModifiers modifiers) {
        const QPointF inside(kRadius, kRadius / 2);
        QWheelEvent event(inside, dial()->mapToGlobal(inside), QPoint(), QPoint(0, eighths),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(dial(), &event);
    };
    const double start = modelInstant();
    wheel(120, Qt::NoModifier);
    EXPECT_EQ(modelInstant(), start + 10 * kMinute);
    wheel(60, Qt::NoModifier);  // half a notch, then the other half
    EXPECT_EQ(modelInstant(), start + 10 * kMinute);
    wheel(60, Qt::NoModifier);
    EXPECT_EQ(modelInstant(), start + 20 * kMinute);
    wheel(-240, Qt::ShiftModifier);
    EXPECT_EQ(modelInstant(), start + 20 * kMinute - 2 * kDay);
    EXPECT_TRUE(delegate().hasAdjustedDate());
    EXPECT_EQ(timePicker()->date(TimeZone::gmt()).timeIntervalSinceReferenceDate(), modelInstant());

    now += 5 * kMinute;
    delegate().updateLocalTime();
    EXPECT_EQ(modelInstant(), start + 20 * kMinute - 2 * kDay);
    delegate().resetToToday();
    EXPECT_EQ(modelInstant(), now);
}

TEST_F(Dial, PressHidesThePickersAndADoubleClickShowsTheDatePicker) {
    delegate().setOrreryTime();
    ASSERT_FALSE(timePicker()->isHidden());
    QTest::mouseClick(dial(), Qt::LeftButton, {}, QPoint(kSide / 2, kSide / 2));
    EXPECT_TRUE(timePicker()->isHidden());
    EXPECT_EQ(dial()->adjustWhat(), OrreryHold::None);

    QTest::mouseDClick(dial(), Qt::LeftButton, {}, QPoint(kSide / 2, kSide / 2));
    EXPECT_FALSE(datePicker()->isHidden());

    // Between half the radius and 0.7 R, away from the Sun, a press holds nothing.
    const double before = modelInstant();
    drag(onDial(sunDialAngle(*ui->ephemeris) + 180, 0.6), 90.0, 9);
    EXPECT_EQ(modelInstant(), before);
}

/// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST_F(Dial, AudienceFromThePreferencesRedrawsTheCentreAndTheCornerAtOnce) {
    // The planetary box's middle, in the top-left corner outside the disc.
    const auto boxShown = [](const QImage& image) {
        const double scale = image.devicePixelRatio();
        const QColor colour =
            image.pixelColor(static_cast<int>(22 * scale), static_cast<int>(8 * scale));
        return colour.alpha() == 255 && colour.lightness() > 40;
    };
    // The band of the centre text's second line (the Julian date), across the dial.
    const auto secondLine = [](const QImage& image) {
        const double scale = image.devicePixelRatio();
        return image.copy(
            QRectF(QPointF(kRadius - 110, kRadius + 4) * scale, QSizeF(220, 16) * scale).toRect());
    };
    PreferencesDialog preferences(temporary.settings());
    PaintCounter counter(dial());
    QCoreApplication::processEvents();
    QImage shown[3];
    for (const AudienceChoice choice :
         {kAudiencePlanetaryHours, kAudienceDateOnly, kAudienceJulianDate}) {
        const int paintsBefore = counter.paints;
        QTest::mouseClick(preferences.audienceButton(choice), Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_GT(counter.paints, paintsBefore) << "no redraw for Audience " << choice;
        EXPECT_EQ(dial()->settings().audience, choice);
        shown[choice] = dial()->grab().toImage();
    }
    EXPECT_TRUE(boxShown(shown[kAudiencePlanetaryHours]));
    EXPECT_FALSE(boxShown(shown[kAudienceJulianDate]));
    EXPECT_FALSE(boxShown(shown[kAudienceDateOnly]));
    EXPECT_NE(secondLine(shown[kAudienceJulianDate]), secondLine(shown[kAudienceDateOnly]));
    EXPECT_EQ(secondLine(shown[kAudiencePlanetaryHours]), secondLine(shown[kAudienceDateOnly]));

    // The dial draws the settings it was given: a value written behind the application's
    // back, without a change notification, does not reach it.
    QSettings(temporary.path(), QSettings::IniFormat).setValue("Audience", 1);
    EXPECT_FALSE(boxShown(dial()->grab().toImage()));
}

}  // namespace
}  // namespace quenaro
