#include "app/PlaceDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/QtText.h"
#include "places/Gazetteer.h"
#include "places/ZoneLookup.h"

namespace quenaro {

namespace {

constexpr std::size_t kShownMatches = 10;
constexpr int kPlaceRole = Qt::UserRole;

/// A place of the gazetteer as the application's place, with the place's own zone.
PlaceWithOrigin chosenPlace(const Place& place) {
    return {place.latitudeDegrees, place.longitudeDegrees, toQString(place.name),
            toQString(place.zone), PlaceWithOrigin::Origin::Chosen};
}

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

PlaceDialog::PlaceDialog(const PlaceWithOrigin& current, bool following, bool usePlaceTimeZone,
                         QWidget* parent)
    : QDialog(parent),
      search_(new QLineEdit(this)),
      results_(new QListWidget(this)),
      latitude_(new QLineEdit(this)),
      longitude_(new QLineEdit(this)),
      go_(new QPushButton(tr("Go to these coordinates"), this)),
      problem_(new QLabel(this)),
      useMyLocation_(new QPushButton(tr("Use my location"), this)),
      placeZone_(new QCheckBox(tr("Times in the place's own zone"), this)) {
    setWindowTitle(tr("Place"));
    search_->setPlaceholderText(tr("Search a city: Tromsø, Paris, FR, Springfield, IL"));
    search_->setClearButtonEnabled(true);
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
    layout->addWidget(search_);
    layout->addWidget(results_, 1);
    layout->addLayout(coordinates);
    layout->addWidget(go_);
    layout->addWidget(problem_);
    layout->addWidget(useMyLocation_);
    layout->addWidget(placeZone_);
    layout->addWidget(buttons);

    // Return acts in the field it is pressed in (the first match, or the coordinates),
    // never through a default button of the dialog.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit* field : {latitude_, longitude_}) {
        connect(field, &QLineEdit::returnPressed, go_, &QPushButton::click);
    }
    connect(search_, &QLineEdit::textChanged, this, &PlaceDialog::showMatches);
    // One click on a match chooses it, as Return or a double click does; a style that
    // activates on one click gives both signals, and the place is chosen once.
    const auto choose = [this](QListWidgetItem* item) {
        if (result() == QDialog::Accepted) {
            return;
        }
        emit placeChosen(item->data(kPlaceRole).value<PlaceWithOrigin>());
        accept();
    };
    connect(results_, &QListWidget::itemActivated, this, choose);
    connect(results_, &QListWidget::itemClicked, this, choose);
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (results_->count() > 0) {
            emit results_->itemActivated(results_->item(0));
        }
    });
    connect(go_, &QPushButton::clicked, this, [this] {
        if (const std::optional<PlaceWithOrigin> place = typedPlace()) {
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

void PlaceDialog::showMatches(const QString& query) {
    results_->clear();
    for (const Place& place : searchPlaces(query.toStdString(), kShownMatches)) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1, %2 \u2014 %3")
                .arg(toQString(place.name), toQString(place.countryName), toQString(place.zone)),
            results_);
        item->setData(kPlaceRole, QVariant::fromValue(chosenPlace(place)));
    }
}

std::optional<PlaceWithOrigin> PlaceDialog::typedPlace() {
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
    PlaceWithOrigin place;
    place.latitudeDegrees = *latitude;
    place.longitudeDegrees = *longitude;
    place.zone = toQString(zoneAtPosition(*latitude, *longitude));
    place.origin = PlaceWithOrigin::Origin::Chosen;
    return place;
}

}  // namespace quenaro
