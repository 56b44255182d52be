#pragma once

#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

namespace quenaro {

/// Night vision for everything the application shows, red on black: the widgets of every
/// window, menu and dialog through the application's palette (nightPalette) and style
/// (NightVisionStyle, which also turns the standard icons red); the views through their
/// painters (setNightVision, ViewPainter); windows whose colours are their own through
/// NightVisionEffect. Needs a QApplication. Main thread only.
class NightMode {
  public:
    /// `views` are drawn with ViewPainter; `ownColourWindows` have colours the palette does
    /// not reach. Neither is owned.
    NightMode(std::vector<QWidget*> views, std::vector<QWidget*> ownColourWindows);

    /// Turns night vision on or off; the palette in use before the first turn on is the one
    /// restored when it is turned off.
    void setEnabled(bool on);

  private:
    std::vector<QPointer<QWidget>> views_;
    std::vector<QPointer<QWidget>> ownColourWindows_;
    std::optional<QPalette> dayPalette_;
    bool enabled_ = false;
};

}  // namespace quenaro
