#include "app/Alerts.h"

#include <QMessageBox>

#include "app/QtText.h"
#include "places/PlaceAttribution.h"

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

void showAbout(QWidget* window) {
    openBox(window, QMessageBox::Information, QStringLiteral("About Quenaro"),
            QStringLiteral("Quenaro %1\nA pocket sky almanac: the Sun, the Moon and the planets "
                           "for your place and time, computed on this device from published "
                           "analytical series.\n\n%2\n%3")
                .arg(QStringLiteral(QUENARO_VERSION), toQString(kGazetteerAttribution),
                     toQString(kZoneBoundaryAttribution)));
}

}  // namespace quenaro
