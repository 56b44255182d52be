#pragma once

#include <QWidget>

namespace quenaro {

class Ephemeris;

/// The almanac sheet on screen, a page of 320 x 1500 points: each paint draws the shared
/// model with drawEphemerisSheet().
class EphemerisView : public QWidget {
    Q_OBJECT

  public:
    explicit EphemerisView(QWidget* parent = nullptr);

    /// The model drawn (not owned; connected by the interface description).
    void setEphemeris(const Ephemeris* model) { ephemeris_ = model; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Ephemeris* ephemeris_ = nullptr;
};

}  // namespace quenaro
