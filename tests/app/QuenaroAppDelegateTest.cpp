// The shell: start-up, the clock tick's minute rule, the redraw fan-out's order, the pickers'
// show and hide rules, a picked date held until "Now", and places from the service, the
// place dialog and the place's own zone; the astrolabe calculator reached from the window.

#include <gtest/gtest.h>

#include <algorithm>

#include <QAction>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "AppTestSupport.h"
#include "ShellFixture.h"
#include "app/CurrentLocation.h"
#include "app/DateTimePicker.h"
#include "app/InterfaceDescription.h"
#include "app/OrreryScreen.h"
#include "app/PlaceDialog.h"
#include "app/QuenaroWindow.h"
#include "app/SettingsKeys.h"
#include "calc/AstrolabeCalc.h"
#include "model/Ephemeris.h"
#include "views/ArmillaryView.h"
#include "views/EphemerisScrollView.h"
#include "views/EphemerisView.h"

namespace quenaro {
namespace {

using testing::kDay;
using testing::kMinute;
using testing::marchMorning;
using testing::ScriptedPositionSource;
using testing::Shell;
using testing::TemporarySettings;

TEST_F(Shell, LaunchInstallsExactlyThreeTabsAtTheBottomAndTheSheetInItsScrollView) {
    QTabWidget* tabs = ui->window->tabBarController();
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Orrery"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Sky"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Sheet"));
    EXPECT_EQ(tabs->tabPosition(), QTabWidget::South);
    EXPECT_EQ(ui->window->size(), QSize(360, 640));
    auto* scroll =
        qobject_cast<EphemerisScrollView*>(ui->ephemerisView->parentWidget()->parentWidget());
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(ui->ephemerisView->size(), QSize(320, 1500));
    EXPECT_EQ(modelInstant(), now);
    const QString placeLine = ui->orreryScreen->placeButton()->text();
    EXPECT_TRUE(placeLine.contains(QStringLiteral("45.00° N, 90.00° W")))
        << placeLine.toStdString();
    EXPECT_TRUE(placeLine.contains(QStringLiteral("fallback"))) << placeLine.toStdString();
    EXPECT_EQ(source->starts, 1);
}

TEST_F(Shell, TickRedatesOnlyWhenTheMinuteOfTheHourDiffers) {
    const double start = now;
    struct Step {
        const char* name;
        double secondsFromStart;
        bool redated;
    };
    const Step steps[] = {
        {"same minute", 30.0, false},
        {"days later, same minute of the hour", 3 * kDay + 20.0, false},
        {"an hour later", 3600.0, false},
        {"the next minute", kMinute, true},
        {"a minute later again", 2 * kMinute, true},
    };
    for (const Step& step : steps) {
        const double before = modelInstant();
        now = start + step.secondsFromStart;
        delegate().updateLocalTime();
        EXPECT_EQ(modelInstant(), step.redated ? now : before) << step.name;
        if (step.redated) {
            EXPECT_EQ(timePicker()->date(TimeZone::gmt()).timeIntervalSinceReferenceDate(), now);
            EXPECT_EQ(datePicker()->date(TimeZone::gmt()).timeIntervalSinceReferenceDate(), now);
        }
    }
}

TEST_F(Shell, APickedDateHoldsTheModelUntilNow) {
    delegate().setOrreryDate();
    ASSERT_FALSE(datePicker()->isHidden());
    auto* calendar = datePicker()->findChild<QCalendarWidget*>();
    ASSERT_NE(calendar, nullptr);
    calendar->setSelectedDate(QDate(2026, 3, 20));  // as a click on the 20th does

    const double picked = now + 6 * kDay;
    EXPECT_EQ(modelInstant(), picked);
    EXPECT_TRUE(delegate().hasAdjustedDate());
    EXPECT_EQ(timePicker()->date(TimeZone::gmt()).timeIntervalSinceReferenceDate(), picked);

    now += 5 * kMinute;
    delegate().updateLocalTime();
    EXPECT_EQ(modelInstant(), picked);

    // A new place keeps the picked date.
    source->report(QGeoPositionInfo(QGeoCoordinate(69.65, 18.96), QDateTime::currentDateTimeUtc()));
    EXPECT_EQ(ui->ephemeris->latitude(), 69.65);
    EXPECT_EQ(modelInstant(), picked);
    EXPECT_TRUE(delegate().hasAdjustedDate());

    delegate().resetToToday();
    EXPECT_FALSE(delegate().hasAdjustedDate());
    EXPECT_EQ(modelInstant(), now);

    // A date picked in the same minute of the hour as now: one click on Now returns.
    delegate().setOrreryDate();
    calendar->setSelectedDate(QDate(2026, 3, 10));
    ASSERT_TRUE(delegate().hasAdjustedDate());
    ASSERT_NE(modelInstant(), now);
    QTest::mouseClick(ui->orreryScreen->nowButton(), Qt::LeftButton);
    EXPECT_FALSE(delegate().hasAdjustedDate());
    EXPECT_EQ(modelInstant(), now);
}

TEST_F(Shell, ADragsDateIsLeftAtTheNextMinute) {
    const EphemerisDate dragged(now - 40 * kDay + 7 * kMinute, TimeZone::gmt());
    delegate().changeDate(dragged);
    EXPECT_EQ(modelInstant(), dragged.timeIntervalSinceReferenceDate());
    EXPECT_FALSE(delegate().hasAdjustedDate());
    now += kMinute;
    delegate().updateLocalTime();
    EXPECT_EQ(modelInstant(), now);
}

TEST_F(Shell, PickersSlideUpOneAtATimeAndHideAtTheirRestingPlace) {
    ui->window->resize(360, 640);
    QCoreApplication::processEvents();
    const QPoint dateRest = datePicker()->pos();
    const QPoint timeRest = timePicker()->pos();
    // At rest just above the row of Date, Time and Now.
    EXPECT_LE(dateRest.y() + datePicker()->height(), ui->orreryScreen->dateButton()->y());
    EXPECT_GE(dateRest.y() + datePicker()->height(), ui->orreryScreen->dateButton()->y() - 4);

    delegate().setOrreryDate();
    EXPECT_FALSE(datePicker()->isHidden());
    EXPECT_TRUE(timePicker()->isHidden());
    EXPECT_EQ(datePicker()->pos(), dateRest + QPoint(0, datePicker()->height()));
    // Opened, it takes the keyboard: typing goes to its calendar.
    EXPECT_TRUE(datePicker()->isAncestorOf(ui->window->focusWidget()));

    // Shown already: neither re-reads the model's date nor moves.
    const QDateTime shownWallTime = datePicker()->wallTime();
    ui->ephemeris->setDate(EphemerisDate(now + 2 * kDay, TimeZone::gmt()));
    delegate().setOrreryDate();
    EXPECT_EQ(datePicker()->wallTime(), shownWallTime);

    delegate().setOrreryTime();
    EXPECT_TRUE(datePicker()->isHidden());
    EXPECT_EQ(datePicker()->pos(), dateRest);
    EXPECT_FALSE(timePicker()->isHidden());
    EXPECT_EQ(timePicker()->wallTime().date(), QDate(2026, 3, 16));
    EXPECT_TRUE(timePicker()->isAncestorOf(ui->window->focusWidget()));

    // The time picker at rest leaves Date, Time and Now in reach.
    QTest::qWait(300);  // the slide's end
    for (QPushButton* button : {ui->orreryScreen->dateButton(), ui->orreryScreen->timeButton(),
                                ui->orreryScreen->nowButton()}) {
        const QPoint centre = button->geometry().center();
        EXPECT_EQ(ui->orreryScreen->childAt(centre), button) << button->text().toStdString();
    }

    // A press on the sheet hides the pickers; scrolling is the scroll view's as usual.
    auto* scroll =
        qobject_cast<EphemerisScrollView*>(ui->ephemerisView->parentWidget()->parentWidget());
    ASSERT_NE(scroll, nullptr);
    QTest::mousePress(scroll->viewport(), Qt::LeftButton);
    EXPECT_TRUE(timePicker()->isHidden());
    EXPECT_EQ(timePicker()->pos(), timeRest);
    delegate().hideDateTime();
    EXPECT_TRUE(datePicker()->isHidden());
    EXPECT_FALSE(delegate().hasAdjustedDate());
}

TEST_F(Shell, SkyTabHoldsTheChartOfTheSettingsAndAPressOnItHidesThePickers) {
    ArmillaryView* chart = ui->armillaryView;
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(ui->window->tabBarController()->widget(1)->findChild<ArmillaryView*>(), chart);
    EXPECT_EQ(chart->settings(), temporary.settings().armillarySettings());
    ui->window->tabBarController()->setCurrentIndex(1);
    delegate().setOrreryTime();
    EXPECT_FALSE(timePicker()->isHidden());
    QTest::mousePress(chart, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(timePicker()->isHidden());
}

TEST_F(Shell, PlaceDialogMovesTheModelToTypedCoordinatesAndStopsTheService) {
    QTest::mouseClick(ui->orreryScreen->placeButton(), Qt::LeftButton);
    auto* dialog = ui->window->findChild<PlaceDialog*>();
    ASSERT_NE(dialog, nullptr);

    dialog->latitudeField()->setText(QStringLiteral("91"));
    QTest::mouseClick(dialog->goButton(), Qt::LeftButton);
    EXPECT_EQ(ui->ephemeris->latitude(), 45.0);

    dialog->latitudeField()->setText(QStringLiteral("69.6489"));
    dialog->longitudeField()->setText(QStringLiteral("18.9551"));
    QTest::mouseClick(dialog->goButton(), Qt::LeftButton);
    EXPECT_EQ(ui->ephemeris->latitude(), 69.6489);
    EXPECT_EQ(ui->ephemeris->longitude(), 18.9551);
    EXPECT_EQ(source->stops, 1);
    EXPECT_TRUE(ui->orreryScreen->placeButton()->text().contains(QStringLiteral("chosen")));
    const std::optional<PlaceWithOrigin> stored = temporary.reopened().storedPlace();
    EXPECT_EQ(stored->latitudeDegrees, 69.6489);
    // Typed coordinates take the zone the zone map gives there.
    EXPECT_EQ(stored->zone, QStringLiteral("Europe/Oslo"));
}

// Settings that can no longer be written: one alert however many writes fail, and the place
// line says that the chosen place is not saved.
TEST_F(Shell, AChoiceThatCannotBeStoredIsNotCalledSaved) {
    QFile::remove(temporary.path());
    ASSERT_TRUE(QDir().mkdir(temporary.path()));
    for (const double latitude : {69.6489, 60.0}) {
        QTest::mouseClick(ui->orreryScreen->placeButton(), Qt::LeftButton);
        auto* dialog = ui->window->findChild<PlaceDialog*>();
        ASSERT_NE(dialog, nullptr);
        dialog->latitudeField()->setText(QString::number(latitude));
        dialog->longitudeField()->setText(QStringLiteral("18.9551"));
        QTest::mouseClick(dialog->goButton(), Qt::LeftButton);
        EXPECT_EQ(ui->ephemeris->latitude(), latitude);
    }
    EXPECT_TRUE(
        ui->orreryScreen->placeButton()->text().endsWith(QStringLiteral("chosen, not saved")))
        << ui->orreryScreen->placeButton()->text().toStdString();
    const QList<QMessageBox*> alerts = ui->window->findChildren<QMessageBox*>();
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_TRUE(alerts.front()->text().contains(QStringLiteral("could not be saved")));
}

TEST_F(Shell, PlaceDialogFindsTromsoAsTheUserTypesAndMovesTheModelThere) {
    QTest::mouseClick(ui->orreryScreen->placeButton(), Qt::LeftButton);
    auto* dialog = ui->window->findChild<PlaceDialog*>();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->searchField(), QStringLiteral("troms"));
    ASSERT_GT(dialog->resultList()->count(), 0);
    EXPECT_TRUE(dialog->resultList()->item(0)->text().startsWith(QStringLiteral("Tromsø, Norway")));
    QTest::keyClick(dialog->searchField(), Qt::Key_Return);

    EXPECT_NEAR(ui->ephemeris->latitude(), 69.6489, 1e-4);
    EXPECT_NEAR(ui->ephemeris->longitude(), 18.9551, 1e-4);
    EXPECT_TRUE(ui->orreryScreen->placeButton()->text().startsWith(QStringLiteral("Tromsø")));
    const std::optional<PlaceWithOrigin> stored = temporary.reopened().storedPlace();
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->name, QStringLiteral("Tromsø"));
    EXPECT_EQ(stored->zone, QStringLiteral("Europe/Oslo"));
    EXPECT_FALSE(ui->currentLocation->following());
}

TEST_F(Shell, OneClickOnAFoundPlaceChoosesIt) {
    QTest::mouseClick(ui->orreryScreen->placeButton(), Qt::LeftButton);
    auto* dialog = ui->window->findChild<PlaceDialog*>();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->searchField(), QStringLiteral("troms"));
    QListWidget* results = dialog->resultList();
    ASSERT_GT(results->count(), 0);
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                      results->visualItemRect(results->item(0)).center());
    EXPECT_NEAR(ui->ephemeris->latitude(), 69.6489, 1e-4);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(Shell, TimesFollowThePlacesOwnZoneWhenAsked) {
    ui->currentLocation->choosePlace({69.6489, 18.9551, QStringLiteral("Tromsø"),
                                      QStringLiteral("Europe/Oslo"),
                                      PlaceWithOrigin::Origin::Chosen});
    EXPECT_EQ(ui->ephemeris->date().timeZone(), TimeZone::gmt());

    delegate().setUsePlaceTimeZone(true);
    EXPECT_EQ(ui->ephemeris->date().timeZone(), TimeZone::named("Europe/Oslo"));
    EXPECT_EQ(modelInstant(), now);
    EXPECT_EQ(ui->ephemeris->date().hourOfDay(), 11);
    EXPECT_TRUE(
        ui->orreryScreen->placeButton()->text().contains(QStringLiteral("Tromsø · Europe/Oslo")));

    delegate().setUsePlaceTimeZone(false);
    EXPECT_EQ(ui->ephemeris->date().timeZone(), TimeZone::gmt());
    EXPECT_TRUE(temporary.reopened().boolValue(kUsePlaceTimeZoneKey) == false);
}

