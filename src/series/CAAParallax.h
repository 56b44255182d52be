#pragma once

namespace quenaro {

/// sin(8.794″) = 4.263451510385646e-05: the sine of the Sun's equatorial horizontal parallax
/// at 1 AU, set once when the program starts.
extern const double g_AAParallax_C1;

}  // namespace quenaro
