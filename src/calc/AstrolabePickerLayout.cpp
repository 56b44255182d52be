#include "calc/AstrolabePickerLayout.h"

namespace quenaro {

namespace {

constexpr const char* kDegreeSign = "\u00B0";

/// `count` rows numbered from 0, each number followed by the unit.
PickerColumn numberedColumn(int count, const std::string& unit, int widthPoints = 48) {
    PickerColumn column{widthPoints, {}};
    for (int row = 0; row < count; ++row) {
        column.titles.push_back(std::to_string(row) + unit);
    }
    return column;
}

PickerColumn degreesColumn(int count, int widthPoints = 48) {
    return numberedColumn(count, kDegreeSign, widthPoints);
}
PickerColumn minutesColumn() {
    return numberedColumn(60, "'");
}
PickerColumn secondsColumn() {
    return numberedColumn(60, "\"");
}

/// Tens of degrees round the compass, the four points named: "N 0", "E 9", "S 18", "W 27".
PickerColumn compassTensColumn() {
    PickerColumn column{56, {}};
    for (int row = 0; row < 36; ++row) {
        const char* point = row == 0    ? "N "
                            : row == 9  ? "E "
                            : row == 18 ? "S "
                            : row == 27 ? "W "
                                        : "";
        column.titles.push_back(point + std::to_string(row));
    }
    return column;
}

}  // namespace

std::vector<PickerColumn> astrolabePickerLayout(int editMode) {
    switch (editMode) {
        case kSightEditor:
            return {};
        case kLatitudeEditor:
            return {degreesColumn(91), PickerColumn{48, {"N", "S"}}, minutesColumn(),
                    secondsColumn()};
        case kLongitudeEditor:
            return {numberedColumn(19, ""), degreesColumn(10, 24), PickerColumn{48, {"E", "W"}},
                    minutesColumn(), secondsColumn()};
        case kAltitudeEditor:
            return {PickerColumn{48, {"+", "-"}}, degreesColumn(91), minutesColumn(),
                    secondsColumn()};
        case kDirectionEditor:
            return {compassTensColumn(), degreesColumn(10, 24), minutesColumn(), secondsColumn()};
        case kHmsEditor:
            return {numberedColumn(24, "h"), numberedColumn(60, "m"), numberedColumn(60, "s")};
        default:
            return {PickerColumn{}};
    }
}

int astrolabeEditModeForRow(int section, int row) {
    if (row < 0 || row > 2) {
        return -1;
    }
    switch (section * 10 + row) {
        case 0:
            return kLatitudeEditor;
        case 1:
            return kSightEditor;
        case 2:
            return kDirectionEditor;
        case 10:
            return kHmsEditor;
        case 11:
        case 20:
            return kLatitudeEditor;
        case 21:
            return kLongitudeEditor;
        default:
            return -1;
    }
}

}  // namespace quenaro
