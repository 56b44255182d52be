#pragma once

#include <QFont>

namespace quenaro {

/// The text size every view draws with, in points (device-independent pixels): the small
/// system font of a phone. Fixed, so drawings are the same on every machine.
inline constexpr int kSmallFontPixels = 12;

/// DejaVu Sans at kSmallFontPixels, regular weight: the views' "small system font".
QFont smallSystemFont();
/// DejaVu Sans Bold at kSmallFontPixels: section titles.
QFont boldSystemFont();

}  // namespace quenaro
