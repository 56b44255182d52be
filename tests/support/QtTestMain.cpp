// The main of the test programs that need Qt: an application object on the offscreen
// platform, and settings that can never be the user's own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settingsDir;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, settingsDir.path());
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("QuenaroTests"));
    QApplication::setApplicationName(QStringLiteral("QuenaroTests"));
    return RUN_ALL_TESTS();
}
