// Night vision: one pixel's red of the same luma, whole images of any format, the widgets'
// palette, and a view painted through ViewPainter (whole or in part) against the same view
// drawn in its night colours and converted.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

#include "model/Ephemeris.h"
#include "support/BerlinEvening.h"
#include "support/ImageColours.h"
#include "views/NightVision.h"
#include "views/TimelinePainter.h"
#include "views/TimelineView.h"
#include "views/ViewPainter.h"

namespace quenaro {
namespace {

// Each pixel becomes red of its luma, alpha kept; among the red widgets a pixel keeps its
// red when that is brighter, so the palette's reds stay and converting twice changes nothing.
TEST(NightVision, EachPixelBecomesRedOfItsLumaOrAmongWidgetsKeepsItsRed) {
    struct Row {
        const char* name;
        QRgb pixel;
        QRgb luma;
        QRgb keepingRed;
    };
    const Row rows[] = {
        {"white", qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(255, 0, 0)},
        {"black", qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 0)},
        {"mid grey", qRgb(128, 128, 128), qRgb(128, 0, 0), qRgb(128, 0, 0)},
        {"pure red", qRgb(255, 0, 0), qRgb(76, 0, 0), qRgb(255, 0, 0)},
        {"the night palette's text", qRgb(215, 0, 0), qRgb(64, 0, 0), qRgb(215, 0, 0)},
        {"a style's desaturated button", qRgb(76, 41, 41), qRgb(51, 0, 0), qRgb(76, 0, 0)},
        {"pure green", qRgb(0, 255, 0), qRgb(149, 0, 0), qRgb(149, 0, 0)},
        {"pure blue", qRgb(0, 0, 255), qRgb(28, 0, 0), qRgb(28, 0, 0)},
        {"the sheet's yellow", qRgb(255, 255, 0), qRgb(226, 0, 0), qRgb(255, 0, 0)},
        {"premultiplied half-transparent white", qRgba(128, 128, 128, 128), qRgba(128, 0, 0, 128),
         qRgba(128, 0, 0, 128)},
        {"fully transparent", qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 0)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(nightRed(row.pixel), row.luma)
            << row.name << ": " << std::hex << nightRed(row.pixel);
        EXPECT_EQ(nightRedKeepingRed(row.pixel), row.keepingRed) << row.name;
        EXPECT_EQ(nightRedKeepingRed(row.keepingRed), row.keepingRed) << row.name;

        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.setPixel(0, 0, row.pixel);
        turnNightRed(image, NightRedRule::LumaKeepingRed);
        EXPECT_EQ(image.pixel(0, 0), row.keepingRed) << row.name;
    }
    EXPECT_EQ(nightRed(QColor(0, 0, 255, 100)), QColor(28, 0, 0, 100));
}

TEST(NightVision, ImagesOfEveryFormatTurnRed) {
    for (const QImage::Format format :
         {QImage::Format_ARGB32_Premultiplied, QImage::Format_ARGB32, QImage::Format_RGB32,
          QImage::Format_RGB888, QImage::Format_Grayscale8, QImage::Format_Indexed8}) {
        QImage image(37, 5, format);  // an odd width: no pixel left over by a vector step
        if (format == QImage::Format_Indexed8) {
            image.setColorTable({qRgb(0, 200, 255)});
            image.fill(0);
        } else {
            image.fill(QColor(0, 200, 255));
        }
        turnNightRed(image);
        const testing::ComponentPeaks peaks = testing::componentPeaks(image);
        EXPECT_EQ(peaks.green, 0) << format;
        EXPECT_EQ(peaks.blue, 0) << format;
        // Grey 8 holds the luma already (its own weights); the others 0.587 x 200 + 0.114 x 255.
        EXPECT_NEAR(peaks.red, 146, format == QImage::Format_Grayscale8 ? 8 : 0) << format;
        EXPECT_EQ(image.pixel(36, 4), image.pixel(0, 0)) << format;
    }
}

// Whole rows go through the vectorised loops: each pixel of a long row of varied colours,
// premultiplied, ends as the per-pixel form of either rule gives it.
TEST(NightVision, LongRowsTurnRedAsEachPixelWouldAlone) {
    QImage image(67, 3, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = 255 - 40 * y;
            const auto component = [&](int step) { return (x * step + y * 31) % (alpha + 1); };
            image.setPixel(x, y, qRgba(component(97), component(53), component(29), alpha));
        }
    }
    for (const NightRedRule rule : {NightRedRule::Luma, NightRedRule::LumaKeepingRed}) {
        QImage converted = image.copy();
        turnNightRed(converted, rule);
        for (int y = 0; y < image.height(); ++y) {
            const auto* before = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            const auto* after = reinterpret_cast<const QRgb*>(converted.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb expected = rule == NightRedRule::Luma ? nightRed(before[x])
                                                                 : nightRedKeepingRed(before[x]);
                EXPECT_EQ(after[x], expected) << static_cast<int>(rule) << " at " << x << ", " << y;
            }
        }
    }
}

