#pragma once

#include <QGeoPositionInfoSource>
#include <QTemporaryDir>
#include <memory>

#include "app/AppSettings.h"

namespace quenaro::testing {

/// Settings in a fresh INI file of their own, removed with the object.
class TemporarySettings {
  public:
    TemporarySettings() : settings_(std::make_unique<AppSettings>(path())) {}

    QString path() const { return directory_.filePath(QStringLiteral("settings.ini")); }
    AppSettings& settings() { return *settings_; }
    /// Reads the file anew, as the next run would.
    AppSettings reopened() const { return AppSettings(path()); }

  private:
    QTemporaryDir directory_;
    std::unique_ptr<AppSettings> settings_;
};

/// A location service the test drives: it reports what the test hands it and counts how
/// often it was started and stopped.
class ScriptedPositionSource : public QGeoPositionInfoSource {
    Q_OBJECT

  public:
    explicit ScriptedPositionSource(QObject* parent) : QGeoPositionInfoSource(parent) {}

    void report(const QGeoPositionInfo& update) { emit positionUpdated(update); }
    void fail(Error error) { emit errorOccurred(error); }

    void startUpdates() override { ++starts; }
    void stopUpdates() override { ++stops; }
    void requestUpdate(int) override {}
    QGeoPositionInfo lastKnownPosition(bool) const override { return {}; }
    PositioningMethods supportedPositioningMethods() const override {
        return AllPositioningMethods;
    }
    int minimumUpdateInterval() const override { return 0; }
    Error error() const override { return NoError; }

    int starts = 0;
    int stops = 0;
};

}  // namespace quenaro::testing
