#include "app/AppSettings.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <array>
#include <cmath>
#include <limits>

#include "app/SettingsFileDamage.h"
#include "app/SettingsKeys.h"
#include "base/DiagnosticLog.h"

namespace quenaro {

namespace {

constexpr int kLargestWindowSide = 16384;

struct RegisteredDefault {
    QLatin1String key;
    QVariant value;
    /// The range a stored number must lie in (numbers only; both inclusive).
    double smallest = -std::numeric_limits<double>::infinity();
    double largest = std::numeric_limits<double>::infinity();
};

/// The Positions setting's choices as the file holds them.
struct PositionsText {
    PositionsChoice choice;
    QLatin1String text;
};
constexpr std::array<PositionsText, 2> kPositionsTexts{{
    {PositionsChoice::Almanac, QLatin1String("almanac")},
    {PositionsChoice::Precise, QLatin1String("precise")},
}};

const std::array<RegisteredDefault, 11>& registeredDefaults() {
    static const std::array<RegisteredDefault, 11> table = {{
        {kFacingKey, false},
        {kShowAltAzKey, true},
        {kShowEclipticKey, true},
        {kShowRaDecKey, true},
        {kShowConstellationLinesKey, true},
        {kShowMinMagnitudeKey, 4.5f, kBrightestMagnitudeLimit, kFaintestMagnitudeLimit},
        {kShowCirclesKey, false},
        {kFollowLocationKey, true},
        {kUsePlaceTimeZoneKey, false},
        {kNightModeKey, false},
        {kPositionsKey, QString(kPositionsTexts[0].text)},
    }};
    return table;
}

const RegisteredDefault* registeredEntry(const QString& key) {
    for (const RegisteredDefault& entry : registeredDefaults()) {
        if (key == entry.key) {
            return &entry;
        }
    }
    return nullptr;
}

/// Whether a finite number lies in the key's registered range (any number without one).
bool withinRange(const QString& key, double value) {
    const RegisteredDefault* entry = registeredEntry(key);
    return entry == nullptr || (value >= entry->smallest && value <= entry->largest);
}

/// A stored boolean: a bool, or its text form ("true", "false", "1", "0") as INI files hold it.
std::optional<bool> readBool(const QVariant& stored) {
    if (stored.typeId() == QMetaType::Bool) {
        return stored.toBool();
    }
    const QString text = stored.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1")) {
        return true;
    }
    if (text == QLatin1String("false") || text == QLatin1String("0")) {
        return false;
    }
    return std::nullopt;
}

/// A stored Positions choice: one of its texts, in any case, as INI files hold it.
std::optional<PositionsChoice> readPositions(const QVariant& stored) {
    const QString text = stored.toString().trimmed();
    for (const PositionsText& entry : kPositionsTexts) {
        if (text.compare(entry.text, Qt::CaseInsensitive) == 0) {
            return entry.choice;
        }
    }
    return std::nullopt;
}

std::optional<double> readFiniteNumber(const QVariant& stored) {
    bool ok = false;
    const double value = stored.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

void logIgnored(const QString& key, const QVariant& stored) {
    diagnosticLog(QStringLiteral("Settings: %1 = \"%2\" is not of its kind or out of its range; "
                                 "the default is used")
                      .arg(key, stored.toString())
                      .toStdString());
}

/// A stored whole number that fits an int, in plain decimal text ("2.5", "1e3" and numbers
/// beyond the int range are not).
std::optional<int> readInt(const QVariant& stored) {
    bool ok = false;
    const int value = stored.toString().trimmed().toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

AppSettings::AppSettings() : store_(std::make_unique<QSettings>()) {
    checkFile();
}

AppSettings::AppSettings(const QString& iniPath)
    : store_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {
    checkFile();
}

void AppSettings::checkFile() {
    const QString path = store_->fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;  // none yet, or not a file that can be read: nothing stored to lose
    }
    const QString damage = settingsFileDamage(file.readAll());
    file.close();
    if (damage.isEmpty()) {
        return;
    }
    const QString copy = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const bool copied = QFile::copy(path, copy);
    damageNotice_ =
        QStringLiteral("The settings file %1 is damaged (%2). %3 The remembered place is not used.")
            .arg(path, damage,
                 copied ? QStringLiteral("It was copied to %1 as it was.").arg(copy)
                        : QStringLiteral("It could not be copied to %1.").arg(copy));
    diagnosticLog(QStringLiteral("Settings: %1").arg(damageNotice_).toStdString());
    if (copied) {
        // What can be read is written again as a sound file, without the place.
        QList<std::pair<QString, QVariant>> kept;
        for (const QString& key : store_->allKeys()) {
            if (key != kLastLatKey && key != kLastLonKey && key != kPlaceNameKey &&
                key != kPlaceZoneKey) {
                kept.append({key, store_->value(key)});
            }
        }
        QFile::remove(path);
        store_->clear();
        for (const auto& [key, value] : kept) {
            store_->setValue(key, value);
        }
        writeOut();
    }
}

bool AppSettings::writeOut() {
    store_->sync();
    // A FormatError stays from reading a damaged file; only an AccessError is a failed write.
    if (store_->status() != QSettings::AccessError) {
        return true;
    }
    if (!writeHasFailed_) {
        writeHasFailed_ = true;
        const QString message =
            QStringLiteral(
                "The settings could not be saved to %1; changes last until Quenaro "
                "quits.")
                .arg(store_->fileName());
        diagnosticLog(QStringLiteral("Settings: %1").arg(message).toStdString());
        emit writeFailed(message);
    }
    return false;
}

AppSettings::~AppSettings() = default;

QVariant AppSettings::registeredDefault(const QString& key) {
    const RegisteredDefault* entry = registeredEntry(key);
    return entry != nullptr ? entry->value : QVariant();
}

bool AppSettings::boolValue(const QString& key) const {
    if (store_->contains(key)) {
        const QVariant stored = store_->value(key);
        if (const std::optional<bool> value = readBool(stored)) {
            return *value;
        }
        logIgnored(key, stored);
    }
    return registeredDefault(key).toBool();
}

double AppSettings::numberValue(const QString& key) const {
    if (store_->contains(key)) {
        const QVariant stored = store_->value(key);
        if (const std::optional<double> value = readFiniteNumber(stored);
            value && withinRange(key, *value)) {
            return *value;
        }
        logIgnored(key, stored);
    }
    return registeredDefault(key).toDouble();
}

int AppSettings::intValue(const QString& key) const {
    if (store_->contains(key)) {
        const QVariant stored = store_->value(key);
        if (const std::optional<int> value = readInt(stored)) {
            return *value;
        }
        logIgnored(key, stored);
    }
    return registeredDefault(key).toInt();
}

PositionsChoice AppSettings::positions() const {
    if (store_->contains(kPositionsKey)) {
        const QVariant stored = store_->value(kPositionsKey);
        if (const std::optional<PositionsChoice> choice = readPositions(stored)) {
            return *choice;
        }
        logIgnored(kPositionsKey, stored);
    }
    return *readPositions(registeredDefault(kPositionsKey));
}

void AppSettings::setPositions(PositionsChoice choice) {
    for (const PositionsText& entry : kPositionsTexts) {
        if (entry.choice == choice) {
            store(kPositionsKey, QString(entry.text));
        }
    }
}

void AppSettings::setBoolValue(const QString& key, bool value) {
    store(key, value);
}

void AppSettings::setNumberValue(const QString& key, double value) {
    if (!std::isfinite(value) || !withinRange(key, value)) {
        diagnosticLog(QStringLiteral("Settings: %1 = %2 is not stored: out of its range")
                          .arg(key)
                          .arg(value)
                          .toStdString());
        return;
    }
    store(key, value);
}

void AppSettings::setIntValue(const QString& key, int value) {
    store(key, value);
}

void AppSettings::resetValue(const QString& key) {
    store(key, QVariant());
}

void AppSettings::store(const QString& key, const QVariant& value) {
    // Compared as text, the way the file holds every value.
    const bool wasStored = store_->contains(key);
    const QString before = store_->value(key).toString();
    if (value.isValid()) {
        store_->setValue(key, value);
    } else {
        store_->remove(key);
    }
    writeOut();
    if (wasStored != value.isValid() || before != value.toString()) {
        emit valueChanged(key);
    }
}

std::optional<PlaceWithOrigin> AppSettings::storedPlace() const {
    if (!damageNotice_.isEmpty()) {
        return std::nullopt;  // a cut or doubled number could be any place
    }
    const bool hasLatitude = store_->contains(kLastLatKey);
    const bool hasLongitude = store_->contains(kLastLonKey);
    if (!hasLatitude && !hasLongitude) {
        return std::nullopt;
    }
    if (hasLatitude != hasLongitude) {
        diagnosticLog(QStringLiteral("Settings: %1 is stored without %2; the stored position is "
                                     "ignored")
                          .arg(hasLatitude ? kLastLatKey : kLastLonKey,
                               hasLatitude ? kLastLonKey : kLastLatKey)
                          .toStdString());
        return std::nullopt;
    }
    const QVariant latitude = store_->value(kLastLatKey);
    const QVariant longitude = store_->value(kLastLonKey);
    const std::optional<double> latitudeDegrees = readFiniteNumber(latitude);
    const std::optional<double> longitudeDegrees = readFiniteNumber(longitude);
    if (!latitudeDegrees || !longitudeDegrees ||
        !validCoordinates(*latitudeDegrees, *longitudeDegrees)) {
        diagnosticLog(QStringLiteral("Settings: the stored position %1 = \"%2\", %3 = \"%4\" is "
                                     "not a latitude within -90..90 and a longitude within "
                                     "-180..180 degrees; it is ignored")
                          .arg(kLastLatKey, latitude.toString(), kLastLonKey, longitude.toString())
                          .toStdString());
        return std::nullopt;
    }
    PlaceWithOrigin place;
    place.latitudeDegrees = *latitudeDegrees;
    place.longitudeDegrees = *longitudeDegrees;
    place.name = store_->value(kPlaceNameKey).toString();
    place.zone = store_->value(kPlaceZoneKey).toString();
    place.origin = PlaceWithOrigin::Origin::Remembered;
    return place;
}

bool AppSettings::storePlace(const PlaceWithOrigin& place) {
    // QSettings writes the whole file anew (to a temporary file renamed over the old one)
    // on sync(), so the four keys reach the disk together.
    store_->setValue(kLastLatKey, place.latitudeDegrees);
    store_->setValue(kLastLonKey, place.longitudeDegrees);
    if (place.name.isEmpty()) {
        store_->remove(kPlaceNameKey);
    } else {
        store_->setValue(kPlaceNameKey, place.name);
    }
    if (place.zone.isEmpty()) {
        store_->remove(kPlaceZoneKey);
    } else {
        store_->setValue(kPlaceZoneKey, place.zone);
    }
    return writeOut();
}

ArmillarySettings AppSettings::armillarySettings() const {
    ArmillarySettings chart;
    chart.showAltAz = boolValue(kShowAltAzKey);
    chart.showEcliptic = boolValue(kShowEclipticKey);
    chart.showRaDec = boolValue(kShowRaDecKey);
    chart.showConstellationLines = boolValue(kShowConstellationLinesKey);
    // Within 1 to 6.5 (numberValue), so a float holds it.
    chart.showMinMagnitude = static_cast<float>(numberValue(kShowMinMagnitudeKey));
    chart.showCircles = boolValue(kShowCirclesKey);
    return chart;
}

OrrerySettings AppSettings::orrerySettings() const {
    return {intValue(kAudienceKey)};
}

SheetSettings AppSettings::sheetSettings() const {
    return {QLocale::system().measurementSystem() == QLocale::MetricSystem};
}

bool AppSettings::isArmillarySetting(const QString& key) {
    for (const QLatin1String chartKey :
         {kShowAltAzKey, kShowEclipticKey, kShowRaDecKey, kShowConstellationLinesKey,
          kShowMinMagnitudeKey, kShowCirclesKey}) {
        if (key == chartKey) {
            return true;
        }
    }
    return false;
}

std::optional<QSize> AppSettings::windowSize() const {
    const QSize size = store_->value(kWindowSizeKey).toSize();
    if (size.width() <= 0 || size.height() <= 0 || size.width() > kLargestWindowSide ||
        size.height() > kLargestWindowSide) {
        return std::nullopt;
    }
    return size;
}

void AppSettings::setWindowSize(QSize size) {
    store_->setValue(kWindowSizeKey, size);
}

void AppSettings::sync() {
    writeOut();
}

}  // namespace quenaro
