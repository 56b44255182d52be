#include "app/PreferencesDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>
#include <tuple>

#include "app/AppSettings.h"
#include "app/SettingsKeys.h"

namespace quenaro {

namespace {

struct LayerChoice {
    QLatin1String key;
    const char* title;
};

/// The chart's layers in the order the chart draws them.
constexpr std::array<LayerChoice, 5> kLayers{{
    {kShowAltAzKey, "Altitude and azimuth grid"},
    {kShowCirclesKey, "Tropics, polar circles and equator"},
    {kShowEclipticKey, "Ecliptic"},
    {kShowRaDecKey, "Right ascension and declination grid"},
    {kShowConstellationLinesKey, "Constellation lines"},
}};

constexpr int kTenths = 10;

int toTenths(double magnitude) {
    return static_cast<int>(std::lround(magnitude * kTenths));
}

}  // namespace

PreferencesDialog::PreferencesDialog(AppSettings& settings, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      magnitude_(new QSlider(Qt::Horizontal, this)),
      magnitudeText_(new QLabel(this)),
      audience_(new QButtonGroup(this)),
      positions_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("preferencesDialog"));
    setWindowTitle(tr("Preferences"));

    auto* chart = new QGroupBox(tr("Star chart"), this);
    auto* chartLayout = new QVBoxLayout(chart);
    for (std::size_t index = 0; index < kLayers.size(); ++index) {
        const QString key = kLayers[index].key;
        auto* box = new QCheckBox(tr(kLayers[index].title), chart);
        box->setObjectName(key);
        layers_[index] = box;
        chartLayout->addWidget(box);
        connect(box, &QCheckBox::toggled, this,
                [this, key](bool on) { settings_.setBoolValue(key, on); });
    }
    magnitude_->setObjectName(kShowMinMagnitudeKey);
    magnitude_->setRange(toTenths(kBrightestMagnitudeLimit), toTenths(kFaintestMagnitudeLimit));
    magnitude_->setPageStep(5);
    magnitude_->setTickPosition(QSlider::TicksBelow);
    magnitude_->setTickInterval(kTenths);
    magnitude_->setToolTip(
        tr("Stars down to this magnitude are drawn: to the right, fainter "
           "stars too"));
    auto* brighter = new QLabel(tr("Bright only"), chart);
    auto* fainter = new QLabel(tr("Faint too"), chart);
    auto* sliderRow = new QHBoxLayout;
    sliderRow->addWidget(brighter);
    sliderRow->addWidget(magnitude_, 1);
    sliderRow->addWidget(fainter);
    chartLayout->addSpacing(6);
    chartLayout->addWidget(magnitudeText_);
    chartLayout->addLayout(sliderRow);
    connect(magnitude_, &QSlider::valueChanged, this, [this](int tenths) {
        showMagnitude(tenths);
        settings_.setNumberValue(kShowMinMagnitudeKey, static_cast<double>(tenths) / kTenths);
    });

    auto* dial = new QGroupBox(tr("The orrery dial shows"), this);
    auto* dialLayout = new QVBoxLayout(dial);
    const std::array<std::pair<AudienceChoice, QString>, 3> audiences{{
        {kAudienceJulianDate, tr("The date and the Julian date")},
        {kAudiencePlanetaryHours, tr("The date and the planetary hour")},
        {kAudienceDateOnly, tr("The date only")},
    }};
    for (const auto& [choice, title] : audiences) {
        auto* button = new QRadioButton(title, dial);
        audience_->addButton(button, choice);
        dialLayout->addWidget(button);
    }
    audience_->button(kAudiencePlanetaryHours)
        ->setToolTip(tr("A box in the corner shows the rulers of the planetary hour and of the "
                        "day"));
    connect(audience_, &QButtonGroup::idToggled, this, [this](int choice, bool checked) {
        if (checked) {
            settings_.setIntValue(kAudienceKey, choice);
        }
    });

    auto* sources = new QGroupBox(tr("Positions of the Sun, the Moon and the planets"), this);
    auto* sourcesLayout = new QVBoxLayout(sources);
    const std::array<std::tuple<PositionsChoice, QString, QString>, 2> choices{{
        {PositionsChoice::Almanac, tr("Almanac"), tr("The almanac's own series")},
        {PositionsChoice::Precise, tr("Precise"),
         tr("VSOP87B and ELP/MPP02 at TT = UT + delta T, within half an arcsecond from 1960 "
            "to 2060; the sheet names the source and delta T")},
    }};
    for (const auto& [choice, title, tip] : choices) {
        auto* button = new QRadioButton(title, sources);
        button->setToolTip(tip);
        positions_->addButton(button, static_cast<int>(choice));
        sourcesLayout->addWidget(button);
    }
    connect(positions_, &QButtonGroup::idToggled, this, [this](int choice, bool checked) {
        if (checked) {
            settings_.setPositions(static_cast<PositionsChoice>(choice));
        }
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    restoreDefaults_ = buttons->addButton(QDialogButtonBox::RestoreDefaults);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(restoreDefaults_, &QAbstractButton::clicked, this, &PreferencesDialog::restoreDefaults);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart);
    layout->addWidget(dial);
    layout->addWidget(sources);
    layout->addWidget(buttons);
    showSettings();
}

QCheckBox* PreferencesDialog::layerBox(const QString& key) const {
    for (std::size_t index = 0; index < kLayers.size(); ++index) {
        if (key == kLayers[index].key) {
            return layers_[index];
        }
    }
    return nullptr;
}

QAbstractButton* PreferencesDialog::audienceButton(AudienceChoice choice) const {
    return audience_->button(choice);
}

QAbstractButton* PreferencesDialog::positionsButton(PositionsChoice choice) const {
    return positions_->button(static_cast<int>(choice));
}

void PreferencesDialog::showSettings() {
    for (std::size_t index = 0; index < kLayers.size(); ++index) {
        const QSignalBlocker quiet(layers_[index]);
        layers_[index]->setChecked(settings_.boolValue(kLayers[index].key));
    }
    {
        const QSignalBlocker quiet(magnitude_);
        magnitude_->setValue(toTenths(settings_.numberValue(kShowMinMagnitudeKey)));
    }
    showMagnitude(magnitude_->value());
    const int audience = settings_.intValue(kAudienceKey);
    {
        const QSignalBlocker quiet(audience_);
        audience_
            ->button(audience == kAudienceJulianDate || audience == kAudiencePlanetaryHours
                         ? audience
                         : kAudienceDateOnly)
            ->setChecked(true);
    }
    const QSignalBlocker quiet(positions_);
    positionsButton(settings_.positions())->setChecked(true);
}

void PreferencesDialog::showMagnitude(int tenths) {
    magnitudeText_->setText(
        tr("Faintest stars: magnitude %1").arg(static_cast<double>(tenths) / kTenths, 0, 'f', 1));
}

void PreferencesDialog::restoreDefaults() {
    for (const LayerChoice& layer : kLayers) {
        settings_.resetValue(layer.key);
    }
    settings_.resetValue(kShowMinMagnitudeKey);
    settings_.resetValue(kAudienceKey);
    settings_.resetValue(kPositionsKey);
    showSettings();
}

}  // namespace quenaro
