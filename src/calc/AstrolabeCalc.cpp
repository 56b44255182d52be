#include "calc/AstrolabeCalc.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>

#include "calc/AstrolabePickerLayout.h"
#include "calc/AstrolabeView.h"
#include "calc/PickerView.h"
#include "calc/SplitValueTableCell.h"
#include "model/Ephemeris.h"

namespace quenaro {

namespace {

/// A table row: where it sits, the identifier of its kind and the value it shows (-1: the
/// sight row, which shows none).
struct TableRow {
    int section;
    int row;
    const char* identifier;
    int mode;
};

constexpr std::array<TableRow, 7> kTableRows{{
    {0, 0, "latitude", kAltitudeMode},
    {0, 1, "sight", -1},
    {0, 2, "longitude", kAzimuthMode},
    {1, 0, "hmsCell", kRightAscensionMode},
    {1, 1, "latitude", kDeclinationMode},
    {2, 0, "latitude", kEclipticLatitudeMode},
    {2, 1, "longitude", kEclipticLongitudeMode},
}};

constexpr int kSectionCount = 3;

/// The table's ground between its sections, by day and for night vision.
const QColor kTableGround(0xef, 0xef, 0xf4);
const QColor kNightTableGround(0x12, 0x12, 0x14);
/// The box behind the value being typed at night: 4.3:1 to its white text once red.
const QColor kTypedValueBox(0x40, 0x40, 0x40);

/// The keypad tag a key typed on the calculator stands for; -1 for none. Keys held with
/// Control, Alt or Meta are left to menus and shortcuts.
int keypadTagForKey(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return -1;
    }
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return key - Qt::Key_0;
    }
    switch (key) {
        case Qt::Key_Backspace:
            return kDeleteKey;
        case Qt::Key_Tab:
        case Qt::Key_Space:
            return kNextComponentKey;
        case Qt::Key_Plus:
            return kPositiveKey;
        case Qt::Key_Minus:
            return kNegativeKey;
        default:
            return event.text() == QStringLiteral("\u2212") ? kNegativeKey : -1;
    }
}

}  // namespace

AstrolabeCalc::AstrolabeCalc(const Outlets& outlets, QObject* parent)
    : QObject(parent), outlets(outlets) {}

void AstrolabeCalc::connectKey(QAbstractButton* button, int tag) {
    keys[tag] = button;
    button->setProperty("tag", tag);
    button->setFocusPolicy(Qt::NoFocus);  // Space and Tab type on the calculator, not a button
    connect(button, &QAbstractButton::clicked, this, [this, tag] { calcButton(tag); });
}

void AstrolabeCalc::awakeFromNib() {
    createTable();
    createPickers();
    QWidget* screen = outlets.astrolabeViewController;
    screen->setFocusPolicy(Qt::StrongFocus);
    screen->installEventFilter(this);
    table->installEventFilter(this);
    connect(outlets.astrolabeEditorController, &QDialog::finished, table,
            &QTreeWidget::clearSelection);

    const SignTitles titles = AstrolabeEntry::signTitles(calcEntry.calcMode());
    outlets.nButton->setText(QString::fromUtf8(titles.positive));
    outlets.sButton->setText(QString::fromUtf8(titles.negative));
    for (QAbstractButton* button : outlets.modeButtons) {
        button->setCheckable(true);
    }
    showLabelColours();
    showCalcResults();
    outlets.modeButtons[kAltitudeMode]->setChecked(true);
}

