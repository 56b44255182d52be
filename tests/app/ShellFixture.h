#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "AppTestSupport.h"
#include "app/DateTimePicker.h"
#include "app/InterfaceDescription.h"
#include "app/OrreryScreen.h"
#include "model/Ephemeris.h"

namespace quenaro::testing {

/// 2026-03-14 10:15:20 UTC, seconds since the reference date.
inline double marchMorning() {
    return EphemerisDate::dateWithYear(2026, 3, 14, 10, 15, 20, TimeZone::gmt())
        .timeIntervalSinceReferenceDate();
}

inline constexpr double kMinute = 60.0;
inline constexpr double kDay = 86400.0;

/// The whole interface on a clock the test sets, launched, with a scripted location service.
/// A fixture deriving from it may store settings and set `options` before calling SetUp().
class Shell : public ::testing::Test {
  protected:
    void SetUp() override {
        TimeZone::setDefaultZone(TimeZone::gmt());
        options.makeSource = [this](QObject* parent) {
            source = new ScriptedPositionSource(parent);
            return source;
        };
        options.clock = [this] { return now; };
        ui = loadInterface(temporary.settings(), options);
        ui->delegate->applicationDidFinishLaunching();
    }

    QuenaroAppDelegate& delegate() { return *ui->delegate; }
    double modelInstant() const { return ui->ephemeris->date().timeIntervalSinceReferenceDate(); }
    DateTimePicker* datePicker() const { return ui->orreryScreen->datePicker(); }
    DateTimePicker* timePicker() const { return ui->orreryScreen->timePicker(); }

    TemporarySettings temporary;
    InterfaceOptions options;
    double now = marchMorning();
    ScriptedPositionSource* source = nullptr;
    std::unique_ptr<Interface> ui;
};

}  // namespace quenaro::testing
