#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace quenaro {

/// A table row with a name on the left (bold, 18 points, dark) and a value on the right
/// (14 points, blue), both on white; selected, both read white on the table's highlight.
class SplitValueTableCell : public QWidget {
    Q_OBJECT

  public:
    /// An empty cell; the identifier names the kind of row ("latitude", "longitude",
    /// "hmsCell") and becomes the object name.
    explicit SplitValueTableCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    /// The name label's text.
    void setText(const QString& text);
    QString text() const;
    /// The value label's text.
    void setValueText(const QString& valueText);
    QString valueText() const;
    /// Colours of a selected (clear background, white text) or unselected row (white
    /// background, dark name, blue value).
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }
    /// Colours chosen for night vision (the calculator's window is then turned red of the
    /// same brightness): an unselected row light on black instead of dark on white, so that
    /// the table is no bright block and its texts keep their contrast.
    void setNightVision(bool on);

  private:
    void applyColours();

    QLabel* nameLabel;
    QLabel* valueLabel;
    bool selected_ = false;
    bool nightVision_ = false;
};

}  // namespace quenaro
