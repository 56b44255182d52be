#include "series/CAASun.h"

#include "series/CAACoordinateTransformation.h"
#include "series/CAAEarth.h"
#include "series/CAAFK5.h"
#include "series/CAANutation.h"
#include "series/ReduceTo360.h"

namespace quenaro {

double CAASun::GeometricEclipticLongitude(double JD) {
    return ReduceTo360(CAAEarth::EclipticLongitude(JD) + 180);
}

double CAASun::GeometricEclipticLatitude(double JD) {
    return -CAAEarth::EclipticLatitude(JD);
}

double CAASun::GeometricFK5EclipticLongitude(double JD) {
    const double longitude = GeometricEclipticLongitude(JD);
    const double latitude = GeometricEclipticLatitude(JD);
    return longitude + CAAFK5::CorrectionInLongitude(longitude, latitude, JD);
}

double CAASun::ApparentEclipticLongtitude(double JD) {
    const double nutationDegrees =
        CAACoordinateTransformation::DMSToDegrees(0, 0, CAANutation::NutationInLongitude(JD), true);
    const double aberrationDegrees =
        CAACoordinateTransformation::DMSToDegrees(0, 0, 20.4898 / CAAEarth::RadiusVector(JD), true);
    return GeometricFK5EclipticLongitude(JD) + nutationDegrees - aberrationDegrees;
}

}  // namespace quenaro
