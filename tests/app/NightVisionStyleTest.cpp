// The night-vision style's frames: a shaped frame comes out red, a frame without a shape
// leaves what lies under it as it was, and a window turned red whole is not turned twice.

#include <gtest/gtest.h>

#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QWidget>

#include "app/NightVisionEffect.h"
#include "app/NightVisionStyle.h"
#include "support/ImageColours.h"

namespace quenaro {
namespace {

using testing::kNightVisionTolerance;

TEST(NightVisionStyle, ShapedFramesTurnRedAndAFrameWithoutShapeLeavesTheGroundAlone) {
    const QRgb ground = qRgb(0, 160, 0);
    struct Case {
        QFrame::Shape shape;
        bool drawsBorder;
    };
    for (const Case& frame : {Case{QFrame::NoFrame, false}, Case{QFrame::Box, true},
                              Case{QFrame::Panel, true}, Case{QFrame::HLine, true}}) {
        SCOPED_TRACE(static_cast<int>(frame.shape));
        NightVisionStyle style;
        style.setNightVision(true);
        QImage image(80, 60, QImage::Format_ARGB32_Premultiplied);
        image.fill(ground);
        QStyleOptionFrame option;
        option.rect = QRect(10, 10, 60, 40);
        option.frameShape = frame.shape;
        option.lineWidth = 2;
        option.palette.setColor(QPalette::WindowText, QColor(0, 200, 255));
        {
            QPainter painter(&image);
            style.drawControl(QStyle::CE_ShapedFrame, &option, &painter);
        }
        int changed = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (pixel == ground) {
                    continue;
                }
                ++changed;
                EXPECT_LE(qGreen(pixel), kNightVisionTolerance) << x << ", " << y;
                EXPECT_LE(qBlue(pixel), kNightVisionTolerance) << x << ", " << y;
            }
        }
        EXPECT_EQ(changed > 0, frame.drawsBorder);
    }
}

// A widget whose window is turned red whole is drawn as the wrapped style draws it: turned
// red here too, its white would end as the dark red of red's brightness.
TEST(NightVisionStyle, WidgetsOfAWindowTurnedRedWholeAreDrawnOnce) {
    NightVisionStyle style;
    style.setNightVision(true);
    QWidget window;
    QFrame frame(&window);
    QStyleOptionFrame option;
    option.rect = QRect(10, 10, 60, 40);
    option.frameShape = QFrame::Box;
    option.lineWidth = 2;
    option.palette.setColor(QPalette::WindowText, QColor(0, 200, 255));
    const auto greenPeak = [&style, &option, &frame] {
        QImage image(80, 60, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            style.drawControl(QStyle::CE_ShapedFrame, &option, &painter, &frame);
        }
        return testing::componentPeaks(image).green;
    };
    EXPECT_LE(greenPeak(), kNightVisionTolerance);
    window.setGraphicsEffect(new NightVisionEffect(&window));
    EXPECT_GT(greenPeak(), 150) << "left to the window's effect";
}

}  // namespace
}  // namespace quenaro
