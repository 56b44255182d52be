// Lunar extras of the Ephemeris model: the Sun's selenographic longitude, which places the
// terminator on the Moon's disc.

#include "model/Ephemeris.h"
#include "series/CAAPhysicalMoon.h"

namespace quenaro {

double Ephemeris::limbAngle() const {
    return CAAPhysicalMoon::CalculateSelenographicPositionOfSun(myDate.julianDate()).Longitude;
}

}  // namespace quenaro
