#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "calc/AstrolabePickerLayout.h"

class QListWidget;
class QHBoxLayout;

namespace quenaro {

/// A picker of the calculator's editor: side by side columns, each a list of rows
/// (kPickerRowHeight points high) that scrolls by wheel or by dragging it. It shows its rows and
/// reports no selection.
class PickerView : public QWidget {
    Q_OBJECT

  public:
    explicit PickerView(QWidget* parent = nullptr);

    /// Replaces every column by the layout's columns.
    void reloadAllComponents(const std::vector<PickerColumn>& layout);

    int numberOfComponents() const;
    /// Rows of the component; 0 for an index outside the columns.
    int numberOfRowsInComponent(int component) const;
    /// Title of the row of the component; empty outside the columns and rows.
    QString titleForRow(int row, int component) const;
    /// Width of the component in points; 0 outside the columns.
    int widthOfComponent(int component) const;

  protected:
    /// A column follows the pointer dragged over it, as a wheel turns under a finger.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QHBoxLayout* columnsLayout;
    std::vector<QListWidget*> columns;
    double dragStartY = 0.0;  ///< where the drag began in the column, points
    int dragStartValue = 0;   ///< the column's scroll position then
};

}  // namespace quenaro
