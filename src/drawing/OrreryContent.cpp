// The orrery dial's content: the model's angles, phases and texts as the dial draws them.

#include "drawing/OrreryContent.h"

#include <cmath>

#include "drawing/DialLayout.h"
#include "model/Ephemeris.h"
#include "time/DateText.h"

namespace quenaro {

float sunDialAngle(const Ephemeris& model) {
    Coordinate sun;
    model.sunCoordinate(sun);
    return dialRotation(model.localApparentSiderealTime()) + static_cast<float>(sun.longitude);
}

OrreryContent orreryContent(const Ephemeris& model, bool withPlanetaryHour) {
    OrreryContent content;
    content.rotation = dialRotation(model.localApparentSiderealTime());

    Coordinate sun;
    model.sunCoordinate(sun);
    model.calcHorizontal(sun);
    content.sunAngle = content.rotation + static_cast<float>(sun.longitude);
    content.sunAltitude = static_cast<float>(sun.altitude);
    content.sunAboveHorizon =
        model.isAboveEventAltitude(Ephemeris::HorizonAltitude, Ephemeris::Sun);
    const double sunrise = model.sunriseAzimuth();
    const double sunset = model.sunsetAzimuth();
    if (std::isfinite(sunrise) && std::isfinite(sunset)) {
        content.horizon =
            OrreryContent::Horizon{static_cast<float>(-sunrise), static_cast<float>(-sunset)};
    }

    Coordinate moon;
    model.moonCoordinate(moon);
    content.moonAngle = content.rotation + static_cast<float>(moon.longitude);
    content.moonPhase = static_cast<float>(model.currentPhase());
    content.moonWaxing = model.elongationFromSun() > 0;

    for (std::size_t index = 0; index < kNakedEyePlanets.size(); ++index) {
        const double longitude = model.planetEclipticPosition(kNakedEyePlanets[index]).longitude;
        content.planetAngles[index] = content.rotation + static_cast<float>(longitude);
    }

    content.dateText = mediumDateText(model.date()) + ", " + shortTimeText(model.date());
    content.julianDate = model.julianDate();
    if (withPlanetaryHour) {
        content.planetaryHour = model.planetaryHour();
    }
    return content;
}

}  // namespace quenaro
