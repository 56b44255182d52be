#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quenaro::tablegen {

/// The data rows of one tab-separated file of the shared data: every line that is neither
/// empty nor a '#' header, split at tabs into its fields (text, unconverted).
struct TsvTable {
    std::filesystem::path path;
    std::vector<std::vector<std::string>> rows;
};

/// Reads `path`, rows of any number of fields. Throws std::runtime_error naming the file when it
/// cannot be read.
TsvTable readTsvTable(const std::filesystem::path& path);

/// Reads `path`. Throws std::runtime_error naming the file when it cannot be read, or when a
/// row has a number of fields other than `fieldCount`.
TsvTable readTsvTable(const std::filesystem::path& path, std::size_t fieldCount);

/// `text` as a double when the whole of it is a finite decimal number ("-16.7161", "1e-3");
/// nullopt for anything else (empty, trailing characters, "inf", "nan", out of range).
std::optional<double> finiteDecimal(std::string_view text);

/// The field at (row, column) as a double; the whole field must be a finite decimal number.
/// Throws std::runtime_error naming the file, line and text otherwise.
double doubleField(const TsvTable& table, std::size_t row, std::size_t column);

/// The field at (row, column) as a signed 32-bit integer (no fraction, no exponent).
/// Throws std::runtime_error naming the file, line and text otherwise.
std::int32_t integerField(const TsvTable& table, std::size_t row, std::size_t column);

}  // namespace quenaro::tablegen
