#include "app/QuenaroWindow.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/AppSettings.h"

namespace quenaro {

namespace {
constexpr QSize kPhoneSize(360, 640);
}  // namespace

QuenaroWindow::QuenaroWindow(AppSettings& settings, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      tabs_(new QTabWidget(this)),
      menuBar_(new QMenuBar(this)) {
    setWindowTitle(QStringLiteral("Quenaro"));
    tabs_->setObjectName(QStringLiteral("tabBarController"));
    tabs_->setTabPosition(QTabWidget::South);
    tabs_->setDocumentMode(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(tabs_);
    // A stored size larger than the screen (another screen's, or a damaged file's) is made to
    // fit it.
    QSize size = settings_.windowSize().value_or(kPhoneSize);
    if (const QScreen* shownOn = screen(); shownOn != nullptr) {
        size = size.boundedTo(shownOn->availableGeometry().size());
    }
    resize(size);
}

void QuenaroWindow::closeEvent(QCloseEvent* event) {
    settings_.setWindowSize(size());
    settings_.sync();
    QWidget::closeEvent(event);
}

}  // namespace quenaro
