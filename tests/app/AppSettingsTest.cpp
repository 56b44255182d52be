// The settings: registered defaults for absent, malformed or out-of-range keys, setters that
// announce a change and refuse numbers out of range, and the stored place read all-or-nothing
// and written as one.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QVariant>
#include <cmath>
#include <limits>
#include <utility>

#include "AppTestSupport.h"
#include "app/QuenaroWindow.h"
#include "app/SettingsKeys.h"
#include "support/CapturedLog.h"

namespace quenaro {
namespace {

using testing::TemporarySettings;

// The keys' constants name the keys of the settings file (README, Settings).
TEST(AppSettings, KeyConstantsNameTheFilesKeys) {
    const std::pair<QLatin1String, const char*> keys[] = {
        {kFacingKey, "Facing"},
        {kShowAltAzKey, "ShowAltAz"},
        {kShowEclipticKey, "ShowEcliptic"},
        {kShowRaDecKey, "ShowRaDec"},
        {kShowConstellationLinesKey, "ShowConstellationLines"},
        {kShowMinMagnitudeKey, "ShowMinMagnitude"},
        {kShowCirclesKey, "ShowCircles"},
        {kAudienceKey, "Audience"},
        {kFollowLocationKey, "FollowLocation"},
        {kUsePlaceTimeZoneKey, "UsePlaceTimeZone"},
        {kLastLatKey, "LastLat"},
        {kLastLonKey, "LastLon"},
        {kPlaceNameKey, "PlaceName"},
        {kPlaceZoneKey, "PlaceZone"},
        {kNightModeKey, "NightMode"},
        {kPositionsKey, "Positions"},
        {kWindowSizeKey, "WindowSize"},
    };
    for (const auto& [constant, name] : keys) {
        EXPECT_EQ(QString(constant), QString::fromLatin1(name));
    }
}

TEST(AppSettings, AbsentKeysReadTheirRegisteredDefaults) {
    TemporarySettings temporary;
    const AppSettings& settings = temporary.settings();
    EXPECT_FALSE(settings.boolValue(QStringLiteral("Facing")));
    EXPECT_EQ(settings.intValue(QStringLiteral("Audience")), 0);
    for (const char* shown :
         {"ShowAltAz", "ShowEcliptic", "ShowRaDec", "ShowConstellationLines", "FollowLocation"}) {
        EXPECT_TRUE(settings.boolValue(QString::fromLatin1(shown))) << shown;
    }
    EXPECT_FALSE(settings.boolValue(QStringLiteral("ShowCircles")));
    EXPECT_FALSE(settings.boolValue(QStringLiteral("UsePlaceTimeZone")));
    EXPECT_FLOAT_EQ(static_cast<float>(settings.numberValue(QStringLiteral("ShowMinMagnitude"))),
                    4.5f);
    EXPECT_FALSE(settings.storedPlace().has_value());
    EXPECT_FALSE(settings.windowSize().has_value());
}

TEST(AppSettings, StoredValuesWinAndMalformedOnesReadTheDefault) {
    TemporarySettings temporary;
    {
        QSettings file(temporary.path(), QSettings::IniFormat);
        file.setValue("Facing", "true");
        file.setValue("ShowAltAz", "no way");
        file.setValue("ShowMinMagnitude", "nan");
        file.setValue("ShowCircles", 1);
        file.setValue("Audience", "2");
        file.setValue("WindowSize", QSize(-5, 40));
    }
    const AppSettings settings = temporary.reopened();
    EXPECT_TRUE(settings.boolValue(QStringLiteral("Facing")));
    EXPECT_TRUE(settings.boolValue(QStringLiteral("ShowAltAz")));
    EXPECT_DOUBLE_EQ(settings.numberValue(QStringLiteral("ShowMinMagnitude")), 4.5);
    EXPECT_TRUE(settings.boolValue(QStringLiteral("ShowCircles")));
    EXPECT_EQ(settings.intValue(QStringLiteral("Audience")), 2);
    EXPECT_FALSE(settings.windowSize().has_value());
}

TEST(AppSettings, ValuesOfTheWrongKindOrOutOfRangeReadTheRegisteredDefault) {
    struct Row {
        const char* key;
        QVariant stored;
        QVariant read;  // what the key reads, of the key's kind
    };
    const Row rows[] = {
        {"ShowMinMagnitude", "6.5", 6.5},
        {"ShowMinMagnitude", "1", 1.0},
        {"ShowMinMagnitude", " 5.25 ", 5.25},
        {"ShowMinMagnitude", "0.99", 4.5},
        {"ShowMinMagnitude", "6.51", 4.5},
        {"ShowMinMagnitude", "-1e308", 4.5},
        {"ShowMinMagnitude", "inf", 4.5},
        {"ShowMinMagnitude", "1e400", 4.5},
        {"ShowMinMagnitude", "4.5 stars", 4.5},
        {"ShowMinMagnitude", "true", 4.5},
        {"ShowMinMagnitude", "", 4.5},
        {"Audience", "1", 1},
        {"Audience", "-3", -3},  // any whole number: all but 0 and 1 show the date only
        {"Audience", "2.5", 0},
        {"Audience", "1e3", 0},
        {"Audience", "99999999999", 0},
        {"Audience", "nan", 0},
        {"Audience", "true", 0},
        {"NightMode", "true", true},
        {"NightMode", "maybe", false},
        {"ShowEcliptic", "2", true},
        {"ShowEcliptic", "0", false},
    };
    for (const Row& row : rows) {
        TemporarySettings temporary;
        {
            QSettings file(temporary.path(), QSettings::IniFormat);
            file.setValue(QString::fromLatin1(row.key), row.stored);
        }
        const AppSettings settings = temporary.reopened();
        const QString key = QString::fromLatin1(row.key);
        const std::string name =
            std::string(row.key) + " = \"" + row.stored.toString().toStdString() + "\"";
        switch (row.read.typeId()) {
            case QMetaType::Bool:
                EXPECT_EQ(settings.boolValue(key), row.read.toBool()) << name;
                break;
            case QMetaType::Int:
                EXPECT_EQ(settings.intValue(key), row.read.toInt()) << name;
                break;
            default:
                EXPECT_EQ(settings.numberValue(key), row.read.toDouble()) << name;
                break;
        }
    }
}

TEST(AppSettings, SettersAnnounceChangesAndRefuseNumbersOutOfRange) {
    TemporarySettings temporary;
    AppSettings& settings = temporary.settings();
    QSignalSpy changes(&settings, &AppSettings::valueChanged);
    const QString circles = QStringLiteral("ShowCircles");
    const QString magnitude = QStringLiteral("ShowMinMagnitude");

    settings.setBoolValue(circles, true);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.takeFirst().at(0).toString(), circles);
    settings.setBoolValue(circles, true);  // the same again: nothing to announce
    EXPECT_EQ(changes.count(), 0);

