#pragma once

#include <array>
#include <optional>
#include <string>

namespace quenaro {

class Ephemeris;

/// One bar of the day timeline: when its body is above the bar's altitude, as fractions of
/// the day (0 midnight, 1 the next midnight; seconds ignored).
struct TimelineBar {
    enum class Span {
        /// From `riseFraction` to `setFraction`; a rise later than the set runs over midnight.
        Interval,
        /// No rise or set that day and the body above the bar's altitude.
        UpAllDay,
        /// No rise or set that day and the body below it.
        DownAllDay,
        /// The day lies too near the end of the years the model supports to be calculated.
        Unknown
    };

    std::string title;
    Span span = Span::Interval;
    double riseFraction = 0.0;  // [0, 1), used for Span::Interval only
    double setFraction = 0.0;   // [0, 1), used for Span::Interval only
    /// The transit marker's place; none for the twilights and when the span is not an interval.
    std::optional<double> transitFraction;
    /// The Moon's bar is white, the others yellow.
    bool moon = false;

    bool operator==(const TimelineBar&) const = default;
};

/// What the timeline shows: the now line and the five bars (Sun, civil, nautical and
/// astronomical twilight, Moon), top to bottom.
struct TimelineContent {
    double nowFraction = 0.0;  // [0, 1)
    std::array<TimelineBar, 5> bars;
};

/// The timeline of the model's local calendar day, from the model's events of the day
/// (Ephemeris::dayEvents).
TimelineContent timelineContent(const Ephemeris& model);

/// timelineContent() for a view that is drawn again and again: the bars of the last call are
/// kept and used again while the local day, the zone, the place and the source of positions
/// stay the same, so a moment moved within the day (a drag along the dial) asks the model for
/// no events.
class TimelineContentMemo {
  public:
    TimelineContent contentFor(const Ephemeris& model);

  private:
    /// What the day's events depend on.
    struct Day {
        std::array<int, 3> yearMonthDay;
        std::string zoneName;
        double latitude;
        double longitude;
        const void* positionSource;
        bool operator==(const Day&) const = default;
    };

    std::optional<Day> day_;
    std::array<TimelineBar, 5> bars_;
};

}  // namespace quenaro
