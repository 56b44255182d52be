// The day timeline's content: the model's events of the day as fractions of the day.

#include "views/TimelineContent.h"

#include <stdexcept>

#include "model/Ephemeris.h"

namespace quenaro {

namespace {

/// The span of a body against one altitude kind, with the transit marker when asked for.
TimelineBar bar(const Ephemeris& model, const Ephemeris& atNoon, const char* title,
                int altitudeKind, int object, bool withTransit) {
    TimelineBar result;
    result.title = title;
    result.moon = object == Ephemeris::Moon;
    try {
        const std::array<EphemerisDate, 3> times = model.calcTimes(altitudeKind, object);
        result.riseFraction = times[0].fractionOfDay();
        result.setFraction = times[1].fractionOfDay();
        if (withTransit) {
            result.transitFraction = times[2].fractionOfDay();
        }
    } catch (const std::invalid_argument&) {
        // "No rises or sets calculable": above or below the bar's altitude the whole day.
        Coordinate position;
        if (object == Ephemeris::Moon) {
            atNoon.moonCoordinate(position);
        } else {
            atNoon.sunCoordinate(position);
        }
        atNoon.calcHorizontal(position);
        const bool up = position.altitude > atNoon.eventAltitude(altitudeKind, object);
        result.span = up ? TimelineBar::Span::UpAllDay : TimelineBar::Span::DownAllDay;
    }
    return result;
}

}  // namespace

TimelineContent timelineContent(const Ephemeris& model) {
    const Ephemeris atNoon = model.copyForDate(model.date().noon());
    TimelineContent content;
    content.nowFraction = model.date().fractionOfDay();
    content.bars = {bar(model, atNoon, "Sun", 0, Ephemeris::Sun, true),
                    bar(model, atNoon, "Civil Twilight", 1, Ephemeris::Sun, false),
                    bar(model, atNoon, "Nautical Twilight", 2, Ephemeris::Sun, false),
                    bar(model, atNoon, "Astro Twilight", 3, Ephemeris::Sun, false),
                    bar(model, atNoon, "Moon", 0, Ephemeris::Moon, true)};
    return content;
}

}  // namespace quenaro
