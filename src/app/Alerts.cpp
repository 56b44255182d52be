#include "app/Alerts.h"

#include <QMessageBox>

namespace quenaro {

namespace {

void openBox(QWidget* window, QMessageBox::Icon icon, const QString& title,
             const QString& message) {
    auto* box = new QMessageBox(icon, title, message, QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

}  // namespace

void showAlert(QWidget* window, const QString& title, const QString& message) {
    openBox(window, QMessageBox::Warning, title, message);
}

}  // namespace quenaro
