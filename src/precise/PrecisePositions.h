#pragma once

#include "model/PositionSource.h"

namespace quenaro {

/// The precise source of positions for the model: apparentPlace() of ApparentPlace.h at
/// TT = UT + Delta T (DeltaT.h), within 0.5 arcsecond of the numerical ephemeris DE405 for
/// the Sun, the Moon and Mercury-Saturn over 1960-2060.
class PrecisePositions final : public PositionSource {
  public:
    Coordinate apparentPlace(int body, double julianDateUT) const override;
    double trueObliquity(double julianDateUT) const override;
    double deltaTSeconds(double julianDateUT) const override;
    std::string_view name() const override { return "precise"; }

  private:
    /// TT = UT + Delta T, the Julian date the series and the frames are taken at.
    double julianEphemerisDate(double julianDateUT) const;
};

}  // namespace quenaro
