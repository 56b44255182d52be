#pragma once

#include <QGeoPositionInfoSource>
#include <QObject>
#include <QSet>
#include <functional>

#include "app/PlaceWithOrigin.h"

namespace quenaro {

class AppSettings;

/// The observer's position for the whole application. It starts at the stored place (or
/// the principal place of the process's default zone, else 45 N, 90 W), follows the location service while the setting FollowLocation is true, and
/// takes a place the user chooses by hand (which turns FollowLocation off until the user
/// asks for the device's location again). Every accepted place is stored, becomes the
/// model layer's best known position and is announced with changeLocationNotification().
class CurrentLocation : public QObject {
    Q_OBJECT

  public:
    /// Makes the location service for this object (may return null when there is none).
    using SourceFactory = std::function<QGeoPositionInfoSource*(QObject* parent)>;

    /// The service Qt Positioning offers on this system
    /// (QGeoPositionInfoSource::createDefaultSource).
    static QGeoPositionInfoSource* defaultSource(QObject* parent);

    /// Loads the stored place and, when FollowLocation is on, starts the service that
    /// `makeSource` makes (made once, on first need).
    CurrentLocation(AppSettings& settings, SourceFactory makeSource, QObject* parent = nullptr);

    /// The current best place.
    const PlaceWithOrigin& bestLocation() const { return bestLocation_; }
    /// Whether the best place is the one the settings hold (false when storing it failed).
    bool bestLocationSaved() const { return bestLocationSaved_; }
    /// Whether the location service may move the place (the FollowLocation setting).
    bool following() const { return following_; }

    /// Takes a place chosen by hand: stops the service, turns FollowLocation off, and stores
    /// and announces the place like an update. Places with invalid coordinates are ignored.
    void choosePlace(PlaceWithOrigin place);
    /// Turns FollowLocation on and (re)starts the service.
    void followLocation();

  signals:
    /// ChangeLocationNotification: the place has changed.
    void changeLocationNotification(const quenaro::PlaceWithOrigin& place);
    /// A failure of the location service to show to the user (each kind once per run).
    void locationError(const QString& title, const QString& message);

  private:
    void startService();
    void stopService();
    void positionUpdated(const QGeoPositionInfo& update);
    void serviceFailed(QGeoPositionInfoSource::Error error);
    void accept(const PlaceWithOrigin& place);

    AppSettings& settings_;
    SourceFactory makeSource_;
    QGeoPositionInfoSource* source_ = nullptr;  // owned as a child
    PlaceWithOrigin bestLocation_;
    bool bestLocationSaved_ = true;
    bool following_ = true;
    QSet<int> reportedErrors_;
};

}  // namespace quenaro
