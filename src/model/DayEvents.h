#pragma once

#include <optional>

#include "time/EphemerisDate.h"

namespace quenaro {

/// What one body does against one altitude on a local calendar day: each event present when it
/// happens. Rise and set belong to the pass that culminates on the day (the rise may fall the
/// evening before, the set the morning after); without such a rise or set, the one within the
/// day. The transit is the upper meridian passage on the day, present when the body stands
/// above the altitude there.
struct DayEvents {
    enum class Day {
        /// The body crosses the altitude within the day.
        Crossing,
        /// No crossing within the day, the body above the altitude.
        UpAllDay,
        /// No crossing within the day, the body below the altitude.
        DownAllDay
    };

    std::optional<EphemerisDate> rise;
    std::optional<EphemerisDate> set;
    std::optional<EphemerisDate> transit;
    Day day = Day::Crossing;
};

}  // namespace quenaro
