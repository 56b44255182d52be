#include "views/ViewFonts.h"

namespace quenaro {

namespace {

QFont dejaVuSans(QFont::Weight weight) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(kSmallFontPixels);
    font.setWeight(weight);
    // Positions from the font's own outlines, not hinted to the device's pixel grid, so a
    // drawing at scale 2 is the drawing at scale 1 enlarged.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

QFont smallSystemFont() {
    return dejaVuSans(QFont::Normal);
}

QFont boldSystemFont() {
    return dejaVuSans(QFont::Bold);
}

}  // namespace quenaro
