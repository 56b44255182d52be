#pragma once

#include <QWidget>

#include "drawing/TimelineContent.h"
#include "views/QtCanvas.h"

namespace quenaro {

class Ephemeris;

/// The day timeline on screen: each paint draws the shared model with timelineDrawing().
class TimelineView : public QWidget {
    Q_OBJECT

  public:
    explicit TimelineView(QWidget* parent = nullptr);

    /// The model drawn (not owned; connected by the interface description).
    void setEphemeris(const Ephemeris* model) { ephemeris_ = model; }

    QSize sizeHint() const override { return {320, 120}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Ephemeris* ephemeris_ = nullptr;
    QtCanvas canvas_;
    TimelineContentMemo memo_;
};

}  // namespace quenaro
