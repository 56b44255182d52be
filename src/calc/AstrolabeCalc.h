#pragma once

#include <QObject>
#include <array>
#include <map>

#include "calc/AstrolabeEntry.h"
#include "calc/AstrolabePosition.h"

class QAbstractButton;
class QDialog;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace quenaro {

class AstrolabeView;
class Ephemeris;
class PickerView;
class SplitValueTableCell;

/// The controller of the coordinate calculator: one position in horizontal, equatorial and
/// ecliptic coordinates for the model's date and place. Six mode buttons pick the value the
/// keypad types (as degrees or hours, minutes and seconds, with a sign for the whole value);
/// after every key the other two pairs are converted through the model and the six labels
/// and the table show the result. Selecting a table row opens the editor sheet with the
/// picker for that kind of value.
class AstrolabeCalc : public QObject {
    Q_OBJECT

  public:
    /// The objects the interface description creates and connects to the controller.
    struct Outlets {
        Ephemeris* ephemeris = nullptr;          ///< the shared model, not owned
        QWidget* fauxTableView = nullptr;        ///< placeholder in a layout, replaced by the table
        AstrolabeView* astrolabeView = nullptr;  ///< inside editorModal's grid layout
        QWidget* astrolabeViewController = nullptr;    ///< the calculator's screen
        QDialog* astrolabeEditorController = nullptr;  ///< the editor sheet
        QWidget* editorModal = nullptr;                ///< the editor's view holding the pickers
        std::array<QAbstractButton*, kAstrolabeModeCount> modeButtons{};  ///< by mode 0-5
        std::array<QLabel*, kAstrolabeModeCount> labels{};                ///< by mode 0-5
        QAbstractButton* nButton = nullptr;  ///< the sign key for positive values, tag 200
        QAbstractButton* sButton = nullptr;  ///< the sign key for negative values, tag 201
    };

    AstrolabeCalc(const Outlets& outlets, QObject* parent);

    /// Makes a key of the keypad (digits 0-9, modes 100-105, signs 200-201, next component
    /// 202, delete 203) send its tag to calcButton when clicked or typed on the keyboard.
    void connectKey(QAbstractButton* button, int tag);
    /// Set-up once every outlet is connected: the table in place of its placeholder, the five
    /// pickers in the editor, the first results, the altitude mode button marked.
    void awakeFromNib();

    /// The keypad: digits, mode keys, sign keys, next component and delete (see connectKey).
    void calcButton(int tag);
    /// Makes the keypad enter the mode's value (0-5) from an empty entry.
    void setCalcMode(int mode);
    /// Shows the entry in the label of the value being typed (none before the first mode
    /// change).
    void showCurrentValue();
    /// Stores the typed value, converts the position through the model and shows it in every
    /// label but the one being typed, and in the table.
    void showCalcResults();
    /// Closes the editor sheet and deselects the table's row.
    void dismissedEditor();
    /// Colours chosen for night vision, when the whole window is turned red of the same
    /// brightness: the value being typed white on a grey box (red of the day would be too
    /// dark to read), the table's rows light on black.
    void setNightVision(bool on);

    /// The six values, degrees.
    double altitude() const { return position.altitude; }
    double azimuth() const { return position.azimuth; }
    double rightAscension() const { return position.rightAscension; }
    double declination() const { return position.declination; }
    double latitude() const { return position.latitude; }
    double longitude() const { return position.longitude; }

    const AstrolabeEntry& entry() const { return calcEntry; }
    /// The grouped table (after set-up).
    QTreeWidget* tableView() const { return table; }
    /// The table's row (section 0-2, row as the section counts), null for another.
    QTreeWidgetItem* tableItem(int section, int row) const;
    /// The picker shown by the editor mode (1-5); null for another.
    PickerView* pickerForEditMode(int mode) const;
    int editMode() const { return currentEditMode; }

  protected:
    /// Typing on the calculator's screen: digits, Backspace, Tab or Space (next component),
    /// + and - (the sign keys), each as a click of its key.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createTable();
    void createPickers();
    void tableSelectionChanged();
    void showEditor(int section, int row);
    /// The six labels' colours: the one being typed red (at night white on a box), the
    /// others white.
    void showLabelColours();

    Outlets outlets;
    QTreeWidget* table = nullptr;
    std::array<PickerView*, 6> pickers{};  ///< by editor mode; 0 (the sight) has none
    std::array<SplitValueTableCell*, kAstrolabeModeCount> valueCells{};  ///< by mode 0-5
    std::map<int, QAbstractButton*> keys;                                ///< keypad buttons by tag

    AstrolabeEntry calcEntry;
    AstrolabePosition position;
    int currentLabel = -1;  ///< mode of the label being typed into; -1 until a mode change
    int currentEditMode = 0;
    bool nightVision = false;
};

}  // namespace quenaro
