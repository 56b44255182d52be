#pragma once

#include <QString>
#include <QWidget>

namespace quenaro {

/// A plain dark panel that says what will be drawn in its place.
class PlaceholderView : public QWidget {
    Q_OBJECT

  public:
    PlaceholderView(QString text, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
};

}  // namespace quenaro
