#include "placegen/ZoneLookupTables.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quenaro::placegen {

namespace {

constexpr std::size_t kTopLevelCells = 48 * 24;
constexpr std::size_t kCellsPerNode = 4;
constexpr int kPairValues = 3136;  // numbers a pair can stand for: zones and child offsets

std::vector<std::string> readLines(const std::filesystem::path& path) {
    std::ifstream input(path, std::ios::binary);
    if (!input) {
        throw std::runtime_error(path.string() + ": cannot be read");
    }
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(input, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The numbers the grid's character pairs stand for: 56 code(c1) + code(c2) - 1995.
std::vector<int> decodePairs(const std::string& grid, const std::filesystem::path& path) {
    if (grid.size() % 2 != 0) {
        throw std::runtime_error(path.string() + ": odd number of characters");
    }
    std::vector<int> values;
    for (std::size_t index = 0; index < grid.size(); index += 2) {
        const int value = 56 * grid[index] + grid[index + 1] - 1995;
        if (value < 0 || value >= kPairValues) {
            throw std::runtime_error(path.string() + ": pair " + grid.substr(index, 2) +
                                     " at character " + std::to_string(index) +
                                     " stands for no number");
        }
        values.push_back(value);
    }
    return values;
}

// Every child offset must lead to a node of the grid after the one holding it, so that a
// lookup always ends.
void checkChildren(const std::vector<int>& values, int firstZone,
                   const std::filesystem::path& path) {
    if (values.size() < kTopLevelCells || (values.size() - kTopLevelCells) % kCellsPerNode != 0) {
        throw std::runtime_error(path.string() + ": " + std::to_string(values.size()) +
                                 " pairs are no 48 x 24 top level and whole nodes");
    }
    const auto nodeCount = static_cast<long>((values.size() - kTopLevelCells) / kCellsPerNode);
    for (std::size_t index = 0; index < values.size(); ++index) {
        if (values[index] >= firstZone) {
            continue;
        }
        const long parent = index < kTopLevelCells
                                ? -1
                                : static_cast<long>((index - kTopLevelCells) / kCellsPerNode);
        if (parent + values[index] + 1 >= nodeCount) {
            throw std::runtime_error(path.string() + ": pair " + std::to_string(index) +
                                     " leads outside the grid");
        }
    }
}

}  // namespace

TableSource zoneLookupTableSource(const std::filesystem::path& dataDirectory) {
    const std::filesystem::path gridPath = dataDirectory / "zone_lookup/grid.txt";
    const std::filesystem::path zonesPath = dataDirectory / "zone_lookup/zones.txt";
    const std::vector<std::string> gridLines = readLines(gridPath);
    const std::vector<std::string> zones = readLines(zonesPath);
    if (gridLines.size() != 1) {
        throw std::runtime_error(gridPath.string() + ": expected one line");
    }
    if (zones.empty() || zones.size() >= static_cast<std::size_t>(kPairValues)) {
        throw std::runtime_error(zonesPath.string() + ": " + std::to_string(zones.size()) +
                                 " zones");
    }
    const int firstZone = kPairValues - static_cast<int>(zones.size());
    const std::vector<int> values = decodePairs(gridLines.front(), gridPath);
    checkChildren(values, firstZone, gridPath);

    std::vector<std::string> numbers;
    for (const int value : values) {
        numbers.push_back(std::to_string(value));
    }
    std::vector<std::string> names;
    for (const std::string& zone : zones) {
        names.push_back("\"" + zone + "\"");
    }
    const std::string grid = "g_ZoneGrid[" + std::to_string(values.size()) + "]";
    const std::string zoneNames = "g_ZoneLookupNames[" + std::to_string(zones.size()) + "]";
    return {
        "ZoneLookupTables", "zone_lookup/grid.txt and zones.txt",
        "#include <cstdint>\n#include <string_view>\n",
        "// The IANA zone of every point of the Earth as a quadtree. The first 48 x 24 numbers\n"
        "// are the 15-degree cells from the north-west, row by row; then come nodes of four\n"
        "// (north-west, north-east, south-west, south-east halves of their cell). A number of\n"
        "// at least g_ZoneGridFirstZone names zone g_ZoneLookupNames[number - "
        "g_ZoneGridFirstZone];\n"
        "// a smaller one is the offset of a child node: child = node + number + 1, with node -1\n"
        "// at the top level.\n"
        "inline constexpr std::uint16_t g_ZoneGridFirstZone = " +
            std::to_string(firstZone) + ";\nextern const std::uint16_t " + grid +
            ";\nextern const std::string_view " + zoneNames + ";\n",
        "\nconstexpr std::uint16_t " + grid + " = " + braceList(numbers, 16) +
            ";\n\nconstexpr std::string_view " + zoneNames + " = " + braceList(names, 1) + ";\n"};
}

}  // namespace quenaro::placegen
