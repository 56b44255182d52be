#include "app/PlaceDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace quenaro {

namespace {

/// A plain decimal number ("52.5", "-13"); none for anything else.
std::optional<double> plainNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

PlaceDialog::PlaceDialog(const Place& current, bool following, bool usePlaceTimeZone,
                         QWidget* parent)
    : QDialog(parent),
      latitude_(new QLineEdit(this)),
      longitude_(new QLineEdit(this)),
      go_(new QPushButton(tr("Go to these coordinates"), this)),
      problem_(new QLabel(this)),
      useMyLocation_(new QPushButton(tr("Use my location"), this)),
      placeZone_(new QCheckBox(tr("Times in the place's own zone"), this)) {
    setWindowTitle(tr("Place"));
    latitude_->setPlaceholderText(tr("degrees, north positive"));
    longitude_->setPlaceholderText(tr("degrees, east positive"));
    latitude_->setText(QString::number(current.latitudeDegrees, 'f', 4));
    longitude_->setText(QString::number(current.longitudeDegrees, 'f', 4));
    problem_->setWordWrap(true);
    problem_->hide();
    useMyLocation_->setEnabled(!following);
    placeZone_->setChecked(usePlaceTimeZone);

    auto* coordinates = new QFormLayout;
    coordinates->addRow(tr("Latitude"), latitude_);
    coordinates->addRow(tr("Longitude"), longitude_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(coordinates);
    layout->addWidget(go_);
    layout->addWidget(problem_);
    layout->addWidget(useMyLocation_);
    layout->addWidget(placeZone_);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(go_, &QPushButton::clicked, this, [this] {
        if (const std::optional<Place> place = typedPlace()) {
            emit placeChosen(*place);
            accept();
        }
    });
    connect(useMyLocation_, &QPushButton::clicked, this, [this] {
        emit useMyLocation();
        accept();
    });
    connect(placeZone_, &QCheckBox::toggled, this, &PlaceDialog::usePlaceTimeZoneChanged);
}

std::optional<Place> PlaceDialog::typedPlace() {
    const std::optional<double> latitude = plainNumber(latitude_->text());
    const std::optional<double> longitude = plainNumber(longitude_->text());
    if (!latitude || !longitude || !validCoordinates(*latitude, *longitude)) {
        problem_->setText(
            tr("A latitude is a number from -90 to 90 (north positive), a "
               "longitude one from -180 to 180 (east positive)."));
        problem_->show();
        return std::nullopt;
    }
    problem_->hide();
    Place place;
    place.latitudeDegrees = *latitude;
    place.longitudeDegrees = *longitude;
    place.origin = Place::Origin::Chosen;
    return place;
}

}  // namespace quenaro
