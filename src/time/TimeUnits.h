#pragma once

namespace quenaro {

/// Seconds in a day of Universal Time (and in a calendar day on a clock whose offset does
/// not change that day).
inline constexpr double kSecondsPerDay = 86400.0;

}  // namespace quenaro
