#pragma once

#include <QImage>

#include <string_view>

namespace quenaro {

/// The picture `fileName` of the application's resources ("Sun.png": a name of planetNames or
/// zodiacNames) for a device of `devicePixelRatio` (1 or more): its "@2x" variant, twice the
/// pixels with device pixel ratio 2, when the ratio is above 1 and the variant exists, else the
/// picture itself. Either way the image draws at the picture's size in points. A null image when
/// there is no such picture (callers skip it). Pictures are read once and kept, like the
/// platform's named images. Main thread only.
QImage imageNamed(std::string_view fileName, double devicePixelRatio);

}  // namespace quenaro
