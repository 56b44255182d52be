// The day timeline's content: the model's events of the day as fractions of the day.

#include "drawing/TimelineContent.h"

#include "model/Ephemeris.h"
#include "time/DateOutOfRange.h"

namespace quenaro {

namespace {

/// The span of a body against one altitude kind, with the transit marker when asked for. A
/// day with only a rise runs from it to midnight, one with only a set from midnight to it.
TimelineBar bar(const Ephemeris& model, const char* title, Ephemeris::AltitudeKind altitudeKind,
                int object, bool withTransit) {
    TimelineBar result;
    result.title = title;
    result.moon = object == Ephemeris::Moon;
    try {
        const DayEvents events = model.dayEvents(altitudeKind, object);
        if (!events.rise && !events.set) {
            result.span = events.day == DayEvents::Day::UpAllDay ? TimelineBar::Span::UpAllDay
                                                                 : TimelineBar::Span::DownAllDay;
            return result;
        }
        result.riseFraction = events.rise ? events.rise->fractionOfDay() : 0.0;
        result.setFraction = events.set ? events.set->fractionOfDay() : 0.0;
        if (withTransit && events.transit) {
            result.transitFraction = events.transit->fractionOfDay();
        }
    } catch (const DateOutOfRange&) {
        result.span = TimelineBar::Span::Unknown;
    }
    return result;
}

/// The five bars of the model's day, top to bottom.
std::array<TimelineBar, 5> timelineBars(const Ephemeris& model) {
    return {bar(model, "Sun", Ephemeris::HorizonAltitude, Ephemeris::Sun, true),
            bar(model, "Civil Twilight", Ephemeris::CivilTwilight, Ephemeris::Sun, false),
            bar(model, "Nautical Twilight", Ephemeris::NauticalTwilight, Ephemeris::Sun, false),
            bar(model, "Astro Twilight", Ephemeris::AstronomicalTwilight, Ephemeris::Sun, false),
            bar(model, "Moon", Ephemeris::HorizonAltitude, Ephemeris::Moon, true)};
}

}  // namespace

TimelineContent timelineContent(const Ephemeris& model) {
    return {model.date().fractionOfDay(), timelineBars(model)};
}

TimelineContent TimelineContentMemo::contentFor(const Ephemeris& model) {
    const EphemerisDate& date = model.date();
    Day day{{date.yearOfCommonEra(), date.monthOfYear(), date.dayOfMonth()},
            date.timeZone().name(),
            model.latitude(),
            model.longitude(),
            model.positionSource()};
    if (day != day_) {
        bars_ = timelineBars(model);
        day_ = std::move(day);
    }
    return {model.date().fractionOfDay(), bars_};
}

}  // namespace quenaro
