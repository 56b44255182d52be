#pragma once

#include <QDialog>
#include <array>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QSlider;

namespace quenaro {

class AppSettings;
enum class PositionsChoice;

/// The Audience setting: what the orrery dial writes in its centre and corner.
enum AudienceChoice : int {
    /// The date and the Julian date.
    kAudienceJulianDate = 0,
    /// The date, and the rulers of the planetary hour and of the day in the corner box.
    kAudiencePlanetaryHours = 1,
    /// The date only (so does any other stored value).
    kAudienceDateOnly = 2,
};

/// The preferences: what the star chart draws (its five layers and the faintest stars, a
/// magnitude from 1 to 6.5 in tenths), what the dial's centre and corner show (Audience) and
/// which source places the Sun, the Moon and the planets (Positions: Almanac or Precise).
/// Every change is written to the settings at once, whose change notification reaches the
/// views; Restore Defaults returns these settings to their registered defaults. Facing is
/// not offered: nothing drawn depends on it.
class PreferencesDialog : public QDialog {
    Q_OBJECT

  public:
    explicit PreferencesDialog(AppSettings& settings, QWidget* parent = nullptr);

    /// The check box of a boolean chart setting (ShowAltAz, ShowEcliptic, ShowRaDec,
    /// ShowConstellationLines, ShowCircles); nullptr for another key.
    QCheckBox* layerBox(const QString& key) const;
    /// The faintest stars, in tenths of a magnitude (10 to 65).
    QSlider* magnitudeSlider() const { return magnitude_; }
    /// The choice of Audience (kAudienceJulianDate ...).
    QAbstractButton* audienceButton(AudienceChoice choice) const;
    /// The choice of Positions.
    QAbstractButton* positionsButton(PositionsChoice choice) const;
    QAbstractButton* restoreDefaultsButton() const { return restoreDefaults_; }

  private:
    /// Shows the stored settings in the controls (without writing them back).
    void showSettings();
    void showMagnitude(int tenths);
    void restoreDefaults();

    AppSettings& settings_;
    std::array<QCheckBox*, 5> layers_{};
    QSlider* magnitude_;
    QLabel* magnitudeText_;
    QButtonGroup* audience_;
    QButtonGroup* positions_;
    QAbstractButton* restoreDefaults_ = nullptr;
};

}  // namespace quenaro
