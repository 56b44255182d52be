#pragma once

#include <QWidget>

namespace quenaro {

/// Holds one view as the largest square that fits, centred; the rest stays black.
class SquareBox : public QWidget {
    Q_OBJECT

  public:
    SquareBox(QWidget* content, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {360, 360}; }
    QSize minimumSizeHint() const override { return {120, 120}; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* content_;
};

}  // namespace quenaro