    {
        testing::CapturedLog log;
        for (const double refused : {0.5, 6.6, std::numeric_limits<double>::quiet_NaN(),
                                     std::numeric_limits<double>::infinity()}) {
            settings.setNumberValue(magnitude, refused);
        }
        EXPECT_EQ(log.lines.size(), 4U);
    }
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(QSettings(temporary.path(), QSettings::IniFormat).contains(magnitude));

    settings.setNumberValue(magnitude, 6.2);
    settings.setIntValue(QStringLiteral("Audience"), 1);
    EXPECT_EQ(changes.count(), 2);
    const AppSettings reread = temporary.reopened();  // written out at once
    EXPECT_TRUE(reread.boolValue(circles));
    EXPECT_DOUBLE_EQ(reread.numberValue(magnitude), 6.2);
    EXPECT_EQ(reread.intValue(QStringLiteral("Audience")), 1);

    changes.clear();
    settings.resetValue(magnitude);
    settings.resetValue(magnitude);  // nothing stored any more: nothing to announce
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.takeFirst().at(0).toString(), magnitude);
    EXPECT_FALSE(QSettings(temporary.path(), QSettings::IniFormat).contains(magnitude));
    EXPECT_DOUBLE_EQ(temporary.reopened().numberValue(magnitude), 4.5);
}

// Positions is written as its choice's name and read back in any case; anything else stored
// reads Almanac, with a log line, and is left in the file as it was.
TEST(AppSettings, PositionsRoundTripsAndAnythingElseReadsAlmanac) {
    TemporarySettings temporary;
    AppSettings& settings = temporary.settings();
    EXPECT_EQ(settings.positions(), PositionsChoice::Almanac);
    QSignalSpy changes(&settings, &AppSettings::valueChanged);
    settings.setPositions(PositionsChoice::Precise);
    settings.setPositions(PositionsChoice::Precise);  // the same again: nothing to announce
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(QSettings(temporary.path(), QSettings::IniFormat).value("Positions"), "precise");
    EXPECT_EQ(temporary.reopened().positions(), PositionsChoice::Precise);

    const struct {
        QVariant stored;
        PositionsChoice read;
        bool logged;
    } rows[] = {
        {" Precise ", PositionsChoice::Precise, false},
        {"ALMANAC", PositionsChoice::Almanac, false},
        {"precisely", PositionsChoice::Almanac, true},
        {"1", PositionsChoice::Almanac, true},
        {"", PositionsChoice::Almanac, true},
        {QStringList{"precise", "almanac"}, PositionsChoice::Almanac, true},
    };
    for (const auto& row : rows) {
        TemporarySettings stored;
        QSettings(stored.path(), QSettings::IniFormat).setValue("Positions", row.stored);
        const testing::CapturedLog log;
        const AppSettings reread = stored.reopened();
        const std::string name = row.stored.toStringList().join('|').toStdString();
        EXPECT_EQ(reread.positions(), row.read) << name;
        EXPECT_EQ(log.lines.size(), row.logged ? 1U : 0U) << name;
        EXPECT_EQ(QSettings(stored.path(), QSettings::IniFormat).value("Positions"), row.stored)
            << name;
    }
}

