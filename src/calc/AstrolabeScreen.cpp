#include "calc/AstrolabeScreen.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/AstrolabeCalc.h"
#include "calc/AstrolabeView.h"

namespace quenaro {

namespace {

constexpr std::array<const char*, kAstrolabeModeCount> kModeButtonTitles{
    "Alt", "Az", "RA", "Dec", "Ecl Lat", "Ecl Long"};

/// Size of the blank sight view, and so of every picker of the editor, in points.
constexpr QSize kPickerSize(360, 216);

/// Keys and mode buttons: light on dark, the selected mode in blue, disabled keys dimmed.
constexpr const char* kKeyStyle =
    "QPushButton { background: #3a3a3c; color: white; border: none; border-radius: 6px; }"
    "QPushButton:pressed { background: #636366; }"
    "QPushButton:checked { background: #0a84ff; }"
    "QPushButton:disabled { background: #2c2c2e; color: #6e6e73; }";

QPushButton* keyButton(const QString& title, QWidget* parent, int pointSize = 16) {
    auto* button = new QPushButton(title, parent);
    button->setMinimumSize(56, 44);
    button->setStyleSheet(QString::fromUtf8(kKeyStyle));
    QFont font = button->font();
    font.setPointSize(pointSize);
    button->setFont(font);
    return button;
}

void useDarkColors(QWidget* screen) {
    QPalette palette = screen->palette();
    palette.setColor(QPalette::Window, QColor(0x12, 0x12, 0x14));
    palette.setColor(QPalette::WindowText, Qt::white);
    screen->setPalette(palette);
    screen->setAutoFillBackground(true);
}

/// The editor sheet: the view that holds the pickers (the sight view in its grid) and Done.
QDialog* buildEditor(QWidget* screen, AstrolabeCalc::Outlets& outlets) {
    auto* editor = new QDialog(screen);
    editor->setObjectName(QStringLiteral("astrolabeEditor"));
    editor->setWindowModality(Qt::WindowModal);
    auto* editorModal = new QWidget(editor);
    auto* grid = new QGridLayout(editorModal);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* astrolabeView = new AstrolabeView(editorModal);
    astrolabeView->setFixedSize(kPickerSize);
    grid->addWidget(astrolabeView, 0, 0);
    auto* buttons = new QDialogButtonBox(editor);
    buttons->addButton(QStringLiteral("Done"), QDialogButtonBox::AcceptRole);
    auto* layout = new QVBoxLayout(editor);
    layout->addWidget(editorModal);
    layout->addWidget(buttons);

    outlets.astrolabeEditorController = editor;
    outlets.editorModal = editorModal;
    outlets.astrolabeView = astrolabeView;
    return editor;
}

}  // namespace

AstrolabeCalc* buildAstrolabeScreen(Ephemeris& model, QWidget* screen) {
    useDarkColors(screen);
    AstrolabeCalc::Outlets outlets;
    outlets.ephemeris = &model;
    outlets.astrolabeViewController = screen;
    QDialog* editor = buildEditor(screen, outlets);

    // The six values, a frame to a row: mode button and value label, twice.
    auto* readings = new QGridLayout;
    readings->setHorizontalSpacing(8);
    for (int mode = 0; mode < kAstrolabeModeCount; ++mode) {
        QPushButton* button = keyButton(QString::fromUtf8(kModeButtonTitles[mode]), screen, 12);
        button->setMinimumSize(76, 36);
        auto* label = new QLabel(screen);
        label->setObjectName(QString::fromUtf8(astrolabeValueTitle(mode)));
        label->setMinimumWidth(150);
        QFont font = label->font();
        font.setPointSize(15);
        label->setFont(font);
        readings->addWidget(button, mode / 2, (mode % 2) * 2);
        readings->addWidget(label, mode / 2, (mode % 2) * 2 + 1);
        outlets.modeButtons[static_cast<std::size_t>(mode)] = button;
        outlets.labels[static_cast<std::size_t>(mode)] = label;
    }

    // The keypad: digits, the sign keys beside them, delete and next component.
    auto* keypad = new QGridLayout;
    std::array<QPushButton*, 10> digits{};
    for (int digit = 0; digit <= 9; ++digit) {
        digits[static_cast<std::size_t>(digit)] = keyButton(QString::number(digit), screen);
        if (digit > 0) {
            keypad->addWidget(digits[static_cast<std::size_t>(digit)], 2 - (digit - 1) / 3,
                              (digit - 1) % 3);
        }
    }
    keypad->addWidget(digits[0], 3, 0, 1, 3);
    outlets.nButton = keyButton(QString(), screen);
    outlets.sButton = keyButton(QString(), screen);
    QPushButton* deleteKey = keyButton(QStringLiteral("\u232B"), screen);
    deleteKey->setToolTip(QStringLiteral("Delete the last digit (Backspace)"));
    QPushButton* nextKey = keyButton(QStringLiteral("Next"), screen);
    nextKey->setToolTip(QStringLiteral("Degrees, minutes, seconds in turn (Tab or Space)"));
    keypad->addWidget(outlets.nButton, 0, 3);
    keypad->addWidget(outlets.sButton, 1, 3);
    keypad->addWidget(deleteKey, 2, 3);
    keypad->addWidget(nextKey, 3, 3);

    auto* left = new QVBoxLayout;
    left->addLayout(readings);
    left->addSpacing(12);
    left->addLayout(keypad);
    left->addStretch();

    auto* fauxTableView = new QWidget(screen);
    fauxTableView->setMinimumSize(420, 320);
    outlets.fauxTableView = fauxTableView;
    auto* layout = new QHBoxLayout(screen);
    layout->addLayout(left);
    layout->addWidget(fauxTableView, 1);

    auto* calc = new AstrolabeCalc(outlets, screen);
    for (int digit = 0; digit <= 9; ++digit) {
        calc->connectKey(digits[static_cast<std::size_t>(digit)], digit);
    }
    for (int mode = 0; mode < kAstrolabeModeCount; ++mode) {
        calc->connectKey(outlets.modeButtons[static_cast<std::size_t>(mode)], kModeKeyBase + mode);
    }
    calc->connectKey(outlets.nButton, kPositiveKey);
    calc->connectKey(outlets.sButton, kNegativeKey);
    calc->connectKey(nextKey, kNextComponentKey);
    calc->connectKey(deleteKey, kDeleteKey);
    QObject::connect(editor->findChild<QDialogButtonBox*>(), &QDialogButtonBox::accepted, calc,
                     &AstrolabeCalc::dismissedEditor);
    calc->awakeFromNib();
    return calc;
}

}  // namespace quenaro
