#include "calc/PickerView.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>

namespace quenaro {

PickerView::PickerView(QWidget* parent) : QWidget(parent), columnsLayout(new QHBoxLayout(this)) {
    columnsLayout->setContentsMargins(0, 0, 0, 0);
    columnsLayout->setSpacing(2);
    columnsLayout->addStretch();
    columnsLayout->addStretch();
}

void PickerView::reloadAllComponents(const std::vector<PickerColumn>& layout) {
    for (QListWidget* column : columns) {
        delete column;
    }
    columns.clear();
    int index = 1;  // after the leading stretch, so the columns stay centred
    for (const PickerColumn& pickerColumn : layout) {
        auto* column = new QListWidget(this);
        column->setSelectionMode(QAbstractItemView::NoSelection);
        column->setFocusPolicy(Qt::NoFocus);
        column->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        column->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        column->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        column->setFixedWidth(pickerColumn.widthPoints);
        column->viewport()->installEventFilter(this);
        for (const std::string& title : pickerColumn.titles) {
            auto* item = new QListWidgetItem(QString::fromStdString(title), column);
            item->setTextAlignment(Qt::AlignCenter);
            item->setSizeHint(QSize(pickerColumn.widthPoints, kPickerRowHeight));
        }
        columnsLayout->insertWidget(index++, column);
        columns.push_back(column);
    }
}

bool PickerView::eventFilter(QObject* watched, QEvent* event) {
    auto* viewport = qobject_cast<QWidget*>(watched);
    auto* column =
        viewport != nullptr ? qobject_cast<QListWidget*>(viewport->parentWidget()) : nullptr;
    if (column == nullptr) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            dragStartY = static_cast<QMouseEvent*>(event)->position().y();
            dragStartValue = column->verticalScrollBar()->value();
            return true;
        case QEvent::MouseMove: {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (move->buttons() & Qt::LeftButton) {
                const double dragged = move->position().y() - dragStartY;
                column->verticalScrollBar()->setValue(dragStartValue - static_cast<int>(dragged));
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return QWidget::eventFilter(watched, event);
    }
}

int PickerView::numberOfComponents() const {
    return static_cast<int>(columns.size());
}

int PickerView::numberOfRowsInComponent(int component) const {
    if (component < 0 || component >= numberOfComponents()) {
        return 0;
    }
    return columns[static_cast<std::size_t>(component)]->count();
}

QString PickerView::titleForRow(int row, int component) const {
    if (row < 0 || row >= numberOfRowsInComponent(component)) {
        return {};
    }
    return columns[static_cast<std::size_t>(component)]->item(row)->text();
}

int PickerView::widthOfComponent(int component) const {
    if (component < 0 || component >= numberOfComponents()) {
        return 0;
    }
    return columns[static_cast<std::size_t>(component)]->width();
}

}  // namespace quenaro
