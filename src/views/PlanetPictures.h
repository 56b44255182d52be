#pragma once

#include <QImage>

namespace quenaro {

/// The picture of a body by the model's planet index (0 Sun "Sun.png" ... 10 Pluto
/// "Pluto.png") from the application's resources (":/pictures/"), at the given device pixel
/// ratio (its "@2x" variant at a ratio above 1 when the resources hold one). A null image
/// for an index outside 0-10 or a picture the resources do not hold: callers skip it.
QImage planetPicture(int planet, double devicePixelRatio);

}  // namespace quenaro
