// The bracketing search for a body's crossings of an altitude: readings refined only where
// the bound on the altitude's curvature cannot rule a crossing out, then bisection.

#include "model/AltitudeCrossings.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quenaro {

namespace {

struct Point {
    double seconds;
    AltitudeReading reading;
};

bool isAbove(const AltitudeReading& reading) {
    return reading.height > 0.0;
}

/// An upper meridian passage between the two readings: the hour angle passes from negative
/// to non-negative there rather than wrapping from +180 to -180.
bool passesMeridian(const AltitudeReading& from, const AltitudeReading& to) {
    return from.hourAngle < 0.0 && to.hourAngle >= 0.0 && to.hourAngle - from.hourAngle < 180.0;
}

class Search {
  public:
    Search(const std::function<AltitudeReading(double)>& read, const AltitudeSearchLimits& limits)
        : read_(read), limits_(limits) {}

    AltitudeCrossings run() {
        Point from{0.0, read_(0.0)};
        found_.aboveAtStart = isAbove(from.reading);
        points_.push_back(from);
        const auto steps =
            static_cast<int>(std::ceil(limits_.windowSeconds / limits_.stepSeconds - 1e-9));
        for (int step = 1; step <= steps; ++step) {
            const double seconds = std::min(limits_.windowSeconds, step * limits_.stepSeconds);
            const Point to{seconds, read_(seconds)};
            interval(from, to);
            from = to;
        }
        for (std::size_t index = 1; index < points_.size(); ++index) {
            const Point& before = points_[index - 1];
            const Point& after = points_[index];
            if (after.seconds > limits_.culminationsFrom &&
                before.seconds < limits_.culminationsTo &&
                passesMeridian(before.reading, after.reading)) {
                culmination(before, after);
            }
        }
        return std::move(found_);
    }

  private:
    /// Settles the interval: no crossing, one crossing (bisected), or halves.
    void interval(const Point& from, const Point& to) {
        const double length = to.seconds - from.seconds;
        const double curvature = limits_.heightCurvature;
        const bool narrow = length <= limits_.precisionSeconds;
        if (isAbove(from.reading) == isAbove(to.reading)) {
            const double nearer =
                std::min(std::fabs(from.reading.height), std::fabs(to.reading.height));
            if (narrow || nearer > curvature * length * length / 8.0) {
                points_.push_back(to);
                return;
            }
        } else if (narrow || std::fabs(to.reading.height - from.reading.height) / length >
                                 curvature * length) {
            crossing(from, to);
            points_.push_back(to);
            return;
        }
        const double middle = (from.seconds + to.seconds) / 2.0;
        const Point between{middle, read_(middle)};
        interval(from, between);
        interval(between, to);
    }

    void crossing(Point from, Point to) {
        const bool rising = !isAbove(from.reading);
        while (to.seconds - from.seconds > limits_.precisionSeconds) {
            const double middle = (from.seconds + to.seconds) / 2.0;
            const Point between{middle, read_(middle)};
            (isAbove(between.reading) == isAbove(from.reading) ? from : to) = between;
        }
        found_.crossings.push_back(
            {(from.seconds + to.seconds) / 2.0, rising, from.reading.hourAngle});
    }

    void culmination(Point from, Point to) {
        while (to.seconds - from.seconds > limits_.precisionSeconds) {
            const double middle = (from.seconds + to.seconds) / 2.0;
            const Point between{middle, read_(middle)};
            (between.reading.hourAngle < 0.0 ? from : to) = between;
        }
        // The reading within the precision stands for the body at the passage.
        found_.culminations.push_back({(from.seconds + to.seconds) / 2.0, isAbove(from.reading)});
    }

    const std::function<AltitudeReading(double)>& read_;
    AltitudeSearchLimits limits_;
    AltitudeCrossings found_;
    /// The readings that bound the settled intervals, in time order.
    std::vector<Point> points_;
};

}  // namespace

AltitudeCrossings findAltitudeCrossings(const std::function<AltitudeReading(double)>& read,
                                        const AltitudeSearchLimits& limits) {
    return Search(read, limits).run();
}

}  // namespace quenaro
