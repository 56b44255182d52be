#include "app/AboutBox.h"

#include <QFile>
#include <QMessageBox>
#include <QStringList>

#include "app/QtText.h"
#include "catalog/ConstellationLinesNotice.h"
#include "places/PlaceAttribution.h"

namespace quenaro {

namespace {

/// The DejaVu fonts' copyright and licence as Debian installs them with the fonts.
constexpr const char* kFontLicenceFile = "/usr/share/doc/fonts-dejavu-core/copyright";

QString fontLicence() {
    QFile file(QString::fromLatin1(kFontLicenceFile));
    if (file.open(QIODevice::ReadOnly)) {
        return QString::fromUtf8(file.readAll());
    }
    return QStringLiteral(
               "Bitstream Vera Fonts licence with the DejaVu changes in the public "
               "domain (%1 is missing: install fonts-dejavu-core).")
        .arg(QString::fromLatin1(kFontLicenceFile));
}

}  // namespace

QString dataCredits() {
    return QStringList{
        toQString(kGazetteerAttribution),
        toQString(kZoneBoundaryAttribution),
        QStringLiteral("Stars: the Yale Bright Star Catalogue, 5th revised edition (public "
                       "domain)"),
        QStringLiteral("Constellation figures: Copyright (c) 2015, Olaf Frohn, under the "
                       "BSD-3-Clause licence (Show Details)"),
        QStringLiteral("Fonts and the pictures drawn from their symbols: DejaVu Sans and DejaVu "
                       "Sans Bold, under the licence (Show Details)"),
    }
        .join(QLatin1Char('\n'));
}

QString licenceTexts() {
    return QStringLiteral("Constellation figures\n\n%1\n\n\nDejaVu fonts\n\n%2")
        .arg(toQString(constellationLinesNotice), fontLicence());
}

void showAbout(QWidget* window) {
    auto* box = new QMessageBox(
        QMessageBox::Information, QStringLiteral("About Quenaro"),
        QStringLiteral("Quenaro %1\nA pocket sky almanac: the Sun, the Moon and the planets "
                       "for your place and time, computed on this device from published "
                       "analytical series.\n\n%2")
            .arg(QStringLiteral(QUENARO_VERSION), dataCredits()),
        QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("aboutBox"));
    box->setDetailedText(licenceTexts());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

}  // namespace quenaro
