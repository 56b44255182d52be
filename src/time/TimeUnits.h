#pragma once

namespace quenaro {

/// Seconds in a day of the model's clock (UT, no leap seconds).
inline constexpr double kSecondsPerDay = 86400.0;

}  // namespace quenaro
