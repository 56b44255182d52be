#pragma once

#include <filesystem>
#include <vector>

#include "tablegen/GeneratedFile.h"

namespace quenaro::cataloggen {

/// Generates the catalogue resources from the shared data folder, each named by its path
/// relative to the project's source folder:
/// - `resources/StarCatalog.plist` from `bright_stars.tsv`: an XML property list array of one
///   dictionary per star, keys "ra" (hours), "dec" (degrees) and "mag", in the data's order;
/// - `resources/Constellation.plist` from `constellation_lines.tsv`: an array of polylines, each
///   an array of numbers laid out flat as right ascension (hours), declination (degrees), …;
/// - `resources/Constellation.LICENSE`, the constellation figures' licence, verbatim;
/// - `src/catalog/ConstellationLinesNotice.h`, the same licence as a string constant.
/// Numbers are written in their shortest form that reads back to the same double.
/// Throws std::runtime_error naming the file and row when a file is missing or malformed: a
/// right ascension outside [0, 24) h, a declination outside [−90, 90]°, a magnitude or vertex
/// that is not a finite decimal number, a polyline of fewer than two vertices.
std::vector<tablegen::GeneratedFile> generateCatalogResources(
    const std::filesystem::path& dataDirectory);

/// Generates the same catalogues as C++ tables, for builds that read no property lists (the
/// WebAssembly build), each named by its path relative to the project's source folder:
/// - `src/catalog/tables/StarCatalogTable.cpp`: the stars of `bright_stars.tsv` in the data's
///   order;
/// - `src/catalog/tables/ConstellationLinesTable.cpp`: the vertices of `constellation_lines.tsv`
///   polyline after polyline, and the number of vertices of each polyline.
/// Each number is the float the property list's reader makes of the same value (the double,
/// narrowed), written in its shortest form that reads back to that float. The same checks and
/// errors as generateCatalogResources.
std::vector<tablegen::GeneratedFile> generateCatalogTables(
    const std::filesystem::path& dataDirectory);

}  // namespace quenaro::cataloggen
