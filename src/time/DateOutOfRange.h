#pragma once

#include <stdexcept>

namespace quenaro {

/// A date outside the span EphemerisDate supports: an instant, a wall time or a calendar date
/// before -9999-01-01 00:00:00 or from 10000-01-01 00:00:00 on (read in GMT), or one that is
/// not a finite number of seconds. Thrown by EphemerisDate's constructors and by every date
/// operation whose result would leave that span; nothing else throws it. The message names
/// the value and the span.
class DateOutOfRange : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

}  // namespace quenaro
