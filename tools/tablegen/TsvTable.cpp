#include "tablegen/TsvTable.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "base/DoubleFromChars.h"

namespace quenaro::tablegen {

namespace {

std::vector<std::string> splitAtTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

[[noreturn]] void throwBadField(const TsvTable& table, std::size_t row, std::size_t column,
                                const char* expected) {
    throw std::runtime_error(table.path.string() + ": data row " + std::to_string(row + 1) +
                             ", field " + std::to_string(column + 1) + " \"" +
                             table.rows.at(row).at(column) + "\" is not " + expected);
}

}  // namespace

TsvTable readTsvTable(const std::filesystem::path& path) {
    std::ifstream input(path, std::ios::binary);
    if (!input) {
        throw std::runtime_error(path.string() + ": cannot be read");
    }
    TsvTable table{path, {}};
    std::string line;
    while (std::getline(input, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        table.rows.push_back(splitAtTabs(line));
    }
    return table;
}

TsvTable readTsvTable(const std::filesystem::path& path, std::size_t fieldCount) {
    TsvTable table = readTsvTable(path);
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        if (table.rows[row].size() != fieldCount) {
            throw std::runtime_error(path.string() + ": data row " + std::to_string(row + 1) +
                                     " has " + std::to_string(table.rows[row].size()) +
                                     " fields, expected " + std::to_string(fieldCount));
        }
    }
    return table;
}

std::optional<double> finiteDecimal(std::string_view text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = doubleFromChars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double doubleField(const TsvTable& table, std::size_t row, std::size_t column) {
    const std::optional<double> value = finiteDecimal(table.rows.at(row).at(column));
    if (!value) {
        throwBadField(table, row, column, "a finite decimal number");
    }
    return *value;
}

std::int32_t integerField(const TsvTable& table, std::size_t row, std::size_t column) {
    const std::string& text = table.rows.at(row).at(column);
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) {
        throwBadField(table, row, column, "a 32-bit integer");
    }
    return value;
}

}  // namespace quenaro::tablegen
