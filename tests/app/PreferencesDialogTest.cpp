// The preferences: the dialog shows what the settings read (defaults for invalid stored
// values), writes each change at once with its change notification, restores the defaults,
// and opens once from the Tools menu and Ctrl+,; the Positions choice reaches the model.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include "AppTestSupport.h"
#include "ShellFixture.h"
#include "app/PreferencesDialog.h"
#include "app/QuenaroWindow.h"
#include "app/SettingsKeys.h"
#include "model/EphemerisFigures.h"
#include "model/EphemerisSheet.h"
#include "views/ArmillaryView.h"
#include "views/EphemerisView.h"

namespace quenaro {
namespace {

using testing::Shell;
using testing::TemporarySettings;

const QStringList kLayerKeys{kShowAltAzKey, kShowCirclesKey, kShowEclipticKey, kShowRaDecKey,
                             kShowConstellationLinesKey};

TEST(PreferencesDialog, ShowsTheSettingsAsTheyReadWithDefaultsForInvalidValues) {
    TemporarySettings temporary;
    {
        QSettings file(temporary.path(), QSettings::IniFormat);
        file.setValue("ShowAltAz", "false");
        file.setValue("ShowCircles", "sometimes");  // reads false
        file.setValue("ShowMinMagnitude", "9");     // out of range: 4.5
        file.setValue("Audience", "7");             // any other value: the date only
        file.setValue("Positions", "exact");        // neither choice: Almanac
    }
    AppSettings settings(temporary.path());
    PreferencesDialog dialog(settings);
    EXPECT_FALSE(dialog.layerBox(kShowAltAzKey)->isChecked());
    EXPECT_FALSE(dialog.layerBox(kShowCirclesKey)->isChecked());
    EXPECT_TRUE(dialog.layerBox(kShowEclipticKey)->isChecked());
    EXPECT_EQ(dialog.layerBox(kFacingKey), nullptr);
    EXPECT_EQ(dialog.magnitudeSlider()->value(), 45);
    EXPECT_EQ(dialog.magnitudeSlider()->minimum(), 10);
    EXPECT_EQ(dialog.magnitudeSlider()->maximum(), 65);
    EXPECT_TRUE(dialog.audienceButton(kAudienceDateOnly)->isChecked());
    EXPECT_TRUE(dialog.positionsButton(PositionsChoice::Almanac)->isChecked());
    // Showing them wrote nothing back.
    EXPECT_EQ(QSettings(temporary.path(), QSettings::IniFormat).value("Audience").toString(),
              QStringLiteral("7"));
}

TEST(PreferencesDialog, EveryChangeIsWrittenAtOnceAndAnnounced) {
    TemporarySettings temporary;
    AppSettings& settings = temporary.settings();
    PreferencesDialog dialog(settings);
    QSignalSpy changes(&settings, &AppSettings::valueChanged);

    for (const QString& key : kLayerKeys) {
        const bool before = settings.boolValue(key);
        QTest::mouseClick(dialog.layerBox(key), Qt::LeftButton);
        EXPECT_EQ(temporary.reopened().boolValue(key), !before) << key.toStdString();
    }
    dialog.magnitudeSlider()->setValue(62);
    EXPECT_DOUBLE_EQ(temporary.reopened().numberValue(kShowMinMagnitudeKey), 6.2);
    dialog.magnitudeSlider()->setValue(10);
    EXPECT_DOUBLE_EQ(temporary.reopened().numberValue(kShowMinMagnitudeKey), 1.0);
    QTest::mouseClick(dialog.audienceButton(kAudiencePlanetaryHours), Qt::LeftButton);
    EXPECT_EQ(temporary.reopened().intValue(kAudienceKey), kAudiencePlanetaryHours);
    QTest::mouseClick(dialog.audienceButton(kAudienceDateOnly), Qt::LeftButton);
    EXPECT_EQ(temporary.reopened().intValue(kAudienceKey), kAudienceDateOnly);
    QTest::mouseClick(dialog.positionsButton(PositionsChoice::Precise), Qt::LeftButton);
    EXPECT_EQ(temporary.reopened().positions(), PositionsChoice::Precise);
    EXPECT_EQ(changes.count(), kLayerKeys.size() + 5);

    QTest::mouseClick(dialog.restoreDefaultsButton(), Qt::LeftButton);
    const AppSettings reread = temporary.reopened();
    for (const QString& key : kLayerKeys) {
        EXPECT_EQ(reread.boolValue(key), AppSettings::registeredDefault(key).toBool());
        EXPECT_EQ(dialog.layerBox(key)->isChecked(), reread.boolValue(key));
    }
    EXPECT_DOUBLE_EQ(reread.numberValue(kShowMinMagnitudeKey), 4.5);
    EXPECT_EQ(dialog.magnitudeSlider()->value(), 45);
    EXPECT_EQ(reread.intValue(kAudienceKey), kAudienceJulianDate);
    EXPECT_TRUE(dialog.audienceButton(kAudienceJulianDate)->isChecked());
    EXPECT_TRUE(dialog.positionsButton(PositionsChoice::Almanac)->isChecked());
    const QStringList stored = QSettings(temporary.path(), QSettings::IniFormat).allKeys();
    EXPECT_TRUE(stored.isEmpty()) << stored.join(' ').toStdString();
}

TEST_F(Shell, PreferencesOpenOnceFromTheMenuAndTheirShortcut) {
    auto* action = ui->window->findChild<QAction*>(QStringLiteral("preferencesAction"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    action->trigger();
    action->trigger();
    const QList<PreferencesDialog*> open = ui->window->findChildren<PreferencesDialog*>();
    ASSERT_EQ(open.size(), 1);
    EXPECT_TRUE(open.front()->isVisible());
    open.front()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ui->window->findChildren<PreferencesDialog*>().isEmpty());

    ui->window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ui->window.get()));
    QTest::keyClick(ui->window.get(), Qt::Key_Comma, Qt::ControlModifier);
    EXPECT_EQ(ui->window->findChildren<PreferencesDialog*>().size(), 1);
}

}  // namespace
}  // namespace quenaro

