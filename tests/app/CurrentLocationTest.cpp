// The current location: the place at start, updates accepted and refused, the stored place,
// a place chosen by hand stopping the service, and failures shown once each.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QGeoCoordinate>
#include <QNmeaPositionInfoSource>
#include <QSignalSpy>
#include <limits>

#include "AppTestSupport.h"
#include "app/CurrentLocation.h"
#include "app/LocalizedStrings.h"
#include "app/SettingsKeys.h"
#include "model/ObserverPosition.h"
#include "places/ZoneTable.h"
#include "time/TimeZone.h"

namespace quenaro {
namespace {

using testing::ScriptedPositionSource;
using testing::TemporarySettings;

/// Berlin, then Tromsø, a quarter second apart (RMC sentences of 2026-01-07). The simulation
/// replays a log by its timestamps; each fix is sent when the next timestamp is read, so the
/// log ends on one more.
constexpr char kTwoPlaces[] =
    "$GPRMC,120000.00,A,5231.000,N,01324.000,E,0.0,0.0,070126,,,A*5E\r\n"
    "$GPRMC,120000.25,A,5231.000,N,01324.000,E,0.0,0.0,070126,,,A*59\r\n"
    "$GPRMC,120000.50,A,6938.934,N,01857.306,E,0.0,0.0,070126,,,A*5E\r\n"
    "$GPRMC,120001.00,A,6938.934,N,01857.306,E,0.0,0.0,070126,,,A*5A\r\n";

/// A location whose service the test scripts; `source` points at it once made.
struct ScriptedLocation {
    explicit ScriptedLocation(AppSettings& settings)
        : location(settings, [this](QObject* parent) {
              source = new ScriptedPositionSource(parent);
              return source;
          }) {}