TEST(NightVision, ThePaletteIsRedOnBlackInEveryGroup) {
    const QPalette palette = nightPalette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role == QPalette::NoRole) {
                continue;
            }
            const QColor colour = palette.color(static_cast<QPalette::ColorGroup>(group),
                                                static_cast<QPalette::ColorRole>(role));
            EXPECT_EQ(colour.green(), 0) << group << " " << role;
            EXPECT_EQ(colour.blue(), 0) << group << " " << role;
        }
    }
    EXPECT_GT(palette.color(QPalette::WindowText).red(), 150);
    EXPECT_LT(palette.color(QPalette::Window).red(), 30);
    EXPECT_LT(palette.color(QPalette::Disabled, QPalette::Text).red(),
              palette.color(QPalette::Active, QPalette::Text).red());
}

/// The timeline of Berlin on 2026-12-07 at 21:08, on screen.
class NightView : public ::testing::Test {
  protected:
    void SetUp() override {
        view.setEphemeris(&model);
        view.resize(320, 120);
    }

    /// The region of the view painted into the top-left corner of a picture of the view's size
    /// (the rest transparent).
    QImage painted(const QRect& region) {
        QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        view.render(&image, QPoint(), QRegion(region));
        return image;
    }

    Ephemeris model = testing::berlinEvening();
    TimelineView view;
};

TEST_F(NightView, ThePainterTurnsWhatTheViewDrawsRedWholeOrInPart) {
    for (const QRect& region : {QRect(0, 0, 320, 120), QRect(50, 17, 101, 43)}) {
        setNightVision(view, false);
        const testing::ComponentPeaks day = testing::componentPeaks(painted(region));
        EXPECT_GT(std::max(day.green, day.blue), 200);
        // The view in its night colours, the region in the same corner, converted.
        QImage nightColours(view.size(), QImage::Format_ARGB32_Premultiplied);
        nightColours.fill(Qt::transparent);
        {
            QPainter painter(&nightColours);
            drawTimeline(model, view.size(), painter, offscreenCanvas(), TimelineLook::Night);
        }
        QImage expected(view.size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        {
            QPainter painter(&expected);
            painter.drawImage(QPoint(0, 0), nightColours.copy(region));
        }
        turnNightRed(expected);

        setNightVision(view, true);
        ASSERT_TRUE(nightVision(view));
        const QImage night = painted(region);
        const testing::ComponentPeaks peaks = testing::componentPeaks(night);
        EXPECT_EQ(peaks.green, 0);
        EXPECT_EQ(peaks.blue, 0);
        int worst = 0;
        for (int y = 0; y < night.height(); ++y) {
            for (int x = 0; x < night.width(); ++x) {
                worst =
                    std::max(worst, std::abs(qRed(night.pixel(x, y)) - qRed(expected.pixel(x, y))));
                // Nothing beyond the region is painted.
                if (!QRect(QPoint(0, 0), region.size()).contains(x, y)) {
                    ASSERT_EQ(qAlpha(night.pixel(x, y)), 0) << x << "," << y;
                }
            }
        }
        EXPECT_LE(worst, 1) << "region " << region.x() << "," << region.y();
    }
}

}  // namespace
}  // namespace quenaro
