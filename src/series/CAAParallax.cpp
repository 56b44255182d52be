#include "series/CAAParallax.h"

#include <cmath>

#include "series/AngleUnits.h"
#include "series/CAACoordinateTransformation.h"

namespace quenaro {

const double g_AAParallax_C1 =
    std::sin(DegreesToRadians(CAACoordinateTransformation::DMSToDegrees(0, 0, 8.794, true)));

}  // namespace quenaro
