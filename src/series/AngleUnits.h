#pragma once

// Conversions between the series library's angle units.

namespace quenaro {

/// Degrees to radians: degrees × 0.017453292519943295.
constexpr double DegreesToRadians(double degrees) {
    return degrees * 0.017453292519943295;
}

/// Radians to degrees: radians × 57.29577951308232.
constexpr double RadiansToDegrees(double radians) {
    return radians * 57.29577951308232;
}

}  // namespace quenaro
