#include "precise/ApparentPlace.h"

#include <gtest/gtest.h>

namespace quenaro {
namespace {

/// An apparent place as the native build's `quenaro position BODY --precise --jd JD` writes it
/// (longitude, latitude and declination in degrees, right ascension in hours, distance in AU).
struct NativePlace {
    PreciseBody body;
    double julianEphemerisDate;
    double longitude;
    double latitude;
    double rightAscensionHours;
    double declination;
    double distanceAu;
};

// Every body at 2026-12-07 0h TT, the Moon and Mars also at 1900-01-01 0h TT.
constexpr NativePlace kNativePlaces[] = {
    {PreciseBody::Sun, 2461382.5, 255.89317917399103, -9.4727939484456162e-05, 16.97879304414975,
     -22.690798179583588, 0.98518251288252257},
    {PreciseBody::Moon, 2461382.5, 244.47598033515254, -4.9286543022749782, 16.100102740172549,
     -25.876457890592782, 0.0026930330367893416},
    {PreciseBody::Mercury, 2461382.5, 242.49026603167655, 0.71585403329142694, 16.037975418365026,
     -19.955373818124471, 1.3230714350676178},
    {PreciseBody::Venus, 2461382.5, 212.46407262544858, 2.2528453334002632, 14.070549011121699,
     -10.210790249804859, 0.4750685301611724},
    {PreciseBody::Mars, 2461382.5, 154.38021826586771, 2.5081269043514345, 10.479042733892353,
     12.237957445469323, 1.1163593520692248},
    {PreciseBody::Jupiter, 2461382.5, 146.98300714009468, 0.83124311651694549, 9.9658539965434052,
     13.298101142454264, 4.926996739784081},
    {PreciseBody::Saturn, 2461382.5, 7.9392157239879406, -2.5579042780311498, 0.55336897818722997,
     0.79854726589817315, 9.0002811291160558},
    {PreciseBody::Moon, 2415020.5, 272.41664303926262, 1.1082814200499438, 18.174135852900267,
     -22.321451150022298, 0.0024625331836511965},
    {PreciseBody::Mars, 2415020.5, 283.86776229819384, -0.92541222022945702, 19.011090852823695,
     -23.649526683934408, 2.4009410159131708},
};

// The same series and ERFA routines give the same places in every build: natively with
// Debian's liberfa, in WebAssembly with the routines compiled from its source package. The
// builds' mathematical libraries may round the last bit of a sine differently; that moves a
// place by about 1e-14 degree.
TEST(ApparentPlace, GivesTheNativeBuildsPlaces) {
    constexpr double tolerance = 1e-10;  // degrees, 0.36 microarcsecond
    for (const NativePlace& native : kNativePlaces) {
        const ApparentPlace place = apparentPlace(native.body, native.julianEphemerisDate);
        SCOPED_TRACE(testing::Message() << "body " << static_cast<int>(native.body) << " at JD "
                                        << native.julianEphemerisDate);
        EXPECT_NEAR(place.longitude, native.longitude, tolerance);
        EXPECT_NEAR(place.latitude, native.latitude, tolerance);
        EXPECT_NEAR(place.rightAscension, native.rightAscensionHours * 15.0, tolerance);
        EXPECT_NEAR(place.declination, native.declination, tolerance);
        EXPECT_NEAR(place.distanceKilometres / 149597870.7, native.distanceAu,
                    1e-12 * native.distanceAu);
    }
}

}  // namespace
}  // namespace quenaro