/// Records which top-level widgets are asked to repaint, in order.
class UpdateOrder : public QObject {
  public:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::UpdateRequest) {
            order.push_back(receiver->objectName());
        }
        return false;
    }
    QStringList order;
};

TEST(QuenaroAppDelegate, RedrawFanOutGoesToOrreryArmillaryTimelineAndSheetInThatOrder) {
    TimeZone::setDefaultZone(TimeZone::gmt());
    TemporarySettings temporary;
    CurrentLocation location(temporary.settings(), {});
    Ephemeris model(EphemerisDate(marchMorning()), 45.0, -90.0);
    DateTimePicker datePicker(DateTimePicker::Mode::Date);
    DateTimePicker timePicker(DateTimePicker::Mode::Time);
    // Each view its own window, so each repaint is its own event.
    QWidget orrery;
    QWidget armillary;
    QWidget timeline;
    QWidget sheet;
    int index = 0;
    for (QWidget* view : {&sheet, &timeline, &armillary, &orrery}) {
        view->setObjectName(QStringList{"sheet", "timeline", "armillary", "orrery"}[index++]);
        view->resize(40, 40);
        view->show();
    }
    QuenaroAppDelegate::Outlets outlets;
    outlets.ephemeris = &model;
    outlets.orreryView = &orrery;
    outlets.armillaryView = &armillary;
    outlets.timelineView = &timeline;
    outlets.ephemerisView = &sheet;
    outlets.orreryDatePicker = &datePicker;
    outlets.orreryTimePicker = &timePicker;
    outlets.currentLocation = &location;
    outlets.settings = &temporary.settings();
    double now = marchMorning();
    QuenaroAppDelegate delegate(outlets, [&now] { return now; });
    QCoreApplication::processEvents();

    UpdateOrder updates;
    QCoreApplication::instance()->installEventFilter(&updates);
    now += 30.0;
    delegate.updateLocalTime();
    QCoreApplication::processEvents();
    EXPECT_TRUE(updates.order.isEmpty());

    now += kMinute;
    delegate.updateLocalTime();
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&updates);
    EXPECT_EQ(updates.order, (QStringList{"orrery", "armillary", "timeline", "sheet"}));
}

}  // namespace
}  // namespace quenaro

