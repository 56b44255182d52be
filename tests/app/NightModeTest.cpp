// Night mode: one toggle (View menu, Ctrl+Shift+N, stored) that turns the whole window red on
// black, the views, the controls, the menus, the calculator and the alerts' icons included,
// and back; and a stored night mode at launch.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGraphicsEffect>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>

#include "ShellFixture.h"
#include "app/NightVisionEffect.h"
#include "app/QuenaroWindow.h"
#include "app/SettingsKeys.h"
#include "support/ImageColours.h"
#include "views/ArmillaryView.h"
#include "views/EphemerisView.h"
#include "views/OrreryView.h"
#include "views/TimelineView.h"
#include "views/ViewPainter.h"

namespace quenaro {
namespace {

using testing::componentPeaks;
using testing::ComponentPeaks;
using testing::kNightVisionTolerance;

class NightMode : public testing::Shell {
  protected:
    void TearDown() override {
        // The application's palette is shared by every test.
        temporary.settings().setBoolValue(kNightModeKey, false);
    }

    QAction* nightModeAction() const {
        return ui->window->findChild<QAction*>(QStringLiteral("nightModeAction"));
    }

    std::vector<QWidget*> views() const {
        return {ui->orreryView, ui->armillaryView, ui->timelineView, ui->ephemerisView};
    }

    /// Each tab of the window as it shows now, and the calculator's window.
    std::vector<QImage> screens() const {
        QCoreApplication::processEvents();  // the palette reaches the widgets by posted events
        std::vector<QImage> images;
        QTabWidget* tabs = ui->window->tabBarController();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            images.push_back(ui->window->grab().toImage());
        }
        tabs->setCurrentIndex(0);
        images.push_back(ui->astrolabeScreen->grab().toImage());
        return images;
    }

    static bool red(const ComponentPeaks& peaks) {
        return peaks.green <= kNightVisionTolerance && peaks.blue <= kNightVisionTolerance &&
               peaks.red > 150;
    }
};

TEST_F(NightMode, TheToggleTurnsEverythingRedAndBackAndIsStored) {
    QAction* action = nightModeAction();
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isCheckable());
    EXPECT_FALSE(action->isChecked());
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    const QPalette dayPalette = QApplication::palette();
    ui->window->show();
    ui->astrolabeScreen->show();
    for (const QImage& screen : screens()) {
        EXPECT_FALSE(red(componentPeaks(screen)));
    }

    action->trigger();
    EXPECT_TRUE(temporary.reopened().boolValue(kNightModeKey));
    for (QWidget* view : views()) {
        EXPECT_TRUE(nightVision(*view)) << view->objectName().toStdString();
    }
    EXPECT_NE(qobject_cast<NightVisionEffect*>(ui->astrolabeScreen->graphicsEffect()), nullptr);
    int index = 0;
    for (const QImage& screen : screens()) {
        const ComponentPeaks peaks = componentPeaks(screen);
        EXPECT_TRUE(red(peaks)) << "screen " << index << ": " << peaks.red << " " << peaks.green
                                << " " << peaks.blue;
        ++index;
    }
    // The date picker's calendar, the menus and the alerts' icons too.
    delegate().setOrreryDate();
    EXPECT_TRUE(red(componentPeaks(ui->window->grab().toImage())));
    delegate().hideDateTime();
    for (QMenu* menu : ui->window->menuBar()->findChildren<QMenu*>()) {
        menu->adjustSize();
        EXPECT_TRUE(red(componentPeaks(menu->grab().toImage()))) << menu->title().toStdString();
    }
    QMessageBox alert(QMessageBox::Warning, QStringLiteral("Title"), QStringLiteral("Text"),
                      QMessageBox::Ok, ui->window.get());
    alert.adjustSize();
    QCoreApplication::processEvents();
    EXPECT_TRUE(red(componentPeaks(alert.grab().toImage())));

    action->trigger();
    EXPECT_FALSE(temporary.reopened().boolValue(kNightModeKey));
    EXPECT_EQ(QApplication::palette(), dayPalette);
    for (QWidget* view : views()) {
        EXPECT_FALSE(nightVision(*view));
    }
    EXPECT_EQ(ui->astrolabeScreen->graphicsEffect(), nullptr);
    for (const QImage& screen : screens()) {
        EXPECT_FALSE(red(componentPeaks(screen)));
    }
}

TEST_F(NightMode, TheShortcutToggles) {
    ui->window->show();
    ui->window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ui->window.get()));
    QTest::keyClick(ui->window.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(nightModeAction()->isChecked());
    EXPECT_TRUE(nightVision(*ui->timelineView));
    QTest::keyClick(ui->window.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(nightModeAction()->isChecked());
    EXPECT_FALSE(nightVision(*ui->timelineView));
}

class StoredNightMode : public NightMode {
  protected:
    void SetUp() override {
        temporary.settings().setBoolValue(kNightModeKey, true);
        NightMode::SetUp();
    }
};

TEST_F(StoredNightMode, StartsRed) {
    EXPECT_TRUE(nightModeAction()->isChecked());
    EXPECT_TRUE(nightVision(*ui->ephemerisView));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window).green(), 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(red(componentPeaks(ui->window->grab().toImage())));
}

}  // namespace
}  // namespace quenaro
