#pragma once

#include <vector>

#include "drawing/Drawing.h"

namespace quenaro {

struct SheetLine;
class TextMetrics;

/// The sheet's page, points: every redraw lays out the whole page in this size.
inline constexpr double kSheetWidth = 320.0;
inline constexpr double kSheetHeight = 1500.0;

/// What the sheet shows beside the model: the user's unit of length.
struct SheetSettings {
    /// The Moon's distance in kilometres (true) or miles.
    bool metric = true;
    friend bool operator==(const SheetSettings&, const SheetSettings&) = default;
};

/// The sheet's lines laid out on a black page of `size` points (320 wide): right-aligned
/// labels in a 110-point column, left-aligned values from x 120 in a 200-point one, under
/// section bands with the planet's picture and a bold title. `height` is how far down the page
/// the lines reach.
struct SheetDrawing {
    Drawing drawing;
    double height = 0.0;
};

SheetDrawing sheetDrawing(const std::vector<SheetLine>& lines, Size size,
                          const TextMetrics& metrics);

}  // namespace quenaro