    ScriptedPositionSource* source = nullptr;
    CurrentLocation location;
};

QGeoPositionInfo fix(double latitude, double longitude) {
    return QGeoPositionInfo(QGeoCoordinate(latitude, longitude),
                            QDateTime(QDate(2026, 1, 7), QTime(12, 0), Qt::UTC));
}

TEST(CurrentLocation, StartsAtTheStoredPlaceOrTheFallbackAndSetsTheModelsBestKnownPosition) {
    // GMT has no principal place.
    TimeZone::setDefaultZone(TimeZone::gmt());
    TemporarySettings empty;
    ScriptedLocation first(empty.settings());
    EXPECT_EQ(first.location.bestLocation().latitudeDegrees, 45.0);
    EXPECT_EQ(first.location.bestLocation().longitudeDegrees, -90.0);
    EXPECT_EQ(first.location.bestLocation().origin, PlaceWithOrigin::Origin::Fallback);
    ASSERT_NE(first.source, nullptr);
    EXPECT_EQ(first.source->starts, 1);

    TemporarySettings stored;
    stored.settings().storePlace({0.0, 0.0, {}, {}, PlaceWithOrigin::Origin::Fix});
    ScriptedLocation second(stored.settings());
    EXPECT_EQ(second.location.bestLocation().latitudeDegrees, 0.0);
    EXPECT_EQ(second.location.bestLocation().origin, PlaceWithOrigin::Origin::Remembered);
    EXPECT_EQ(bestKnownPosition().latitudeDegrees, 0.0);
    EXPECT_EQ(bestKnownPosition().longitudeDegrees, 0.0);
}

TEST(CurrentLocation, WithNothingStoredItStartsAtThePrincipalPlaceOfTheZoneUntilAFix) {
    TimeZone::setDefaultZone(TimeZone::named("America/Argentina/Buenos_Aires"));
    TemporarySettings empty;
    ScriptedLocation first(empty.settings());
    const PlaceWithOrigin& place = first.location.bestLocation();
    EXPECT_EQ(place.origin, PlaceWithOrigin::Origin::TimeZone);
    EXPECT_EQ(placeOriginText(place.origin), QStringLiteral("time zone"));
    EXPECT_EQ(place.name, QStringLiteral("Buenos Aires"));
    EXPECT_EQ(place.zone, QStringLiteral("America/Argentina/Buenos_Aires"));
    const std::optional<ZonePlace> listed =
        principalPlaceOfZone("America/Argentina/Buenos_Aires", zoneDatabaseFolder());
    ASSERT_TRUE(listed.has_value());
    EXPECT_EQ(place.latitudeDegrees, listed->latitudeDegrees);
    EXPECT_EQ(place.longitudeDegrees, listed->longitudeDegrees);
    EXPECT_EQ(bestKnownPosition().latitudeDegrees, listed->latitudeDegrees);
    // Not stored: a later run in another zone starts in that one.
    EXPECT_FALSE(empty.reopened().storedPlace().has_value());
    first.source->report(fix(10.0, 20.0));
    EXPECT_EQ(first.location.bestLocation().origin, PlaceWithOrigin::Origin::Fix);

    // A stored place wins over the zone's.
    TemporarySettings stored;
    stored.settings().storePlace({0.0, 0.0, {}, {}, PlaceWithOrigin::Origin::Fix});
    ScriptedLocation second(stored.settings());
    EXPECT_EQ(second.location.bestLocation().origin, PlaceWithOrigin::Origin::Remembered);
    TimeZone::setDefaultZone(TimeZone::gmt());
}

TEST(CurrentLocation, FixesFromAnNmeaLogAreAcceptedStoredAndAnnouncedInOrder) {
    TemporarySettings temporary;
    QNmeaPositionInfoSource* nmea = nullptr;
    CurrentLocation location(temporary.settings(), [&nmea](QObject* parent) {
        nmea = new QNmeaPositionInfoSource(QNmeaPositionInfoSource::SimulationMode, parent);
        auto* log = new QBuffer(nmea);
        log->setData(kTwoPlaces);
        nmea->setDevice(log);
        return nmea;
    });
    ASSERT_NE(nmea, nullptr);
    QSignalSpy announced(&location, &CurrentLocation::changeLocationNotification);
    const auto place = [&announced](qsizetype index) {
        return announced.at(index).at(0).value<PlaceWithOrigin>();
    };
    while ((announced.isEmpty() || place(announced.size() - 1).latitudeDegrees < 60.0) &&
           announced.wait(5000)) {
    }
    ASSERT_GE(announced.size(), 2);
    const PlaceWithOrigin berlin = place(0);
    EXPECT_NEAR(berlin.latitudeDegrees, 52.516667, 1e-6);
    EXPECT_NEAR(berlin.longitudeDegrees, 13.4, 1e-6);
    EXPECT_EQ(berlin.origin, PlaceWithOrigin::Origin::Fix);
    const PlaceWithOrigin tromso = place(announced.size() - 1);
    EXPECT_NEAR(tromso.latitudeDegrees, 69.6489, 1e-6);
    EXPECT_NEAR(tromso.longitudeDegrees, 18.9551, 1e-6);

    const std::optional<PlaceWithOrigin> stored = temporary.reopened().storedPlace();
    ASSERT_TRUE(stored.has_value());
    EXPECT_NEAR(stored->latitudeDegrees, location.bestLocation().latitudeDegrees, 1e-12);
    EXPECT_NEAR(stored->longitudeDegrees, location.bestLocation().longitudeDegrees, 1e-12);
}

TEST(CurrentLocation, InvalidUpdatesChangeNothingWhileLessAccurateOnesAreTaken) {
    TimeZone::setDefaultZone(TimeZone::gmt());
    TemporarySettings temporary;
    ScriptedLocation scripted(temporary.settings());
    QSignalSpy announced(&scripted.location, &CurrentLocation::changeLocationNotification);

    QGeoPositionInfo negative = fix(10.0, 10.0);
    negative.setAttribute(QGeoPositionInfo::HorizontalAccuracy, -1.0);
    QGeoPositionInfo notANumber = fix(10.0, 10.0);
    notANumber.setAttribute(QGeoPositionInfo::HorizontalAccuracy,
                            std::numeric_limits<double>::quiet_NaN());
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const QGeoPositionInfo& update : {negative, notANumber, fix(nan, 10.0), fix(10.0, nan),
                                           fix(91.0, 0.0), fix(0.0, 180.5), QGeoPositionInfo()}) {
        scripted.source->report(update);
    }
    EXPECT_EQ(announced.size(), 0);
    EXPECT_EQ(scripted.location.bestLocation().origin, PlaceWithOrigin::Origin::Fallback);
    EXPECT_FALSE(temporary.reopened().storedPlace().has_value());

