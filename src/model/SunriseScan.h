#pragma once

namespace quenaro {

/// An hour-by-hour scan of the Sun's altitude over one day, with a low-precision solar theory,
/// that finds the minute of sunrise and sunset (horizon at -0.833 degree) and the Sun's
/// azimuth at those moments. The scan window starts at 0 h UT of the calendar day shifted by
/// the zone offset in whole hours; found times are hours and minutes from the window start.
/// Each scan is a value: its results belong to the day and place it was run for.
class SunriseScan {
  public:
    /// An hour and minute counted from the start of the scan window.
    struct HourMinute {
        int hour = 0;
        int minute = 0;
    };

    /// Julian date at 0 h UT of a calendar date (Gregorian from 1582-10-15 on, Julian before).
    static double julianDay(int month, int day, int year);
    /// Local sidereal time in radians [0, 2 pi): longitude in revolutions (east positive),
    /// days since J2000.0, zone offset in days.
    static double lst(double longitudeRevolutions, double daysSinceJ2000, double zoneDays);
    /// Sun's right ascension and declination (radians) at days since J2000.0 and centuries
    /// since 1900.0; returns the declination.
    static double sun(double daysSinceJ2000, double centuriesSince1900, double& rightAscension,
                      double& declination);

    /// Scans the calendar day for the place (degrees, east positive) with the zone offset
    /// (seconds, east positive; only whole hours count). Returns the last altitude function.
    double riseSet(int month, int day, int year, double latitudeDegrees, double longitudeDegrees,
                   int zoneOffsetSeconds);

    bool foundSunrise() const { return Sunrise; }
    bool foundSunset() const { return Sunset; }
    HourMinute sunriseTime() const { return Rise_time; }
    HourMinute sunsetTime() const { return Set_time; }
    /// Azimuth at the crossing, degrees from north through east, [0, 360).
    double sunriseAzimuth() const { return Rise_az; }
    double sunsetAzimuth() const { return Set_az; }

  private:
    /// Tests hour index i of the window; returns the altitude function at the end of the hour.
    double test_hour(int hourIndex, double siderealTimeAtStart, double latitudeDegrees);

    double RAn[3] = {0.0, 0.0, 0.0};  // right ascension at the start [0] and end [2] of the hour
    double Dec[3] = {0.0, 0.0, 0.0};  // declination at the start, middle and end of the hour
    double VHz[3] = {0.0, 0.0, 0.0};  // sin(altitude) - sin(horizon) at start, middle, end
    HourMinute Rise_time;
    HourMinute Set_time;
    double Rise_az = 0.0;
    double Set_az = 0.0;
    bool Sunrise = false;
    bool Sunset = false;
};

}  // namespace quenaro
