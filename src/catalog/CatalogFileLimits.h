#pragma once

#include <cstddef>

namespace quenaro {

/// Largest catalogue file the catalogue readers accept, in bytes (16 MiB). A larger file is
/// refused before it is parsed; callers reading a file need read no more than one byte beyond.
inline constexpr std::size_t maximumCatalogFileBytes = std::size_t{16} * 1024 * 1024;

/// Deepest nesting of arrays and dictionaries the catalogue readers accept (the catalogues need
/// two levels). Deeper files are refused before they are parsed, because the property-list
/// parser descends one level of its own call stack per level of nesting.
inline constexpr int maximumCatalogNesting = 64;

}  // namespace quenaro