    QGeoPositionInfo precise = fix(10.0, 20.0);
    precise.setAttribute(QGeoPositionInfo::HorizontalAccuracy, 10.0);
    QGeoPositionInfo vague = fix(11.0, 21.0);
    vague.setAttribute(QGeoPositionInfo::HorizontalAccuracy, 5000.0);
    scripted.source->report(precise);
    scripted.source->report(vague);
    ASSERT_EQ(announced.size(), 2);
    EXPECT_EQ(scripted.location.bestLocation().latitudeDegrees, 11.0);
    EXPECT_EQ(temporary.reopened().storedPlace()->longitudeDegrees, 21.0);
}

TEST(CurrentLocation, APlaceChosenByHandStopsTheServiceUntilTheUserAsksForTheirLocation) {
    TemporarySettings temporary;
    ScriptedLocation scripted(temporary.settings());
    QSignalSpy announced(&scripted.location, &CurrentLocation::changeLocationNotification);

    scripted.location.choosePlace({69.6489, 18.9551, QStringLiteral("Tromsø"),
                                   QStringLiteral("Europe/Oslo"), PlaceWithOrigin::Origin::Fix});
    ASSERT_EQ(announced.size(), 1);
    EXPECT_EQ(scripted.location.bestLocation().origin, PlaceWithOrigin::Origin::Chosen);
    EXPECT_EQ(scripted.source->stops, 1);
    EXPECT_FALSE(scripted.location.following());
    EXPECT_FALSE(temporary.reopened().boolValue(kFollowLocationKey));

    // A fix that was on its way is not taken.
    scripted.source->report(fix(1.0, 2.0));
    EXPECT_EQ(announced.size(), 1);
    EXPECT_EQ(scripted.location.bestLocation().name, QStringLiteral("Tromsø"));

    // The next run keeps the chosen place and leaves the service off.
    {
        ScriptedLocation nextRun(temporary.settings());
        EXPECT_EQ(nextRun.source, nullptr);
        EXPECT_EQ(nextRun.location.bestLocation().name, QStringLiteral("Tromsø"));
        EXPECT_EQ(nextRun.location.bestLocation().origin, PlaceWithOrigin::Origin::Chosen);
    }

    scripted.location.followLocation();
    EXPECT_EQ(scripted.source->starts, 2);
    scripted.source->report(fix(1.0, 2.0));
    EXPECT_EQ(announced.size(), 2);
    EXPECT_EQ(scripted.location.bestLocation().origin, PlaceWithOrigin::Origin::Fix);
    EXPECT_TRUE(temporary.reopened().boolValue(kFollowLocationKey));
}

TEST(CurrentLocation, EachKindOfFailureIsShownOnceWithItsText) {
    TimeZone::setDefaultZone(TimeZone::gmt());
    TemporarySettings temporary;
    ScriptedLocation scripted(temporary.settings());
    QSignalSpy alerts(&scripted.location, &CurrentLocation::locationError);

    scripted.source->fail(QGeoPositionInfoSource::AccessError);
    scripted.source->fail(QGeoPositionInfoSource::AccessError);
    scripted.source->fail(QGeoPositionInfoSource::UpdateTimeoutError);
    scripted.source->fail(QGeoPositionInfoSource::ClosedError);
    scripted.source->fail(QGeoPositionInfoSource::UpdateTimeoutError);
    scripted.source->fail(QGeoPositionInfoSource::NoError);

    ASSERT_EQ(alerts.size(), 3);
    for (const QList<QVariant>& alert : alerts) {
        EXPECT_EQ(alert.at(0).toString(), QStringLiteral("Error Getting Location"));
    }
    EXPECT_EQ(alerts.at(0).at(1).toString(), localizedString("LocationDenied") + "\n");
    EXPECT_EQ(alerts.at(1).at(1).toString(), localizedString("LocationUnknown") + "\n");
    EXPECT_EQ(alerts.at(2).at(1).toString(),
              localizedString("GenericLocationError") + " " +
                  QString::number(QGeoPositionInfoSource::ClosedError) + "\n");
    // The texts ship in English; an unknown key shows itself.
    EXPECT_NE(localizedString("LocationDenied"), QStringLiteral("LocationDenied"));
    EXPECT_EQ(localizedString("NoSuchKey"), QStringLiteral("NoSuchKey"));
    // Nothing moved.
    EXPECT_EQ(scripted.location.bestLocation().origin, PlaceWithOrigin::Origin::Fallback);
}

}  // namespace
}  // namespace quenaro
