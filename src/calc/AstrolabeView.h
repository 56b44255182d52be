#pragma once

#include <QWidget>

namespace quenaro {

/// The calculator's blank view: the editor shows it for the "Altitude via Astrolabe" row,
/// and its size is the size of every picker of the editor. It draws nothing.
class AstrolabeView : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;
};

}  // namespace quenaro
