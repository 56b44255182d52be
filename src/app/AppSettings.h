#pragma once

#include <QSize>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

#include "app/ObserverPlace.h"
#include "views/ArmillarySettings.h"

class QSettings;

namespace quenaro {

/// The user's settings: the platform's per-user store read through the table of registered
/// defaults, so a key that is absent (or holds a value of the wrong kind) reads its default.
/// Keys and defaults:
///   Facing false, ShowAltAz true, ShowEcliptic true, ShowRaDec true,
///   ShowConstellationLines true, ShowMinMagnitude 4.5 (float), ShowCircles false,
///   FollowLocation true, UsePlaceTimeZone false; Audience (integer) reads 0 when absent.
/// The place is stored as LastLat, LastLon (degrees), PlaceName and PlaceZone.
class AppSettings {
  public:
    /// The user's own settings (QSettings for the application's organisation and name).
    AppSettings();
    /// Settings in an INI file at the path (tests, or a second profile).
    explicit AppSettings(const QString& iniPath);
    ~AppSettings();
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    /// The registered default of a key; an invalid QVariant for a key without one.
    static QVariant registeredDefault(const QString& key);

    /// A boolean setting: the stored "true"/"false" (or 1/0), else the registered default.
    bool boolValue(const QString& key) const;
    /// A number setting: the stored finite number, else the registered default (0 without).
    double numberValue(const QString& key) const;
    /// An integer setting: the stored integer, else the registered default (0 without).
    int intValue(const QString& key) const;
    void setBoolValue(const QString& key, bool value);

    /// The stored place, read all-or-nothing: none when LastLat and LastLon are not both
    /// stored as finite numbers within [-90, 90] and [-180, 180] (a diagnostic-log line says
    /// why, unless neither is stored). Its origin is Remembered.
    std::optional<ObserverPlace> storedPlace() const;
    /// Stores the place's coordinates, name and zone together and writes them out at once,
    /// so a later run never reads one key new and another old.
    void storePlace(const ObserverPlace& place);

    /// The star chart's six settings: ShowAltAz, ShowEcliptic, ShowRaDec,
    /// ShowConstellationLines, ShowMinMagnitude (taken within -30 to 30) and ShowCircles.
    ArmillarySettings armillarySettings() const;

    /// The window's size in points; none when not stored or not a sensible size.
    std::optional<QSize> windowSize() const;
    void setWindowSize(QSize size);

    /// Writes pending changes out.
    void sync();

  private:
    std::unique_ptr<QSettings> store_;
};

}  // namespace quenaro
