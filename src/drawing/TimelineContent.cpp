// The day timeline's content: the model's events of the day as fractions of the day.

#include "drawing/TimelineContent.h"

#include "model/Ephemeris.h"
#include "model/NoRisesOrSetsCalculable.h"
#include "time/DateOutOfRange.h"

namespace quenaro {

namespace {

/// The span of a body against one altitude kind, with the transit marker when asked for.
TimelineBar bar(const Ephemeris& model, const Ephemeris& atNoon, const char* title,
                Ephemeris::AltitudeKind altitudeKind, int object, bool withTransit) {
    TimelineBar result;
    result.title = title;
    result.moon = object == Ephemeris::Moon;
    try {
        const std::array<EphemerisDate, 3> times = model.calcTimes(altitudeKind, object);
        result.riseFraction = times[Ephemeris::RiseIndex].fractionOfDay();
        result.setFraction = times[Ephemeris::SetIndex].fractionOfDay();
        if (withTransit) {
            result.transitFraction = times[Ephemeris::TransitIndex].fractionOfDay();
        }
    } catch (const NoRisesOrSetsCalculable&) {
        // Above or below the bar's altitude the whole day: which one, at local noon.
        result.span = atNoon.isAboveEventAltitude(altitudeKind, object)
                          ? TimelineBar::Span::UpAllDay
                          : TimelineBar::Span::DownAllDay;
    } catch (const DateOutOfRange&) {
        result.span = TimelineBar::Span::Unknown;
    }
    return result;
}

}  // namespace

TimelineContent timelineContent(const Ephemeris& model) {
    const Ephemeris atNoon = model.copyForDate(model.date().noon());
    TimelineContent content;
    content.nowFraction = model.date().fractionOfDay();
    content.bars = {
        bar(model, atNoon, "Sun", Ephemeris::HorizonAltitude, Ephemeris::Sun, true),
        bar(model, atNoon, "Civil Twilight", Ephemeris::CivilTwilight, Ephemeris::Sun, false),
        bar(model, atNoon, "Nautical Twilight", Ephemeris::NauticalTwilight, Ephemeris::Sun, false),
        bar(model, atNoon, "Astro Twilight", Ephemeris::AstronomicalTwilight, Ephemeris::Sun,
            false),
        bar(model, atNoon, "Moon", Ephemeris::HorizonAltitude, Ephemeris::Moon, true)};
    return content;
}

}  // namespace quenaro
