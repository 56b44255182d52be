#pragma once

// Trigonometry in degrees: the only trigonometry the model and its dates use.
// Forward functions take degrees; inverse functions return degrees.

namespace quenaro {

/// sin(x) for x in degrees; computed as sin(x / 180 * pi).
double sind(double degrees);
/// cos(x) for x in degrees; computed as cos(x / 180 * pi).
double cosd(double degrees);
/// tan(x) for x in degrees; computed as tan(x / 180 * pi).
double tand(double degrees);
/// asin in degrees, [-90, 90]; NaN outside [-1, 1].
double asind(double x);
/// acos in degrees, [0, 180]; NaN outside [-1, 1].
double acosd(double x);
/// atan2 in degrees, (-180, 180]; atan2d(-0.0, -1) is -180.
double atan2d(double y, double x);
/// The angle reduced to [0, 360): x - 360 * floor(x / 360), raised by 360 while still negative.
/// -1e-14 gives exactly 360 (rounding); NaN and infinities give NaN.
double mod360(double degrees);

}  // namespace quenaro
