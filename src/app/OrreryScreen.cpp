#include "app/OrreryScreen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

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

    auto* controls = new QHBoxLayout;
    controls->addWidget(dateButton_);
    controls->addWidget(timeButton_);
    controls->addWidget(nowButton_);
    controls->addWidget(astrolabeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(2);
    layout->addLayout(placeRow);
    layout->addWidget(new SquareBox(orreryView, this), 1);
    layout->addWidget(timelineView);
    layout->addLayout(controls);
}

void OrreryScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placePickers();
}

void OrreryScreen::placePickers() {
    for (DateTimePicker* picker : {datePicker_, timePicker_}) {
        const int height = picker->sizeHint().height();
        picker->setGeometry(0, this->height() - height, width(), height);
    }
}

}  // namespace quenaro
