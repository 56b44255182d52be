#pragma once

#include <QObject>
#include <QSize>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

#include "app/PlaceWithOrigin.h"
#include "drawing/ArmillarySettings.h"
#include "drawing/OrreryDrawing.h"
#include "drawing/SheetDrawing.h"

class QSettings;

namespace quenaro {

/// The range of the ShowMinMagnitude setting, the faintest stars the chart draws (magnitudes).
inline constexpr double kBrightestMagnitudeLimit = 1.0;
inline constexpr double kFaintestMagnitudeLimit = 6.5;

/// The Positions setting: the source that places the Sun, the Moon and the planets.
enum class PositionsChoice {
    /// The almanac's own series (stored as "almanac").
    Almanac,
    /// The precise source (stored as "precise").
    Precise,
};

/// The user's settings: the platform's per-user store read through the table of registered
/// defaults, so a key that is absent, or holds a value of the wrong kind, a non-finite number
/// or a number outside its key's range, reads its default.
/// Keys (named by the constants of SettingsKeys.h) and defaults:
///   Facing false, ShowAltAz true, ShowEcliptic true, ShowRaDec true,
///   ShowConstellationLines true, ShowMinMagnitude 4.5 (float, 1 to 6.5), ShowCircles false,
///   FollowLocation true, UsePlaceTimeZone false, NightMode false, Positions "almanac" (or
///   "precise"); Audience (integer) reads 0 when absent.
/// The place is stored as LastLat, LastLon (degrees), PlaceName and PlaceZone.
/// A file that shows damage (settingsFileDamage) is copied aside as
/// "<file>.damaged-<yyyyMMdd-HHmmss>" when opened, before anything rewrites it, and its stored
/// place is not used. A write that fails is announced once by writeFailed().
/// Every change made through the setters is announced by valueChanged(). Main thread only.
class AppSettings : public QObject {
    Q_OBJECT

  public:
    /// The user's own settings (QSettings for the application's organisation and name).
    AppSettings();
    /// Settings in an INI file at the path (tests, or a second profile).
    explicit AppSettings(const QString& iniPath);
    ~AppSettings() override;
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    /// The registered default of a key; an invalid QVariant for a key without one.
    static QVariant registeredDefault(const QString& key);

    /// A boolean setting: the stored "true"/"false" (or 1/0), else the registered default.
    bool boolValue(const QString& key) const;
    /// A number setting: the stored finite number within the key's range (ShowMinMagnitude
    /// 1 to 6.5), else the registered default (0 without).
    double numberValue(const QString& key) const;
    /// An integer setting: the stored whole number within the int range, else the registered
    /// default (0 without).
    int intValue(const QString& key) const;
    /// Store a value and write it out at once; valueChanged(key) follows when what the key
    /// reads has changed. A number outside the key's range (or not finite) is refused with a
    /// diagnostic-log line and nothing is stored.
    void setBoolValue(const QString& key, bool value);
    void setNumberValue(const QString& key, double value);
    void setIntValue(const QString& key, int value);
    /// Removes the stored value, so the key reads its registered default again; announced
    /// like a change.
    void resetValue(const QString& key);

    /// The Positions setting: the stored "almanac" or "precise" (in any case), else the
    /// registered default, Almanac.
    PositionsChoice positions() const;
    /// Stores the Positions setting, written out and announced as by the other setters.
    void setPositions(PositionsChoice choice);

    /// The stored place, read all-or-nothing: none when LastLat and LastLon are not both
    /// stored as finite numbers within [-90, 90] and [-180, 180] (a diagnostic-log line says
    /// why, unless neither is stored). Its origin is Remembered.
    std::optional<PlaceWithOrigin> storedPlace() const;
    /// Stores the place's coordinates, name and zone together and writes them out at once,
    /// so a later run never reads one key new and another old. False when the file could not
    /// be written.
    bool storePlace(const PlaceWithOrigin& place);

    /// The star chart's six settings: ShowAltAz, ShowEcliptic, ShowRaDec,
    /// ShowConstellationLines, ShowMinMagnitude (1 to 6.5) and ShowCircles.
    ArmillarySettings armillarySettings() const;
    /// What the orrery dial shows: the Audience setting.
    OrrerySettings orrerySettings() const;
    /// What the sheet shows: the Moon's distance in kilometres unless the system's locale
    /// measures in miles (not a stored setting).
    SheetSettings sheetSettings() const;
    /// Whether the key is one of those six.
    static bool isArmillarySetting(const QString& key);

    /// What the user is told about a damaged file found when opening: what showed the damage
    /// and where the copy was kept; empty for a sound file.
    QString damageNotice() const { return damageNotice_; }
    /// Whether a write of the settings has failed in this run.
    bool writeHasFailed() const { return writeHasFailed_; }

    /// The window's size in points; none when not stored or not a sensible size.
    std::optional<QSize> windowSize() const;
    void setWindowSize(QSize size);

    /// Writes pending changes out.
    void sync();

  signals:
    /// A setting now reads a different value (after a setter or resetValue()).
    void valueChanged(const QString& key);
    /// The settings could not be written (the first failure of the run only): why, in words
    /// for the user.
    void writeFailed(const QString& message);

  private:
    /// Stores the value (none: removes the key), writes it out, and announces the change.
    void store(const QString& key, const QVariant& value);
    /// Writes pending changes out; false (announced the first time) when that failed.
    bool writeOut();
    /// Looks for damage in the file as opened and copies a damaged file aside.
    void checkFile();

    std::unique_ptr<QSettings> store_;
    QString damageNotice_;
    bool writeHasFailed_ = false;
};

}  // namespace quenaro