TEST(AppSettings, ChartSettingsAreTheSixKeysWithTheMagnitudeLimitInItsRange) {
    TemporarySettings temporary;
    EXPECT_EQ(temporary.settings().armillarySettings(), ArmillarySettings());
    struct Row {
        const char* magnitude;
        float limit;
    };
    const Row rows[] = {
        {"6.5", 6.5f}, {"1", 1.0f}, {"1e300", 4.5f}, {"-1e300", 4.5f}, {"bright", 4.5f}};
    for (const Row& row : rows) {
        {
            QSettings file(temporary.path(), QSettings::IniFormat);
            file.setValue("ShowAltAz", false);
            file.setValue("ShowEcliptic", "false");
            file.setValue("ShowRaDec", 0);
            file.setValue("ShowConstellationLines", "maybe");
            file.setValue("ShowMinMagnitude", row.magnitude);
            file.setValue("ShowCircles", true);
        }
        const ArmillarySettings chart = temporary.reopened().armillarySettings();
        EXPECT_FALSE(chart.showAltAz);
        EXPECT_FALSE(chart.showEcliptic);
        EXPECT_FALSE(chart.showRaDec);
        EXPECT_TRUE(chart.showConstellationLines);  // not a boolean: the default
        EXPECT_EQ(chart.showMinMagnitude, row.limit) << row.magnitude;
        EXPECT_TRUE(chart.showCircles);
    }
}

TEST(AppSettings, StoredPositionIsReadAllOrNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        const char* name;
        QVariant latitude;   // invalid: key absent
        QVariant longitude;  // invalid: key absent
        bool used;
    };
    const Row rows[] = {
        {"nothing stored", {}, {}, false},
        {"zero is a position", 0.0, 0.0, true},
        {"south-west corner", -90.0, -180.0, true},
        {"latitude without longitude", 52.5, {}, false},
        {"longitude without latitude", {}, 13.4, false},
        {"not a number", nan, 13.4, false},
        {"text", "fifty", 13.4, false},
        {"latitude beyond the pole", 90.5, 13.4, false},
        {"longitude beyond the date line", 52.5, -180.01, false},
        {"infinite", 52.5, std::numeric_limits<double>::infinity(), false},
    };
    for (const Row& row : rows) {
        TemporarySettings temporary;
        {
            QSettings file(temporary.path(), QSettings::IniFormat);
            if (row.latitude.isValid()) {
                file.setValue("LastLat", row.latitude);
            }
            if (row.longitude.isValid()) {
                file.setValue("LastLon", row.longitude);
            }
        }
        const std::optional<PlaceWithOrigin> place = temporary.reopened().storedPlace();
        ASSERT_EQ(place.has_value(), row.used) << row.name;
        if (place) {
            EXPECT_EQ(place->latitudeDegrees, row.latitude.toDouble()) << row.name;
            EXPECT_EQ(place->longitudeDegrees, row.longitude.toDouble()) << row.name;
            EXPECT_EQ(place->origin, PlaceWithOrigin::Origin::Remembered) << row.name;
        }
    }
}

TEST(AppSettings, StoringAPlaceWritesItsFourKeysToTheFileAtOnce) {
    TemporarySettings temporary;
    PlaceWithOrigin tromso{69.6489, 18.9551, QStringLiteral("Tromsø"),
                           QStringLiteral("Europe/Oslo"), PlaceWithOrigin::Origin::Chosen};
    temporary.settings().storePlace(tromso);
    // Read by another reader of the file, without the writer's cache.
    std::optional<PlaceWithOrigin> stored = temporary.reopened().storedPlace();
    ASSERT_TRUE(stored.has_value());
    EXPECT_DOUBLE_EQ(stored->latitudeDegrees, 69.6489);
    EXPECT_DOUBLE_EQ(stored->longitudeDegrees, 18.9551);
    EXPECT_EQ(stored->name, QStringLiteral("Tromsø"));
    EXPECT_EQ(stored->zone, QStringLiteral("Europe/Oslo"));

    // A place known by coordinates only drops the old name and zone.
    temporary.settings().storePlace({-33.9, 18.4, {}, {}, PlaceWithOrigin::Origin::Fix});
    stored = temporary.reopened().storedPlace();
    ASSERT_TRUE(stored.has_value());
    EXPECT_DOUBLE_EQ(stored->latitudeDegrees, -33.9);
    EXPECT_TRUE(stored->name.isEmpty());
    EXPECT_TRUE(stored->zone.isEmpty());
}

}  // namespace
}  // namespace quenaro

