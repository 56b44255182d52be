#include "app/CurrentLocation.h"

#include <QGeoCoordinate>
#include <cmath>
#include <utility>

#include "app/AppSettings.h"
#include "app/LocalizedStrings.h"
#include "app/QtText.h"
#include "app/SettingsKeys.h"
#include "model/ObserverPosition.h"
#include "places/ZoneLookup.h"
#include "places/ZoneTable.h"
#include "time/TimeZone.h"

namespace quenaro {

namespace {

/// The alert's text for a failure of the service: the localised line for the kind of
/// failure (denied access, no position yet, or another with Qt's code).
QString failureMessage(QGeoPositionInfoSource::Error error) {
    switch (error) {
        case QGeoPositionInfoSource::AccessError:
            return QStringLiteral("%1\n").arg(localizedString("LocationDenied"));
        case QGeoPositionInfoSource::UpdateTimeoutError:
            return QStringLiteral("%1\n").arg(localizedString("LocationUnknown"));
        default:
            return QStringLiteral("%1 %2\n")
                .arg(localizedString("GenericLocationError"))
                .arg(static_cast<int>(error));
    }
}

/// An accuracy attribute that says the fix is invalid: negative (sign bit set) or not a
/// number. A fix without the attribute is taken as it comes.
bool hasInvalidAccuracy(const QGeoPositionInfo& update) {
    if (!update.hasAttribute(QGeoPositionInfo::HorizontalAccuracy)) {
        return false;
    }
    const double accuracyMetres = update.attribute(QGeoPositionInfo::HorizontalAccuracy);
    return std::signbit(accuracyMetres) || std::isnan(accuracyMetres);
}

}  // namespace

QGeoPositionInfoSource* CurrentLocation::defaultSource(QObject* parent) {
    return QGeoPositionInfoSource::createDefaultSource(parent);
}

CurrentLocation::CurrentLocation(AppSettings& settings, SourceFactory makeSource, QObject* parent)
    : QObject(parent), settings_(settings), makeSource_(std::move(makeSource)) {
    const std::optional<PlaceWithOrigin> stored = settings_.storedPlace();
    bestLocation_ = stored
                        ? *stored
                        : placeBeforeFirstFix(TimeZone::defaultZone().name(), zoneDatabaseFolder());
    following_ = settings_.boolValue(kFollowLocationKey);
    if (!following_ && bestLocation_.origin == PlaceWithOrigin::Origin::Remembered) {
        bestLocation_.origin = PlaceWithOrigin::Origin::Chosen;
    }
    setBestKnownPosition({bestLocation_.latitudeDegrees, bestLocation_.longitudeDegrees});
    if (following_) {
        startService();
    }
}

void CurrentLocation::choosePlace(PlaceWithOrigin place) {
    if (!validCoordinates(place.latitudeDegrees, place.longitudeDegrees)) {
        return;
    }
    stopService();
    following_ = false;
    settings_.setBoolValue(kFollowLocationKey, false);
    place.origin = PlaceWithOrigin::Origin::Chosen;
    accept(place);
}

void CurrentLocation::followLocation() {
    following_ = true;
    settings_.setBoolValue(kFollowLocationKey, true);
    startService();
}

void CurrentLocation::startService() {
    if (source_ == nullptr && makeSource_) {
        source_ = makeSource_(this);
        if (source_ != nullptr) {
            connect(source_, &QGeoPositionInfoSource::positionUpdated, this,
                    &CurrentLocation::positionUpdated);
            connect(source_, &QGeoPositionInfoSource::errorOccurred, this,
                    &CurrentLocation::serviceFailed);
        }
    }
    if (source_ != nullptr) {
        source_->startUpdates();
    }
}

void CurrentLocation::stopService() {
    if (source_ != nullptr) {
        source_->stopUpdates();
    }
}

void CurrentLocation::positionUpdated(const QGeoPositionInfo& update) {
    const QGeoCoordinate coordinate = update.coordinate();
    if (!following_ || !update.isValid() || !coordinate.isValid() || hasInvalidAccuracy(update) ||
        !validCoordinates(coordinate.latitude(), coordinate.longitude())) {
        return;
    }
    PlaceWithOrigin place;
    place.latitudeDegrees = coordinate.latitude();
    place.longitudeDegrees = coordinate.longitude();
    place.zone = toQString(zoneAtPosition(place.latitudeDegrees, place.longitudeDegrees));
    place.origin = PlaceWithOrigin::Origin::Fix;
    accept(place);
}

void CurrentLocation::serviceFailed(QGeoPositionInfoSource::Error error) {
    if (error == QGeoPositionInfoSource::NoError || reportedErrors_.contains(error)) {
        return;
    }
    reportedErrors_.insert(error);
    emit locationError(QStringLiteral("Error Getting Location"), failureMessage(error));
}

void CurrentLocation::accept(const PlaceWithOrigin& place) {
    bestLocation_ = place;
    bestLocationSaved_ = settings_.storePlace(place);
    setBestKnownPosition({place.latitudeDegrees, place.longitudeDegrees});
    emit changeLocationNotification(bestLocation_);
}

}  // namespace quenaro
