#pragma once

#include <functional>
#include <vector>

namespace quenaro {

/// A body against the altitude an event is defined by, at one instant.
struct AltitudeReading {
    /// sin(altitude) - sin(event altitude): positive while the body stands above it.
    double height = 0.0;
    /// Local hour angle, degrees (-180, 180]: negative east of the meridian.
    double hourAngle = 0.0;
};

/// What the search finds in its window; instants in seconds from the window's start, each
/// list in time order.
struct AltitudeCrossings {
    struct Crossing {
        double seconds = 0.0;
        /// Upwards across the altitude (a rise, a dawn); else downwards.
        bool rising = false;
        /// The hour angle there, degrees (-180, 180].
        double hourAngle = 0.0;
    };
    struct Culmination {
        double seconds = 0.0;
        /// The body above the altitude there.
        bool above = false;
    };

    /// The body above the altitude at the window's start.
    bool aboveAtStart = false;
    std::vector<Crossing> crossings;
    /// Upper meridian passages (hour angle 0) within the culmination range asked for.
    std::vector<Culmination> culminations;
};

/// The limits of one search: its window, the first step, the precision and the bound on the
/// reading's second derivative that lets it skip an interval without missing a crossing.
struct AltitudeSearchLimits {
    double windowSeconds = 0.0;
    /// Culminations are sought from `culminationsFrom` to `culminationsTo` (seconds).
    double culminationsFrom = 0.0;
    double culminationsTo = 0.0;
    /// The first readings' spacing; at most six hours, so that no reading misses more than a
    /// quarter turn of hour angle and each meridian passage is bracketed.
    double stepSeconds = 0.0;
    /// Brackets narrower than this end the search.
    double precisionSeconds = 0.0;
    /// An upper bound on |d²height/dt²| over the window, per second squared.
    double heightCurvature = 0.0;
};

/// Finds every crossing of the altitude and the upper meridian passages in the window by
/// readings of the body (`read` takes seconds from the window's start).
///
/// No crossing is missed beyond a pair less than the precision apart: on an interval of
/// length s between two readings the height differs from the chord through its ends by at
/// most C s^2 / 8 (C the curvature bound), so where both ends lie on one side of the
/// altitude and farther from it than that, nothing crosses in between; where they lie on
/// opposite sides and the chord's slope exceeds C s, the height is monotone there (its
/// derivative differs from the chord's slope by at most C s) and crosses exactly once. Every
/// other interval is halved, down to the precision. Each single crossing is then bisected to
/// the precision, as is each meridian passage (the hour angle always advances, so each lies in
/// the one interval where it passes from negative to non-negative).
AltitudeCrossings findAltitudeCrossings(const std::function<AltitudeReading(double)>& read,
                                        const AltitudeSearchLimits& limits);

}  // namespace quenaro
