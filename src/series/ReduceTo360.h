#pragma once

namespace quenaro {

/// Reduces an angle in degrees to [0, 360] by whole turns: while below 0, add 360; then, while
/// above 360, subtract 360. Both ends are possible: 0 stays 0, -360 gives 0, and a positive
/// multiple of 360 gives 360 (720 gives 360).
///
/// Guarded against inputs the loops cannot finish: a non-finite value (NaN, ±infinity) is
/// returned as it is, and a value beyond ±360 million degrees (more than a million turns) is
/// reduced with the exact floating remainder std::fmod instead, with the same ends: a positive
/// value lands in (0, 360] (an exact multiple of 360 gives 360), a negative one in [0, 360)
/// (an exact multiple gives +0; a remainder within rounding of 0 can give 360).
double ReduceTo360(double degrees);

}  // namespace quenaro
