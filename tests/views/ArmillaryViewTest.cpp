// The star chart's widget: turning by two fingers, by a right drag or a Ctrl+left drag; one
// finger or three leave it; a double-click or double tap switches the scale; every press is
// reported; new settings show at the next redraw.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <numbers>

#include "model/Ephemeris.h"
#include "support/BerlinEvening.h"
#include "views/ArmillaryPainter.h"
#include "views/ArmillaryView.h"

namespace quenaro {
namespace {

constexpr double kPi = std::numbers::pi;

/// The test's touch screen, one for the process (Qt keeps every one registered).
QPointingDevice* touchScreen() {
    static QPointingDevice* const device = QTest::createTouchDevice();
    return device;
}

class ArmillaryViewInput : public ::testing::Test {
  protected:
    void SetUp() override {
        view.setEphemeris(&model);
        view.resize(320, 320);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    Ephemeris model = testing::berlinEvening();
    ArmillaryView view{ArmillarySettings()};
};

TEST_F(ArmillaryViewInput, RightOrCtrlLeftDragTurnsByThePointersAngleAboutTheCentre) {
    struct Row {
        const char* name;
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        double turn;
    };
    const Row rows[] = {
        {"right button", Qt::RightButton, Qt::NoModifier, kPi / 2},
        {"left with Ctrl", Qt::LeftButton, Qt::ControlModifier, kPi / 2},
        {"left alone", Qt::LeftButton, Qt::NoModifier, 0.0},
    };
    for (const Row& row : rows) {
        const double before = view.rotation();
        // From the right of the centre (160, 160) round to below it: a quarter turn clockwise,
        // in small moves.
        QTest::mousePress(&view, row.button, row.modifiers, QPoint(260, 160));
        for (int step = 1; step <= 9; ++step) {
            const double angle = step * kPi / 18;
            QTest::mouseMove(&view,
                             QPoint(160 + static_cast<int>(std::lround(100 * std::cos(angle))),
                                    160 + static_cast<int>(std::lround(100 * std::sin(angle)))));
        }
        QTest::mouseRelease(&view, row.button, row.modifiers, QPoint(160, 260));
        EXPECT_NEAR(std::remainder(view.rotation() - before, 2 * kPi), row.turn, 1e-9) << row.name;
    }
}

TEST_F(ArmillaryViewInput, TwoFingersTurnTheChartOneOrThreeDoNot) {
    // Left and right of the centre, then above and below: the line between them a quarter
    // turn clockwise.
    QTest::touchEvent(&view, touchScreen()).press(0, QPoint(110, 160)).press(1, QPoint(210, 160));
    QTest::touchEvent(&view, touchScreen()).move(0, QPoint(125, 125)).move(1, QPoint(195, 195));
    QTest::touchEvent(&view, touchScreen()).move(0, QPoint(160, 110)).move(1, QPoint(160, 210));
    QTest::touchEvent(&view, touchScreen())
        .release(0, QPoint(160, 110))
        .release(1, QPoint(160, 210));
    EXPECT_NEAR(view.rotation(), kPi / 2, 1e-9);

    // One finger resting as a pivot while the other goes round also turns it.
    QTest::touchEvent(&view, touchScreen()).press(0, QPoint(160, 160)).press(1, QPoint(260, 160));
    QTest::touchEvent(&view, touchScreen()).move(0, QPoint(160, 160)).move(1, QPoint(160, 60));
    QTest::touchEvent(&view, touchScreen())
        .release(0, QPoint(160, 160))
        .release(1, QPoint(160, 60));
    EXPECT_NEAR(view.rotation(), 0.0, 1e-9);

    const double turned = view.rotation();
    QTest::touchEvent(&view, touchScreen()).press(0, QPoint(100, 100));
    QTest::touchEvent(&view, touchScreen()).move(0, QPoint(200, 120));
    QTest::touchEvent(&view, touchScreen()).release(0, QPoint(200, 120));
    EXPECT_EQ(view.rotation(), turned);

    QTest::touchEvent(&view, touchScreen())
        .press(0, QPoint(100, 160))
        .press(1, QPoint(220, 160))
        .press(2, QPoint(160, 100));
    QTest::touchEvent(&view, touchScreen())
        .move(0, QPoint(160, 100))
        .move(1, QPoint(160, 220))
        .move(2, QPoint(220, 160));
    QTest::touchEvent(&view, touchScreen())
        .release(0, QPoint(160, 100))
        .release(1, QPoint(160, 220))
        .release(2, QPoint(220, 160));
    EXPECT_EQ(view.rotation(), turned);
    EXPECT_FALSE(view.scaleMode());
}

TEST_F(ArmillaryViewInput, DoubleClickOrDoubleTapSwitchesTheScaleAndEveryPressIsReported) {
    QSignalSpy touched(&view, &ArmillaryView::touched);
    QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_TRUE(view.scaleMode());
    EXPECT_GE(touched.count(), 1);
    QTest::mouseDClick(&view, Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_TRUE(view.scaleMode());
    touched.clear();

    for (int tap = 0; tap < 2; ++tap) {
        QTest::touchEvent(&view, touchScreen()).press(0, QPoint(150, 150));
        QTest::touchEvent(&view, touchScreen()).release(0, QPoint(150, 150));
    }
    EXPECT_FALSE(view.scaleMode());
    // Two taps far apart are two single taps.
    QTest::touchEvent(&view, touchScreen()).press(0, QPoint(50, 50));
    QTest::touchEvent(&view, touchScreen()).release(0, QPoint(50, 50));
    QTest::touchEvent(&view, touchScreen()).press(0, QPoint(250, 250));
    QTest::touchEvent(&view, touchScreen()).release(0, QPoint(250, 250));
    EXPECT_FALSE(view.scaleMode());
    EXPECT_EQ(touched.count(), 4);  // one for each finger that went down
}

TEST_F(ArmillaryViewInput, NewSettingsShowAtTheNextRedraw) {
    const QImage before = view.grab().toImage();
    ArmillarySettings settings;
    settings.showMinMagnitude = 6.5f;
    settings.showAltAz = false;
    settings.showCircles = true;
    view.setSettings(settings);
    EXPECT_EQ(view.settings(), settings);
    const QImage after = view.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);

    QImage expected(after.size(), QImage::Format_ARGB32_Premultiplied);
    expected.setDevicePixelRatio(after.devicePixelRatio());
    {
        QPainter painter(&expected);
        drawArmillary(model, settings, {}, QSizeF(320, 320), painter);
    }
    EXPECT_TRUE(after == expected);
    EXPECT_FALSE(after == before.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

}  // namespace
}  // namespace quenaro
