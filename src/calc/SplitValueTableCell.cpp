#include "calc/SplitValueTableCell.h"

#include <QHBoxLayout>
#include <QLabel>

namespace quenaro {

namespace {

const QColor kNameColor(0x1c, 0x1c, 0x1e);
const QColor kValueColor(0x00, 0x55, 0xd4);
/// For night vision: a light blue whose brightness (luma 206 of 255) keeps 3.5:1 against
/// the black row once red.
const QColor kNightValueColor(0xaa, 0xd7, 0xff);
const QColor kNightBackground(Qt::black);

void setLabelColors(QLabel* label, const QColor& background, const QColor& text, bool opaque) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    label->setPalette(palette);
    label->setAutoFillBackground(opaque);
}

}  // namespace

SplitValueTableCell::SplitValueTableCell(const QString& reuseIdentifier, QWidget* parent)
    : QWidget(parent), nameLabel(new QLabel(this)), valueLabel(new QLabel(this)) {
    setObjectName(reuseIdentifier);
    // In a table's viewport a widget would take the viewport's roles (Base and Text, the
    // table's grey and black); the cell and its labels draw in their own Window and
    // WindowText.
    for (QWidget* widget : {static_cast<QWidget*>(this), static_cast<QWidget*>(nameLabel),
                            static_cast<QWidget*>(valueLabel)}) {
        widget->setBackgroundRole(QPalette::Window);
        widget->setForegroundRole(QPalette::WindowText);
    }
    QFont nameFont = nameLabel->font();
    nameFont.setPixelSize(18);  // points are device-independent pixels
    nameFont.setBold(true);
    nameLabel->setFont(nameFont);
    QFont valueFont = valueLabel->font();
    valueFont.setPixelSize(14);
    valueLabel->setFont(valueFont);
    valueLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 2, 10, 2);
    layout->addWidget(nameLabel);
    layout->addStretch();
    layout->addWidget(valueLabel);
    setSelected(false);
}

void SplitValueTableCell::setText(const QString& text) {
    nameLabel->setText(text);
}

QString SplitValueTableCell::text() const {
    return nameLabel->text();
}

void SplitValueTableCell::setValueText(const QString& valueText) {
    valueLabel->setText(valueText);
}

QString SplitValueTableCell::valueText() const {
    return valueLabel->text();
}

void SplitValueTableCell::setSelected(bool selected) {
    selected_ = selected;
    applyColours();
}

void SplitValueTableCell::setNightVision(bool on) {
    nightVision_ = on;
    applyColours();
}

void SplitValueTableCell::applyColours() {
    const QColor rowBackground = nightVision_ ? kNightBackground : QColor(Qt::white);
    const QColor background = selected_ ? QColor(Qt::transparent) : rowBackground;
    const QColor name = nightVision_ ? QColor(Qt::white) : kNameColor;
    const QColor value = nightVision_ ? kNightValueColor : kValueColor;
    setLabelColors(nameLabel, background, selected_ ? QColor(Qt::white) : name, !selected_);
    setLabelColors(valueLabel, background, selected_ ? QColor(Qt::white) : value, !selected_);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    setAutoFillBackground(!selected_);
}

}  // namespace quenaro
