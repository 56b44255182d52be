#pragma once

#include <QDialog>
#include <optional>

#include "app/Place.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quenaro {

/// Chooses the place by hand: typed latitude and longitude, or back to the device's own
/// location; and whether times are read in the place's own zone.
class PlaceDialog : public QDialog {
    Q_OBJECT

  public:
    PlaceDialog(const Place& current, bool following, bool usePlaceTimeZone,
                QWidget* parent = nullptr);

    /// The place the typed coordinates give; none (with the reason shown in the dialog)
    /// when they are not a latitude in [-90, 90] and a longitude in [-180, 180] written as
    /// plain decimal numbers.
    std::optional<Place> typedPlace();

    QLineEdit* latitudeField() const { return latitude_; }
    QLineEdit* longitudeField() const { return longitude_; }
    QPushButton* goButton() const { return go_; }
    QPushButton* useMyLocationButton() const { return useMyLocation_; }
    QCheckBox* placeZoneBox() const { return placeZone_; }

  signals:
    /// The user chose this place.
    void placeChosen(const quenaro::Place& place);
    /// The user wants the device's own location again.
    void useMyLocation();
    /// The user switched between the place's zone and the device's.
    void usePlaceTimeZoneChanged(bool usePlaceTimeZone);

  private:
    QLineEdit* latitude_;
    QLineEdit* longitude_;
    QPushButton* go_;
    QLabel* problem_;
    QPushButton* useMyLocation_;
    QCheckBox* placeZone_;
};

}  // namespace quenaro
