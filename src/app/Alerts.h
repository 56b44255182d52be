#pragma once

#include <QString>

class QWidget;

namespace quenaro {

/// Shows a window-modal alert with one "OK" button over the window and returns at once:
/// the clock and the drawing go on while it is shown. It deletes itself when closed.
void showAlert(QWidget* window, const QString& title, const QString& message);

}  // namespace quenaro
