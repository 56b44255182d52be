#pragma once

#include <QWidget>

class QMenuBar;
class QTabWidget;

namespace quenaro {

class AppSettings;

/// The application's one window: phone-sized by default (360 x 640 points), resizable, a menu
/// bar at the top, the tabs along the bottom. It remembers its size in the settings when closed.
class QuenaroWindow : public QWidget {
    Q_OBJECT

  public:
    explicit QuenaroWindow(AppSettings& settings, QWidget* parent = nullptr);

    QTabWidget* tabBarController() const { return tabs_; }
    QMenuBar* menuBar() const { return menuBar_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    AppSettings& settings_;
    QTabWidget* tabs_;
    QMenuBar* menuBar_;
};

}  // namespace quenaro
