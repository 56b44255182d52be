// The night-vision style's frames: a shaped frame comes out red, a frame without a shape
// leaves what lies under it as it was.

#include <gtest/gtest.h>

#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QStyleOptionFrame>

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

}  // namespace
}  // namespace quenaro
