#pragma once

#include <string>
#include <vector>

namespace quenaro {

/// The editor sheets of the calculator (the row selected in its table decides which).
enum AstrolabeEditMode {
    kSightEditor = 0,      ///< the blank sight view, no picker
    kLatitudeEditor = 1,   ///< degrees 0-90, N/S, minutes, seconds
    kLongitudeEditor = 2,  ///< tens and units of degrees 0-189, E/W, minutes, seconds
    kAltitudeEditor = 3,   ///< +/-, degrees 0-90, minutes, seconds
    kDirectionEditor = 4,  ///< tens of degrees with the compass points, units, minutes, seconds
    kHmsEditor = 5,        ///< hours, minutes, seconds
};

/// Height of every picker row, points.
inline constexpr int kPickerRowHeight = 24;

/// One column of a picker: its width in points and the title of each row.
struct PickerColumn {
    int widthPoints = 48;
    std::vector<std::string> titles;
};

/// The columns of the picker of an editor mode (0-5), left to right; mode 0 has none and any
/// other mode one column without rows.
std::vector<PickerColumn> astrolabePickerLayout(int editMode);

/// The editor mode for a row of the calculator's table (section 0: altitude, sight, azimuth;
/// 1: right ascension, declination; 2: latitude, longitude); -1 for any other row.
int astrolabeEditModeForRow(int section, int row);

}  // namespace quenaro
