#include "places/ZoneLookup.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "base/PrintfText.h"
#include "places/tables/ZoneLookupTables.h"

namespace quenaro {

namespace {

constexpr int kTopLevelColumns = 48;  // 15-degree cells from -180 degrees eastwards
constexpr int kTopLevelRows = 24;     // 7.5-degree cells from the North Pole southwards
constexpr int kNodesStart = kTopLevelColumns * kTopLevelRows;

void checkRange(double degrees, double limit, const char* what) {
    if (!(std::fabs(degrees) <= limit)) {
        throw std::invalid_argument(printfText("%s %g is out of range: expected -%g to %g degrees",
                                               what, degrees, limit, limit));
    }
}

}  // namespace

std::string_view zoneAtPosition(double latitudeDegrees, double longitudeDegrees) {
    checkRange(latitudeDegrees, 90.0, "Latitude");
    checkRange(longitudeDegrees, 180.0, "Longitude");
    if (latitudeDegrees >= 90.0) {
        return "Etc/GMT";
    }
    // Cell coordinates: x in [0, 48), y in (0, 24]; the divisors, a hair above 360 and 180,
    // keep x and y below 48 and 24 at the edges.
    double x = kTopLevelColumns * (180.0 + longitudeDegrees) / 360.00000000000006;
    double y = kTopLevelRows * (90.0 - latitudeDegrees) / 180.00000000000003;
    int column = static_cast<int>(x);
    int row = static_cast<int>(y);
    int value = g_ZoneGrid[kTopLevelColumns * row + column];
    // Each step enters a child node, which lies after its parent in the grid (the generator
    // checks every offset), so the walk ends.
    int node = -1;
    while (value < g_ZoneGridFirstZone) {
        node += value + 1;
        y = std::fmod(2.0 * (y - row), 2.0);
        x = std::fmod(2.0 * (x - column), 2.0);
        row = static_cast<int>(y);
        column = static_cast<int>(x);
        value = g_ZoneGrid[kNodesStart + 4 * node + 2 * row + column];
    }
    return g_ZoneLookupNames[value - g_ZoneGridFirstZone];
}

}  // namespace quenaro
