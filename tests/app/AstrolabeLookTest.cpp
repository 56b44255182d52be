// The calculator's screen as seen: grabbed at a phone's width by day and at night (its window
// turned red of the same brightness, as night mode does), measured on the pixels: its
// table's rows draw their values blue on white by day, and at night every text keeps a
// contrast of at least 3:1 to what lies behind it and the table is no bright block.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "ImageColours.h"
#include "calc/AstrolabeCalc.h"
#include "calc/AstrolabeScreen.h"
#include "calc/SplitValueTableCell.h"
#include "model/Ephemeris.h"
#include "time/TimeZone.h"
#include "views/NightVision.h"

namespace quenaro {
namespace {

using testing::areaContrast;

constexpr int kPhoneWidth = 360;
constexpr int kPhoneHeight = 640;

class AstrolabeLook : public ::testing::Test {
  protected:
    AstrolabeLook()
        : model(EphemerisDate::dateWithYear(2026, 3, 14, 22, 45, 0, TimeZone::named("UTC")), 52.5,
                13.4),
          screen(std::make_unique<QWidget>()),
          calc(buildAstrolabeScreen(model, screen.get())) {
        screen->resize(kPhoneWidth, kPhoneHeight);
        screen->show();
        QApplication::processEvents();
    }

    /// The whole page of the screen (the part scrolled out of view too), as shown.
    QImage page() const {
        QWidget* content = screen->findChild<QScrollArea*>()->widget();
        return content->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    /// A widget's area on the page, in the picture's pixels.
    QRect area(const QWidget* widget, double ratio) const {
        QWidget* content = screen->findChild<QScrollArea*>()->widget();
        const QRect rect(widget->mapTo(content, QPoint(0, 0)), widget->size());
        return {static_cast<int>(rect.x() * ratio), static_cast<int>(rect.y() * ratio),
                static_cast<int>(rect.width() * ratio), static_cast<int>(rect.height() * ratio)};
    }
    QLabel* valueLabel(int mode) const {
        return screen->findChild<QLabel*>(QString::fromUtf8(astrolabeValueTitle(mode)));
    }
    std::vector<QLabel*> cellLabels() const {
        std::vector<QLabel*> labels;
        for (auto* cell : calc->tableView()->findChildren<SplitValueTableCell*>()) {
            for (auto* label : cell->findChildren<QLabel*>()) {
                labels.push_back(label);
            }
        }
        return labels;
    }

    Ephemeris model;
    std::unique_ptr<QWidget> screen;
    AstrolabeCalc* calc;
};

// At 360 points nothing is cut: the page needs no more width than the screen has, and every
// row of the table shows its value whole, inside its row.
TEST_F(AstrolabeLook, FitsAPhonesWidthWithTheTableBelowTheKeypad) {
    QWidget* content = screen->findChild<QScrollArea*>()->widget();
    EXPECT_LE(content->minimumSizeHint().width(), kPhoneWidth);
    EXPECT_LE(content->width(), kPhoneWidth);
    const QRect table(calc->tableView()->mapTo(content, QPoint(0, 0)), calc->tableView()->size());
    EXPECT_GE(table.top(), valueLabel(kEclipticLongitudeMode)->mapTo(content, QPoint(0, 0)).y());
    for (auto* cell : calc->tableView()->findChildren<SplitValueTableCell*>()) {
        for (auto* label : cell->findChildren<QLabel*>()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
            EXPECT_LE(label->mapTo(cell, QPoint(label->width(), 0)).x(), cell->width());
        }
        EXPECT_LE(cell->mapTo(content, QPoint(cell->width(), 0)).x(), table.right());
    }

    // Wide, the table stands beside the keypad, at the top.
    screen->resize(800, 500);
    QApplication::processEvents();
    const QPoint wideTable = calc->tableView()->mapTo(content, QPoint(0, 0));
    EXPECT_GT(wideTable.x(), valueLabel(kAltitudeMode)->mapTo(content, QPoint(0, 0)).x());
    EXPECT_LT(wideTable.y(), valueLabel(kEclipticLongitudeMode)->mapTo(content, QPoint(0, 0)).y());
    EXPECT_LE(content->width(), 800);
}

// By day a row draws its name dark and its value blue, both on white; selected, white on
// the table's highlight.
TEST_F(AstrolabeLook, TableRowsDrawTheirValuesBlueOnWhite) {
    const QImage picture = page();
    const double ratio = picture.devicePixelRatio();
    auto* cell =
        qobject_cast<SplitValueTableCell*>(calc->tableView()->itemWidget(calc->tableItem(1, 1), 0));
    ASSERT_NE(cell, nullptr);
    const QList<QLabel*> labels = cell->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 2);
    QLabel* value = labels[0]->text() == cell->valueText() ? labels[0] : labels[1];
    const QRect valueArea = area(value, ratio);
    EXPECT_EQ(areaContrast(picture, valueArea).background, QColor(Qt::white));
    int bluest = 0;
    for (int y = valueArea.top(); y <= valueArea.bottom(); ++y) {
        for (int x = valueArea.left(); x <= valueArea.right(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            bluest = std::max(bluest, pixel.blue() - std::max(pixel.red(), pixel.green()));
        }
    }
    EXPECT_GT(bluest, 100) << "the value's strokes are blue";
    EXPECT_GE(areaContrast(picture, valueArea).ratio, 4.5);

    // Selected, the row reads white on the table's highlight, which shows through.
    calc->tableItem(1, 1)->setSelected(true);
    QApplication::processEvents();
    const QImage selected = page();
    const auto measured = areaContrast(selected, valueArea);
    const QPalette palette = calc->tableView()->palette();
    EXPECT_TRUE(measured.background == palette.color(QPalette::Active, QPalette::Highlight) ||
                measured.background == palette.color(QPalette::Inactive, QPalette::Highlight))
        << measured.background.name().toStdString();
    int whitest = 0;
    for (int y = valueArea.top(); y <= valueArea.bottom(); ++y) {
        for (int x = valueArea.left(); x <= valueArea.right(); ++x) {
            const QColor pixel = selected.pixelColor(x, y);
            whitest = std::max(whitest, std::min({pixel.red(), pixel.green(), pixel.blue()}));
        }
    }
    EXPECT_GT(whitest, 230) << "the value's strokes are white";
    calc->dismissedEditor();
}

TEST_F(AstrolabeLook, AtNightEveryTextKeepsThreeToOneAndTheTableStaysDark) {
    calc->setNightVision(true);
    calc->setCalcMode(kDeclinationMode);
    calc->calcButton(4);
    calc->calcButton(5);
    QApplication::processEvents();
    QImage picture = page();
    turnNightRed(picture);
    const double ratio = picture.devicePixelRatio();

    const double typed = areaContrast(picture, area(valueLabel(kDeclinationMode), ratio)).ratio;
    EXPECT_GE(typed, 3.0) << "the value being typed";
    RecordProperty("typed value", std::to_string(typed));
    double least = 21.0;
    for (int mode = 0; mode < kAstrolabeModeCount; ++mode) {
        least = std::min(least, areaContrast(picture, area(valueLabel(mode), ratio)).ratio);
    }
    for (auto* key :
         screen->findChild<QScrollArea*>()->widget()->findChildren<QAbstractButton*>()) {
        least = std::min(least, areaContrast(picture, area(key, ratio)).ratio);
    }
    for (QLabel* label : cellLabels()) {
        const auto measured = areaContrast(picture, area(label, ratio));
        least = std::min(least, measured.ratio);
        EXPECT_LT(measured.background.red(), 60) << "a dark row: " << label->text().toStdString();
    }
    EXPECT_GE(least, 3.0);
    RecordProperty("least of the labels, keys and rows", std::to_string(least));
}

}  // namespace
}  // namespace quenaro
