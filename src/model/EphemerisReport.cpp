// The diagnostic report of the Ephemeris model: everything it knows for its date and place,
// one diagnostic-log entry per line.

#include <cmath>
#include <optional>

#include "base/DiagnosticLog.h"
#include "base/PrintfText.h"
#include "model/Ephemeris.h"
#include "time/TimeUnits.h"

namespace quenaro {

namespace {

std::string describe(const std::optional<EphemerisDate>& date) {
    return date ? date->description() : std::string("none");
}

/// Whole units of a non-negative count for a "%d" field; 0 for a non-finite value.
int wholeUnits(double value) {
    return std::isfinite(value) && std::fabs(value) < 2147483647.0 ? static_cast<int>(value) : 0;
}

/// "<whole> days" and the fraction of a day as hours, minutes and seconds.
std::string daysAndTime(const char* format, double days) {
    return printfText(format, wholeUnits(days),
                      Ephemeris::degreesToHMS((days - std::floor(days)) * 360.0).c_str());
}

}  // namespace

void Ephemeris::debugreport() {
    const auto log = [](const std::string& line) { diagnosticLog(line); };
    const auto dms = [](double degrees) { return degreesToDMS(degrees); };
    const auto hms = [](double degrees) { return degreesToHMS(degrees); };
    const auto threeForms = [&](const char* format, double degrees) {
        log(printfText(format, degrees, dms(degrees).c_str(), hms(degrees).c_str()));
    };

    log("--------------");
    if (myLatitude > 0.0) {
        log(printfText(" Latitude: %g N = %s N", myLatitude, dms(myLatitude).c_str()));
    } else {
        log(printfText(" Latitude: %g S = %s S", -myLatitude, dms(-myLatitude).c_str()));
    }
    if (myLongitude > 0.0) {
        log(printfText(" Longitude: %g E = %s E", myLongitude, dms(myLongitude).c_str()));
    } else {
        log(printfText(" Longitude: %g W = %s W", -myLongitude, dms(-myLongitude).c_str()));
    }
    log("Day/Time: " + myDate.description());
    log(printfText("Julian Date: %10.12g", myJulianDate));
    threeForms("Local MST: %g = %s = %s", localMeanSiderealTime());
    threeForms("Local AST: %g = %s = %s", localApparentSiderealTime());
    threeForms("Greenwich MST: %g = %s = %s", greenwichMeanSiderealTime());
    threeForms("Greenwich AST: %g = %s = %s", greenwichApparentSiderealTime());
    log(printfText("Equation of time: %g = %s", equationOfTime(), hms(equationOfTime()).c_str()));

    const Coordinate sun = sunCoordinate();
    log("SUN:");
    log(printfText("\tRA = %g = %s", sun.rightAscension, hms(sun.rightAscension).c_str()));
    log(printfText("\tEcl. Long = %g = %s = %s", sun.longitude, dms(sun.longitude).c_str(),
                   sunZodiacPositionString().c_str()));
    log(printfText("\tDeclination %g = %s", sun.declination, dms(sun.declination).c_str()));
    log(printfText("\tLHA = %g = %s", sunLHA(), dms(sunLHA()).c_str()));
    log(printfText("\tGHA = %g = %s", sunGHA(), dms(sunGHA()).c_str()));
    log(printfText("\tDistance %g AU, diameter %g'", sunDistance(), sunDiameter() / 60.0));
    log(printfText("\tAltitude %g = %s", sun.altitude, dms(sun.altitude).c_str()));
    log(printfText("\tAzimuth %g = %s", sun.azimuth, dms(sun.azimuth).c_str()));
    log("\tSunrise " + sunRise().description() + " === " + describe(xsunrise()));
    log("\tTransit " + sunTransit().description());
    log("\tSunset " + sunSet().description() + " === " + describe(xsunset()));

    const Coordinate moon = moonCoordinate();
    log("MOON:");
    const double ageDays = ageOfMoon();
    log(daysAndTime("\tAge = %d days, %s", ageDays));
    // Days to the coming full Moon: half a period after new Moon, or one and a half once the
    // full Moon of this lunation has passed.
    const double ageSeconds = ageDays * kSecondsPerDay;
    const double period = lunarPeriod();
    const double fullMoonSeconds = ageSeconds < period * 0.5 ? period * 0.5 : (period * 3.0) * 0.5;
    log(daysAndTime("\tFull in = %d days, %s", (fullMoonSeconds - ageSeconds) / kSecondsPerDay));
    log(printfText("\tRA = %g = %s", moon.rightAscension, hms(moon.rightAscension).c_str()));
    log(printfText("\tEcl. Long = %g = %s = %s", moon.longitude, dms(moon.longitude).c_str(),
                   zodiacPositionString(moon.longitude).c_str()));
    log(printfText("\tDeclination %g = %s", moon.declination, dms(moon.declination).c_str()));
    log(printfText("\tDistance %g KM, diameter %g'", moonDistance(), moonDiameter() / 60.0));
    log(printfText("\tAltitude %g = %s", moon.altitude, dms(moon.altitude).c_str()));
    log(printfText("\tAzimuth %g = %s", moon.azimuth, dms(moon.azimuth).c_str()));
    log("\tMoon rise " + moonRise().description());
    log("\tTransit " + moonTransit().description());
    log("\tMoon set " + moonSet().description());
    log(printfText("\tElongation from Sun %s, phase %g", dms(elongationFromSun()).c_str(),
                   currentPhase() * 100.0));
}

}  // namespace quenaro
