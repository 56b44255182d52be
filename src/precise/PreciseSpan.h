#pragma once

#include "series/SeriesSpans.h"

namespace quenaro {

/// The dates the precise source is meant for: the years 1000 (from 1000-01-01, Julian
/// calendar, JD 2086307.5) to 3000 (up to 3001-01-01, JD 2817152.5). Within 0.5 arcsecond of
/// DE405 over 1960-2060 and of DE431 over 1900-2100; Mars passes 1 arcsecond before 1600 and
/// after 2100, and the errors grow with the distance from 2000 (the VSOP87B terms were cut for
/// 1900-2100, ELP/MPP02 was fitted to 1950-2060).
inline constexpr SeriesSpan kPreciseSeriesSpan{2086307.5, 2817152.5, 1000, 3000};

}  // namespace quenaro
