#pragma once

#include <QWidget>

#include "drawing/SheetDrawing.h"

namespace quenaro {

class Ephemeris;

/// The almanac sheet on screen, a page of 320 x 1500 points: each paint draws the shared
/// model with sheetDrawing() and the settings last given.
class EphemerisView : public QWidget {
    Q_OBJECT

  public:
    explicit EphemerisView(QWidget* parent = nullptr);

    /// The model drawn (not owned; connected by the interface description).
    void setEphemeris(const Ephemeris* model) { ephemeris_ = model; }

    /// What the sheet shows (the unit of the Moon's distance), from the next redraw on.
    void setSettings(const SheetSettings& settings);
    const SheetSettings& settings() const { return settings_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Ephemeris* ephemeris_ = nullptr;
    SheetSettings settings_;
};

}  // namespace quenaro
