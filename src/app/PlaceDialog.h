#pragma once

#include <QDialog>
#include <optional>

#include "app/PlaceWithOrigin.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quenaro {

/// Chooses the place by hand: a place of the gazetteer found by name as the user types, or
/// typed latitude and longitude (with the zone the zone map gives there), or back to the
/// device's own location; and whether times are read in the place's own zone.
class PlaceDialog : public QDialog {
    Q_OBJECT

  public:
    PlaceDialog(const PlaceWithOrigin& current, bool following, bool usePlaceTimeZone,
                QWidget* parent = nullptr);

    /// The place the typed coordinates give; none (with the reason shown in the dialog)
    /// when they are not a latitude in [-90, 90] and a longitude in [-180, 180] written as
    /// plain decimal numbers.
    std::optional<PlaceWithOrigin> typedPlace();

    QLineEdit* searchField() const { return search_; }
    QListWidget* resultList() const { return results_; }
    QLineEdit* latitudeField() const { return latitude_; }
    QLineEdit* longitudeField() const { return longitude_; }
    QPushButton* goButton() const { return go_; }

  signals:
    /// The user chose this place.
    void placeChosen(const quenaro::PlaceWithOrigin& place);
    /// The user wants the device's own location again.
    void useMyLocation();
    /// The user switched between the place's zone and the device's.
    void usePlaceTimeZoneChanged(bool usePlaceTimeZone);

  private:
    /// Lists the gazetteer's best matches for the search text.
    void showMatches(const QString& query);

    QLineEdit* search_;
    QListWidget* results_;
    QLineEdit* latitude_;
    QLineEdit* longitude_;
    QPushButton* go_;
    QLabel* problem_;
    QPushButton* useMyLocation_;
    QCheckBox* placeZone_;
};

}  // namespace quenaro
