#pragma once

#include <QString>

class QWidget;

namespace quenaro {

/// The credits every source of the data asks for, one a line, worded as the web page's About
/// screen words them: places, zone boundaries, stars, constellation figures, fonts.
QString dataCredits();

/// The licence texts the credits refer to: the constellation figures' BSD notice and the
/// DejaVu fonts' licence (the system's copy, which the drawing's fonts come with).
QString licenceTexts();

/// Shows the About box (the version, the credits, and the licences under "Show Details")
/// window-modal over the window and returns at once; it deletes itself when closed.
void showAbout(QWidget* window);

}  // namespace quenaro