namespace quenaro {
namespace {

using testing::CapturedLog;

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file that shows damage is copied aside as it was and written again without the place,
// which could be anywhere; what else it holds stays. One notice says so.
TEST(AppSettings, ADamagedFileIsCopiedAsideAndItsPlaceIsNotUsed) {
    const QByteArray place = "[General]\nNightMode=true\nLastLat=52.5\nLastLon=13.4\n";
    struct Row {
        const char* name;
        QByteArray bytes;
        bool damaged;
    };
    const Row rows[] = {
        {"sound", place, false},
        {"sound, with a second section and a comment", place + "; note\n[Other]\nLastLat=1\n",
         false},
        {"cut in the middle of a number", "[General]\nNightMode=true\nLastLat=52.5\nLastLon=1",
         true},
        {"a section twice", place + "[General]\nLastLon=1\n", true},
        {"a key twice", place + "LastLon=1\n", true},
        {"a line that is not key=value", "[General]\nNightMode=true\nLastLat\nLastLon=13.4\n",
         true},
        {"a section never closed", "[General\nNightMode=true\nLastLat=52.5\nLastLon=13.4\n", true},
    };
    for (const Row& row : rows) {
        const QTemporaryDir directory;
        const QString path = directory.filePath(QStringLiteral("Quenaro.conf"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(row.bytes);
        file.close();
        const CapturedLog log;
        const AppSettings settings(path);
        const QStringList copies =
            QDir(directory.path()).entryList({QStringLiteral("Quenaro.conf.damaged-*")});
        EXPECT_EQ(settings.storedPlace().has_value(), !row.damaged) << row.name;
        EXPECT_EQ(settings.damageNotice().isEmpty(), !row.damaged) << row.name;
        EXPECT_TRUE(settings.boolValue(kNightModeKey)) << row.name;
        if (!row.damaged) {
            EXPECT_TRUE(copies.isEmpty()) << row.name;
            EXPECT_EQ(fileBytes(path), row.bytes) << row.name;
            continue;
        }
        ASSERT_EQ(copies.size(), 1) << row.name;
        EXPECT_EQ(fileBytes(directory.filePath(copies.front())), row.bytes) << row.name;
        EXPECT_EQ(log.lines.size(), 1u) << row.name;
        // The file now written is sound and keeps the other settings.
        const AppSettings next(path);
        EXPECT_TRUE(next.damageNotice().isEmpty()) << row.name << ": " << fileBytes(path).data();
        EXPECT_FALSE(next.storedPlace().has_value()) << row.name;
        EXPECT_TRUE(next.boolValue(kNightModeKey)) << row.name;
    }
}

// A file that cannot be written (a folder under its name, a file where its folder should be)
// is told once, however many writes fail, and storing a place says it failed.
TEST(AppSettings, AFailedWriteIsToldOnce) {
    for (const char* name : {"Quenaro.conf", "file/Quenaro.conf"}) {
        const QTemporaryDir directory;
        ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("Quenaro.conf")));
        QFile blocker(directory.filePath(QStringLiteral("file")));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const CapturedLog log;
        AppSettings settings(directory.filePath(QString::fromLatin1(name)));
        const QSignalSpy failed(&settings, &AppSettings::writeFailed);
        EXPECT_FALSE(settings.writeHasFailed()) << name;
        settings.setBoolValue(kNightModeKey, true);
        EXPECT_FALSE(settings.storePlace({1.0, 2.0, {}, {}, PlaceWithOrigin::Origin::Chosen}));
        settings.setWindowSize({300, 300});
        settings.sync();
        EXPECT_TRUE(settings.writeHasFailed()) << name;
        EXPECT_EQ(failed.count(), 1) << name;
        EXPECT_EQ(log.lines.size(), 1u) << name;
        // This run still reads what it was given.
        EXPECT_TRUE(settings.boolValue(kNightModeKey)) << name;
    }
}

TEST(AppSettings, AStoredWindowSizeIsMadeToFitTheScreen) {
    TemporarySettings temporary;
    temporary.settings().setWindowSize({16384, 16384});
    const QuenaroWindow window(temporary.settings());
    const QSize screen = window.screen()->availableGeometry().size();
    EXPECT_LE(window.width(), screen.width());
    EXPECT_LE(window.height(), screen.height());
    EXPECT_GT(window.width(), 0);
}

}  // namespace
}  // namespace quenaro