namespace quenaro {
namespace {

// A preference changed in the dialog reaches the chart on the Sky tab at once: what it draws
// and the geometry it keeps are rebuilt for the new settings, and only then.
TEST_F(Shell, ThePreferencesChangeTheDrawnChartAndItsCaches) {
    ui->window->tabBarController()->setCurrentIndex(1);
    ArmillaryView* chart = ui->armillaryView;
    chart->resize(320, 320);
    PreferencesDialog dialog(temporary.settings());

    const QImage before = chart->grab().toImage();
    const int builds = chart->cache().geometryBuilds();
    EXPECT_EQ(chart->grab().toImage(), before);  // nothing changed: nothing rebuilt
    EXPECT_EQ(chart->cache().geometryBuilds(), builds);

    QTest::mouseClick(dialog.layerBox(kShowRaDecKey), Qt::LeftButton);
    EXPECT_FALSE(chart->settings().showRaDec);
    const QImage withoutGrid = chart->grab().toImage();
    EXPECT_NE(withoutGrid, before);
    EXPECT_EQ(chart->cache().geometryBuilds(), builds + 1);

    dialog.magnitudeSlider()->setValue(20);
    EXPECT_FLOAT_EQ(chart->settings().showMinMagnitude, 2.0f);
    EXPECT_NE(chart->grab().toImage(), withoutGrid);
    EXPECT_EQ(chart->cache().geometryBuilds(), builds + 2);

    QTest::mouseClick(dialog.restoreDefaultsButton(), Qt::LeftButton);
    EXPECT_EQ(chart->settings(), ArmillarySettings());
    EXPECT_EQ(chart->grab().toImage(), before);

    // Audience only redraws: the chart keeps what it built.
    const int afterDefaults = chart->cache().geometryBuilds();
    QTest::mouseClick(dialog.audienceButton(kAudiencePlanetaryHours), Qt::LeftButton);
    chart->grab();
    EXPECT_EQ(chart->cache().geometryBuilds(), afterDefaults);
}

/// How far down the sheet's page anything is drawn, pixels (the page is black).
int lowestInk(const QImage& page) {
    for (int y = page.height() - 1; y >= 0; --y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) > 0) {
                return y;
            }
        }
    }
    return -1;
}

// Positions reaches the one model at once: the shared precise source while it reads Precise,
// the sheet ending with the row that names it and the chart's bodies placed anew; Almanac
// takes the source and the row away again. A new date keeps the source.
TEST_F(Shell, ThePositionsPreferenceGivesTheModelItsSourceAndTheSheetItsRow) {
    ASSERT_EQ(ui->ephemeris->positionSource(), nullptr);
    ArmillaryView* chart = ui->armillaryView;
    chart->resize(320, 320);
    chart->grab();
    const int builds = chart->cache().geometryBuilds();
    const int almanacInk = lowestInk(ui->ephemerisView->grab().toImage());
    const std::size_t almanacLines = sheetLines(computeFigures(*ui->ephemeris), true).size();
    QSignalSpy modelChanges(ui->delegate.get(), &QuenaroAppDelegate::modelChanged);
    PreferencesDialog dialog(temporary.settings());

    QTest::mouseClick(dialog.positionsButton(PositionsChoice::Precise), Qt::LeftButton);
    ASSERT_NE(ui->precisePositions, nullptr);
    EXPECT_EQ(ui->ephemeris->positionSource(), ui->precisePositions.get());
    EXPECT_EQ(modelChanges.count(), 1);  // the calculator recomputes
    const std::vector<SheetLine> precise = sheetLines(computeFigures(*ui->ephemeris), true);
    ASSERT_EQ(precise.size(), almanacLines + 2);
    EXPECT_EQ(precise[almanacLines].label, "Positions");
    EXPECT_EQ(precise.back().label, "Source");
    EXPECT_EQ(precise.back().value.rfind("precise, delta T 69.", 0), 0U) << precise.back().value;
    EXPECT_GT(lowestInk(ui->ephemerisView->grab().toImage()), almanacInk + 20);
    chart->grab();
    EXPECT_EQ(chart->cache().geometryBuilds(), builds + 1);

    now += testing::kDay;
    delegate().updateLocalTime();
    EXPECT_EQ(ui->ephemeris->positionSource(), ui->precisePositions.get());

    QTest::mouseClick(dialog.positionsButton(PositionsChoice::Almanac), Qt::LeftButton);
    EXPECT_EQ(ui->ephemeris->positionSource(), nullptr);
    EXPECT_EQ(lowestInk(ui->ephemerisView->grab().toImage()), almanacInk);
}

// A stored Precise holds from start-up on.
class PreciseShell : public Shell {
  protected:
    void SetUp() override {
        temporary.settings().setPositions(PositionsChoice::Precise);
        Shell::SetUp();
    }
};

TEST_F(PreciseShell, TheStoredChoiceGivesTheModelItsSourceAtStartUp) {
    EXPECT_EQ(ui->ephemeris->positionSource(), ui->precisePositions.get());
}

}  // namespace
}  // namespace quenaro
