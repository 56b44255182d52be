#include "calc/SplitValueTableCell.h"

#include <QHBoxLayout>
#include <QLabel>

namespace quenaro {

namespace {

const QColor kNameColor(0x1c, 0x1c, 0x1e);
const QColor kValueColor(0x00, 0x55, 0xd4);

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
    QFont nameFont = nameLabel->font();
    nameFont.setPointSize(18);
    nameFont.setBold(true);
    nameLabel->setFont(nameFont);
    QFont valueFont = valueLabel->font();
    valueFont.setPointSize(14);
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
    const QColor background = selected ? QColor(Qt::transparent) : QColor(Qt::white);
    setLabelColors(nameLabel, background, selected ? QColor(Qt::white) : kNameColor, !selected);
    setLabelColors(valueLabel, background, selected ? QColor(Qt::white) : kValueColor, !selected);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    setAutoFillBackground(!selected);
}

}  // namespace quenaro
