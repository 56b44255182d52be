#include "app/OrreryScreen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/DateTimePicker.h"
#include "app/SquareBox.h"
#include "views/TimelineView.h"

namespace quenaro {

namespace {
constexpr int kTimelineHeight = 120;
}  // namespace

OrreryScreen::OrreryScreen(QWidget* orreryView, TimelineView* timelineView, QWidget* parent)
    : QWidget(parent),
      placeButton_(new QPushButton(this)),
      aboutButton_(new QToolButton(this)),
      dateButton_(new QPushButton(tr("Date"), this)),
      timeButton_(new QPushButton(tr("Time"), this)),
      nowButton_(new QPushButton(tr("Now"), this)),
      astrolabeButton_(new QPushButton(tr("Astrolabe"), this)),
      datePicker_(new DateTimePicker(DateTimePicker::Mode::Date, this)),
      timePicker_(new DateTimePicker(DateTimePicker::Mode::Time, this)) {
    setObjectName(QStringLiteral("orreryViewController"));
    placeButton_->setObjectName(QStringLiteral("placeButton"));
    placeButton_->setFlat(true);
    placeButton_->setToolTip(tr("Choose the place (Ctrl+L)"));
    placeButton_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    aboutButton_->setText(QStringLiteral("?"));
    aboutButton_->setToolTip(tr("About Quenaro"));
    dateButton_->setToolTip(tr("Pick the date (Ctrl+D)"));
    timeButton_->setToolTip(tr("Pick the time (Ctrl+T)"));
    nowButton_->setToolTip(tr("Back to the running clock (Ctrl+N)"));
    astrolabeButton_->setObjectName(QStringLiteral("astrolabeButton"));
    astrolabeButton_->setToolTip(
        tr("Convert a position between horizontal, equatorial and ecliptic coordinates "
           "(Ctrl+K)"));

    auto* placeRow = new QHBoxLayout;
    placeRow->addWidget(placeButton_, 1);
    placeRow->addWidget(aboutButton_);

    timelineView->setFixedHeight(kTimelineHeight);

    controls_ = new QHBoxLayout;
    controls_->addWidget(dateButton_);
    controls_->addWidget(timeButton_);
    controls_->addWidget(nowButton_);
    controls_->addWidget(astrolabeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(2);
    layout->addLayout(placeRow);
    layout->addWidget(new SquareBox(orreryView, this), 1);
    layout->addWidget(timelineView);
    layout->addLayout(controls_);
}

void OrreryScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placePickers();
}

void OrreryScreen::placePickers() {
    // Above the row of Date, Time and Now, which stay in reach while a picker is shown.
    const QMargins margins = layout()->contentsMargins();
    const int bottom = std::max(
        0, height() - margins.bottom() - controls_->sizeHint().height() - layout()->spacing());
    for (DateTimePicker* picker : {datePicker_, timePicker_}) {
        const int height = std::min(picker->sizeHint().height(), bottom);
        picker->setGeometry(0, bottom - height, width(), height);
    }
}

}  // namespace quenaro
