#pragma once

#include <QRectF>
#include <vector>

class QPainter;

namespace quenaro {

class Ephemeris;
struct SheetLine;

/// The sheet's page, points: every redraw lays out the whole page in this size.
inline constexpr double kSheetWidth = 320.0;
inline constexpr double kSheetHeight = 1500.0;

/// Draws the model's almanac sheet (the rows of `quenaro sheet`) top to bottom on a page
/// 320 points wide: right-aligned labels in a 110-point column, left-aligned values from
/// x 120 in a 200-point one, under section bands with the planet's picture and a bold title.
/// Fills `dirty` (points) with black first; draws the whole page whatever `dirty` is.
/// `metric` gives the Moon's distance in kilometres, else in miles.
void drawEphemerisSheet(const Ephemeris& model, bool metric, const QRectF& dirty,
                        QPainter& painter);

/// Draws the given sheet lines the same way (the part of drawEphemerisSheet that does not
/// ask the model). Returns the height the page took, points.
double paintEphemerisSheet(const std::vector<SheetLine>& lines, const QRectF& dirty,
                           QPainter& painter);

}  // namespace quenaro
