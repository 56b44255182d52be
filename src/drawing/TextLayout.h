#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drawing/Drawing.h"

namespace quenaro {

class TextMetrics;

/// The lines of `text` set in a column `width` points wide: its own lines (split at '\n'),
/// each broken between words where it would be wider than the column (a single word wider
/// than the column stays whole).
std::vector<std::string> wrappedLines(std::string_view text, FontRole font, double width,
                                      const TextMetrics& metrics);

/// The line cut at its head to fit `width` points: "…" and as much of its end as fits; the
/// line itself when it fits. Cuts fall between UTF-8 characters.
std::string elidedAtHead(std::string_view line, FontRole font, double width,
                         const TextMetrics& metrics);

}  // namespace quenaro