namespace quenaro {
namespace {

// The calculator is reached from the window by its button, by the Tools menu and by Ctrl+K,
// in a window of its own (the tabs stay three), and converts on the one shared model.
TEST_F(Shell, AstrolabeOpensFromTheButtonTheMenuAndItsShortcutOnTheSharedModel) {
    QWidget* screen = ui->astrolabeScreen;
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(screen->isWindow());
    QTest::mouseClick(ui->orreryScreen->astrolabeButton(), Qt::LeftButton);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(ui->window->tabBarController()->count(), 3);

    // Typed on the calculator: 30 degrees of altitude, converted on the shell's model.
    for (int key : {3, 0}) {
        ui->astrolabeCalc->calcButton(key);
    }
    const AstrolabePosition expected = AstrolabePosition::fromAltAz(*ui->ephemeris, 30.0, 0.0);
    EXPECT_EQ(ui->astrolabeCalc->altitude(), 30.0);
    EXPECT_EQ(ui->astrolabeCalc->rightAscension(), expected.rightAscension);
    EXPECT_EQ(ui->astrolabeCalc->declination(), expected.declination);

    // The calculator follows the model at once: a new place converts the typed altitude anew.
    source->report(QGeoPositionInfo(QGeoCoordinate(69.65, 18.96), QDateTime::currentDateTimeUtc()));
    const AstrolabePosition moved = AstrolabePosition::fromAltAz(*ui->ephemeris, 30.0, 0.0);
    ASSERT_NE(moved.declination, expected.declination);
    EXPECT_EQ(ui->astrolabeCalc->declination(), moved.declination);
    delegate().changeDate(EphemerisDate(now + 100 * kDay, TimeZone::gmt()));
    EXPECT_EQ(ui->astrolabeCalc->rightAscension(),
              AstrolabePosition::fromAltAz(*ui->ephemeris, 30.0, 0.0).rightAscension);

    auto* action = ui->window->findChild<QAction*>(QStringLiteral("astrolabeAction"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    const QList<QMenu*> menus = ui->window->menuBar()->findChildren<QMenu*>();
    EXPECT_TRUE(std::any_of(menus.begin(), menus.end(),
                            [action](QMenu* menu) { return menu->actions().contains(action); }));
    screen->close();
    action->trigger();
    EXPECT_TRUE(screen->isVisible());

    screen->close();
    ui->window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ui->window.get()));
    QTest::keyClick(ui->window.get(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_TRUE(screen->isVisible());
}

}  // namespace
}  // namespace quenaro