void AstrolabeCalc::createTable() {
    table = new QTreeWidget(outlets.fauxTableView->parentWidget());
    table->setObjectName(QStringLiteral("astrolabeTable"));
    table->setHeaderHidden(true);
    table->setRootIsDecorated(false);
    table->setIndentation(0);
    table->setColumnCount(1);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setGeometry(outlets.fauxTableView->geometry());
    table->setMinimumSize(outlets.fauxTableView->minimumSize());
    table->setSizePolicy(outlets.fauxTableView->sizePolicy());
    QPalette palette = table->palette();
    palette.setColor(QPalette::Base, kTableGround);  // between the sections
    table->setPalette(palette);
    if (QLayout* layout = outlets.fauxTableView->parentWidget()->layout()) {
        delete layout->replaceWidget(outlets.fauxTableView, table);
    }
    delete outlets.fauxTableView;
    outlets.fauxTableView = table;

    // Sections are unselectable spacer rows with their rows beneath: a grouped table.
    for (int section = 0; section < kSectionCount; ++section) {
        auto* sectionItem = new QTreeWidgetItem(table);
        sectionItem->setFlags(Qt::ItemIsEnabled);
        sectionItem->setSizeHint(0, QSize(0, 14));
        sectionItem->setExpanded(true);
    }
    for (const TableRow& row : kTableRows) {
        auto* item = new QTreeWidgetItem(table->topLevelItem(row.section));
        item->setSizeHint(0, QSize(300, 34));
        if (row.mode < 0) {
            item->setText(0, QStringLiteral("Altitude via Astrolabe"));
            item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
            item->setBackground(0, Qt::white);
            continue;
        }
        auto* cell = new SplitValueTableCell(QString::fromUtf8(row.identifier));
        cell->setText(QString::fromUtf8(astrolabeValueTitle(row.mode)));
        table->setItemWidget(item, 0, cell);
        valueCells[static_cast<std::size_t>(row.mode)] = cell;
    }
    table->expandAll();
    connect(table, &QTreeWidget::itemSelectionChanged, this, &AstrolabeCalc::tableSelectionChanged);
}

void AstrolabeCalc::createPickers() {
    auto* grid = qobject_cast<QGridLayout*>(outlets.editorModal->layout());
    for (int mode :
         {kLatitudeEditor, kAltitudeEditor, kLongitudeEditor, kDirectionEditor, kHmsEditor}) {
        auto* picker = new PickerView(outlets.editorModal);
        picker->setFixedSize(outlets.astrolabeView->size());
        if (grid != nullptr) {
            grid->addWidget(picker, 0, 0);
        }
        picker->hide();
        pickers[static_cast<std::size_t>(mode)] = picker;
    }
}

QTreeWidgetItem* AstrolabeCalc::tableItem(int section, int row) const {
    if (table == nullptr || section < 0 || section >= kSectionCount) {
        return nullptr;
    }
    return table->topLevelItem(section)->child(row);
}

PickerView* AstrolabeCalc::pickerForEditMode(int mode) const {
    if (mode < kLatitudeEditor || mode > kHmsEditor) {
        return nullptr;
    }
    return pickers[static_cast<std::size_t>(mode)];
}

void AstrolabeCalc::calcButton(int tag) {
    switch (calcEntry.press(tag)) {
        case AstrolabeEntry::KeyEffect::Refresh:
            showCurrentValue();
            showCalcResults();
            break;
        case AstrolabeEntry::KeyEffect::ModeChanged:
            setCalcMode(calcEntry.calcMode());
            break;
        case AstrolabeEntry::KeyEffect::None:
            break;
    }
}

void AstrolabeCalc::setCalcMode(int mode) {
    if (mode < 0 || mode >= kAstrolabeModeCount) {
        return;
    }
    for (QAbstractButton* button : outlets.modeButtons) {
        button->setChecked(false);
    }
    calcEntry.setCalcMode(mode);
    outlets.modeButtons[static_cast<std::size_t>(mode)]->setChecked(true);
    const bool hasSign = calcEntry.hasSign();
    outlets.nButton->setEnabled(hasSign);
    outlets.sButton->setEnabled(hasSign);
    if (hasSign) {
        const SignTitles titles = AstrolabeEntry::signTitles(mode);
        outlets.nButton->setText(QString::fromUtf8(titles.positive));
        outlets.sButton->setText(QString::fromUtf8(titles.negative));
    }
    currentLabel = mode;
    showLabelColours();
}

