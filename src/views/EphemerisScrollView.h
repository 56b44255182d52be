#pragma once

#include <QScrollArea>

namespace quenaro {

/// The scrolling container of the almanac sheet: the page keeps its width, centred on black
/// in a wider window, and scrolls vertically.
class EphemerisScrollView : public QScrollArea {
    Q_OBJECT

  public:
    explicit EphemerisScrollView(QWidget* parent = nullptr);

  signals:
    /// A press on the sheet (the shell hides the date and time pickers); scrolling goes on
    /// as usual.
    void touched();

  protected:
    bool viewportEvent(QEvent* event) override;
};

}  // namespace quenaro
