#include "calc/AstrolabeScreen.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "calc/AstrolabeCalc.h"
#include "calc/AstrolabeView.h"

namespace quenaro {

namespace {

constexpr std::array<const char*, kAstrolabeModeCount> kModeButtonTitles{
    "Alt", "Az", "RA", "Dec", "Ecl Lat", "Ecl Long"};

/// Size of the blank sight view, and so of every picker of the editor, in points.
constexpr QSize kPickerSize(360, 216);

/// The table's size: 300 points wide at the least, and as high as its seven rows and three
/// section gaps (see AstrolabeCalc), so that it needs no scroll bar of its own.
constexpr QSize kTableSize(300, 3 * 14 + 7 * 34 + 4);

/// From this width on, the table stands beside the keypad; below it (a phone), under it.
constexpr int kSideBySideWidth = 680;

/// A page whose two columns stand side by side when it is wide enough and one above the
/// other when it is not.
class WidthAdaptingPage : public QWidget {
  public:
    explicit WidthAdaptingPage(int sideBySideWidth)
        : sideBySideWidth(sideBySideWidth), layout(new QBoxLayout(QBoxLayout::TopToBottom, this)) {
        layout->setSpacing(16);
    }

    QBoxLayout* columns() const { return layout; }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        layout->setDirection(width() >= sideBySideWidth ? QBoxLayout::LeftToRight
                                                        : QBoxLayout::TopToBottom);
    }

  private:
    int sideBySideWidth;
    QBoxLayout* layout;
};

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

    // Everything scrolls together: on a phone's width the table follows the keypad below.
    auto* scroll = new QScrollArea(screen);
    scroll->setObjectName(QStringLiteral("astrolabeScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus);  // typing goes to the screen, not the scroll area
    auto* page = new WidthAdaptingPage(kSideBySideWidth);
    auto* screenLayout = new QVBoxLayout(screen);
    screenLayout->setContentsMargins(0, 0, 0, 0);
    screenLayout->addWidget(scroll);

    // The six values, one to a row: mode button and value label.
    auto* readings = new QGridLayout;
    readings->setHorizontalSpacing(8);
    readings->setVerticalSpacing(4);
    readings->setColumnStretch(1, 1);
    for (int mode = 0; mode < kAstrolabeModeCount; ++mode) {
        QPushButton* button = keyButton(QString::fromUtf8(kModeButtonTitles[mode]), page, 13);
        button->setMinimumSize(88, 34);
        auto* label = new QLabel(page);
        label->setObjectName(QString::fromUtf8(astrolabeValueTitle(mode)));
        QFont font = label->font();
        font.setPixelSize(19);
        label->setFont(font);
        readings->addWidget(button, mode, 0);
        readings->addWidget(label, mode, 1);
        outlets.modeButtons[static_cast<std::size_t>(mode)] = button;
        outlets.labels[static_cast<std::size_t>(mode)] = label;
    }

    // The keypad: digits, the sign keys beside them, delete and next component.
    auto* keypad = new QGridLayout;
    std::array<QPushButton*, 10> digits{};
    for (int digit = 0; digit <= 9; ++digit) {
        digits[static_cast<std::size_t>(digit)] = keyButton(QString::number(digit), page);
        if (digit > 0) {
            keypad->addWidget(digits[static_cast<std::size_t>(digit)], 2 - (digit - 1) / 3,
                              (digit - 1) % 3);
        }
    }
    keypad->addWidget(digits[0], 3, 0, 1, 3);
    outlets.nButton = keyButton(QString(), page);
    outlets.sButton = keyButton(QString(), page);
    QPushButton* deleteKey = keyButton(QStringLiteral("\u232B"), page);
    deleteKey->setToolTip(QStringLiteral("Delete the last digit (Backspace)"));
    QPushButton* nextKey = keyButton(QStringLiteral("Next"), page);
    nextKey->setToolTip(QStringLiteral("Degrees, minutes, seconds in turn (Tab or Space)"));
    keypad->addWidget(outlets.nButton, 0, 3);
    keypad->addWidget(outlets.sButton, 1, 3);
    keypad->addWidget(deleteKey, 2, 3);
    keypad->addWidget(nextKey, 3, 3);

    auto* entry = new QVBoxLayout;
    entry->addLayout(readings);
    entry->addSpacing(12);
    entry->addLayout(keypad);
    entry->addStretch();

    auto* fauxTableView = new QWidget(page);
    fauxTableView->setMinimumSize(kTableSize);
    fauxTableView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    outlets.fauxTableView = fauxTableView;
    QBoxLayout* columns = page->columns();
    columns->addLayout(entry);
    columns->addWidget(fauxTableView, 0, Qt::AlignTop);
    scroll->setWidget(page);

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