void AstrolabeCalc::showCurrentValue() {
    if (currentLabel < 0) {
        return;
    }
    outlets.labels[static_cast<std::size_t>(currentLabel)]->setText(
        QString::fromStdString(calcEntry.text()));
}

void AstrolabeCalc::showCalcResults() {
    position = position.withValue(*outlets.ephemeris, calcEntry.calcMode(), calcEntry.value());
    for (int mode = 0; mode < kAstrolabeModeCount; ++mode) {
        if (mode != currentLabel) {
            outlets.labels[static_cast<std::size_t>(mode)]->setText(
                QString::fromStdString(position.labelText(mode)));
        }
        if (SplitValueTableCell* cell = valueCells[static_cast<std::size_t>(mode)]) {
            cell->setValueText(QString::fromStdString(position.tableText(mode)));
        }
    }
}

void AstrolabeCalc::tableSelectionChanged() {
    for (const TableRow& row : kTableRows) {
        QTreeWidgetItem* item = tableItem(row.section, row.row);
        const bool selected = item->isSelected();
        if (row.mode >= 0) {
            valueCells[static_cast<std::size_t>(row.mode)]->setSelected(selected);
        }
        if (selected && !outlets.astrolabeEditorController->isVisible()) {
            showEditor(row.section, row.row);
        }
    }
}

void AstrolabeCalc::showEditor(int section, int row) {
    const int mode = astrolabeEditModeForRow(section, row);
    if (mode < 0) {
        return;
    }
    currentEditMode = mode;
    QTreeWidgetItem* item = tableItem(section, row);
    const auto* cell = qobject_cast<const SplitValueTableCell*>(table->itemWidget(item, 0));
    outlets.astrolabeEditorController->setWindowTitle(cell != nullptr ? cell->text()
                                                                      : item->text(0));
    outlets.astrolabeView->setVisible(mode == kSightEditor);
    for (int pickerMode = kLatitudeEditor; pickerMode <= kHmsEditor; ++pickerMode) {
        pickers[static_cast<std::size_t>(pickerMode)]->setVisible(pickerMode == mode);
    }
    if (PickerView* picker = pickerForEditMode(mode)) {
        picker->reloadAllComponents(astrolabePickerLayout(mode));
    }
    outlets.astrolabeEditorController->open();
}

void AstrolabeCalc::dismissedEditor() {
    outlets.astrolabeEditorController->accept();  // finished: the table deselects its row
}

bool AstrolabeCalc::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int tag = keypadTagForKey(*static_cast<QKeyEvent*>(event));
        const auto key = keys.find(tag);
        if (key != keys.end()) {
            key->second->click();  // does nothing while the key is disabled
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void AstrolabeCalc::setNightVision(bool on) {
    nightVision = on;
    QPalette palette = table->palette();
    palette.setColor(QPalette::Base, on ? kNightTableGround : kTableGround);
    table->setPalette(palette);
    for (const TableRow& row : kTableRows) {
        if (row.mode < 0) {
            tableItem(row.section, row.row)->setBackground(0, on ? Qt::black : Qt::white);
            tableItem(row.section, row.row)->setForeground(0, on ? Qt::white : Qt::black);
        } else {
            valueCells[static_cast<std::size_t>(row.mode)]->setNightVision(on);
        }
    }
    showLabelColours();
}

void AstrolabeCalc::showLabelColours() {
    for (int mode = 0; mode < kAstrolabeModeCount; ++mode) {
        QLabel* label = outlets.labels[static_cast<std::size_t>(mode)];
        const bool typed = mode == currentLabel;
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText,
                         typed && !nightVision ? QColor(Qt::red) : QColor(Qt::white));
        palette.setColor(QPalette::Window, kTypedValueBox);
        label->setPalette(palette);
        label->setAutoFillBackground(typed && nightVision);
    }
}

}  // namespace quenaro
