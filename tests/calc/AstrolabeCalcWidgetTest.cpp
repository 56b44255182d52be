// The calculator's screen driven as a user drives it: keypad clicks and typing, the labels and
// the table that follow, the sign keys of each mode, and the editor sheet with its pickers.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "../model/ModelTestSupport.h"
#include "calc/AstrolabeCalc.h"
#include "calc/AstrolabeScreen.h"
#include "calc/AstrolabeView.h"
#include "calc/PickerView.h"
#include "calc/SplitValueTableCell.h"

namespace quenaro {
namespace {

class AstrolabeScreenTest : public ::testing::Test {
  protected:
    AstrolabeScreenTest()
        : model(testing::modelAt(2026, 3, 14, 22, 45, "Europe/Berlin", 52.5, 13.4)),
          screen(std::make_unique<QWidget>()),
          calc(buildAstrolabeScreen(model, screen.get())) {}

    QAbstractButton* key(int tag) const {
        for (auto* button : screen->findChildren<QAbstractButton*>()) {
            if (button->property("tag").toInt() == tag && button->property("tag").isValid()) {
                return button;
            }
        }
        return nullptr;
    }
    void click(std::initializer_list<int> tags) const {
        for (int tag : tags) {
            QTest::mouseClick(key(tag), Qt::LeftButton);
        }
    }
    QString label(int mode) const {
        return screen->findChild<QLabel*>(QString::fromUtf8(astrolabeValueTitle(mode)))->text();
    }
    QColor labelColor(int mode) const {
        return screen->findChild<QLabel*>(QString::fromUtf8(astrolabeValueTitle(mode)))
            ->palette()
            .color(QPalette::WindowText);
    }
    QString tableValue(int section, int row) const {
        auto* cell = qobject_cast<SplitValueTableCell*>(
            calc->tableView()->itemWidget(calc->tableItem(section, row), 0));
        return cell->valueText();
    }
    QDialog* editor() const { return screen->findChild<QDialog*>(); }

    Ephemeris model;
    std::unique_ptr<QWidget> screen;
    AstrolabeCalc* calc;
};

QString text(const AstrolabePosition& position, int mode) {
    return QString::fromStdString(position.labelText(mode));
}

// At start (mode 0, nothing typed, no label being typed into) the six labels show the
// conversion of altitude 0, azimuth 0; the altitude mode is marked.
TEST_F(AstrolabeScreenTest, StartShowsTheHorizonSouthPoint) {
    const AstrolabePosition expected = AstrolabePosition::fromAltAz(model, 0.0, 0.0);
    for (int mode = 0; mode < kAstrolabeModeCount; ++mode) {
        EXPECT_EQ(label(mode), text(expected, mode)) << mode;
        EXPECT_EQ(labelColor(mode), QColor(Qt::white)) << mode;
    }
    EXPECT_EQ(tableValue(1, 0), QString::fromStdString(expected.tableText(kRightAscensionMode)));
    EXPECT_TRUE(key(kModeKeyBase + kAltitudeMode)->isChecked());
    EXPECT_EQ(key(kPositiveKey)->text(), "+");
    EXPECT_EQ(key(kNegativeKey)->text(), "-");
}

// The label being typed into shows the entry in red; the other five follow the recalculation,
// and the table follows too.
TEST_F(AstrolabeScreenTest, TypedLabelKeepsTheEntryWhileTheOthersFollow) {
    click({kModeKeyBase + kAltitudeMode, 1, 0, kNextComponentKey, 3, 0, kNegativeKey});
    EXPECT_EQ(label(kAltitudeMode), "-10\u00B0 30'");
    EXPECT_EQ(labelColor(kAltitudeMode), QColor(Qt::red));
    EXPECT_DOUBLE_EQ(calc->altitude(), -10.5);
    const AstrolabePosition expected = AstrolabePosition::fromAltAz(model, -10.5, 0.0);
    for (int mode = kAzimuthMode; mode < kAstrolabeModeCount; ++mode) {
        EXPECT_EQ(label(mode), text(expected, mode)) << mode;
        EXPECT_EQ(labelColor(mode), QColor(Qt::white)) << mode;
    }
    EXPECT_EQ(tableValue(0, 0), QString::fromUtf8("10\u00B0S 30' 0\""));
    EXPECT_DOUBLE_EQ(calc->rightAscension(), expected.rightAscension);

    click({kModeKeyBase + kDeclinationMode});
    EXPECT_EQ(labelColor(kAltitudeMode), QColor(Qt::white));
    EXPECT_EQ(labelColor(kDeclinationMode), QColor(Qt::red));
    EXPECT_EQ(label(kAltitudeMode), "-10\u00B0 30'") << "kept until the next recalculation";
    click({5});
    EXPECT_EQ(
        label(kAltitudeMode),
        text(AstrolabePosition::fromRaDecl(model, calc->rightAscension(), 5.0), kAltitudeMode));
    EXPECT_FALSE(key(kModeKeyBase + kAltitudeMode)->isChecked());
    EXPECT_TRUE(key(kModeKeyBase + kDeclinationMode)->isChecked());
}

TEST_F(AstrolabeScreenTest, ZeroIntoAnEmptyComponentRefreshesNothing) {
    click({kModeKeyBase + kAzimuthMode});
    const QString before = label(kAzimuthMode);
    click({0});
    EXPECT_EQ(label(kAzimuthMode), before);
    click({1, 2});
    EXPECT_EQ(label(kAzimuthMode), "W12\u00B0");
    click({kDeleteKey});
    EXPECT_EQ(label(kAzimuthMode), "W1\u00B0");
    click({kDeleteKey});
    EXPECT_EQ(label(kAzimuthMode), "W0\u00B0");
    EXPECT_EQ(calc->azimuth(), 0.0);
}

// Right ascension: the sign keys are disabled (clicked or typed, they do nothing), the units
// read h, m, s, and the hours are held as degrees.
TEST_F(AstrolabeScreenTest, RightAscensionModeHasNoSignAndTypesHours) {
    click({kModeKeyBase + kEclipticLatitudeMode});
    EXPECT_EQ(key(kPositiveKey)->text(), "N");
    EXPECT_EQ(key(kNegativeKey)->text(), "S");
    click({kModeKeyBase + kRightAscensionMode});
    EXPECT_FALSE(key(kPositiveKey)->isEnabled());
    EXPECT_FALSE(key(kNegativeKey)->isEnabled());
    click({1, 2, kNextComponentKey, 3, 0, kNegativeKey});
    QTest::keyClick(screen.get(), Qt::Key_Minus);
    EXPECT_EQ(label(kRightAscensionMode), "12h 30m");
    EXPECT_DOUBLE_EQ(calc->rightAscension(), 187.5);
    EXPECT_EQ(tableValue(1, 0), "12h 30m 0s");
    const AstrolabePosition expected =
        AstrolabePosition::fromRaDecl(model, 187.5, calc->declination());
    EXPECT_EQ(label(kAltitudeMode), text(expected, kAltitudeMode));

    click({kModeKeyBase + kEclipticLongitudeMode});
    EXPECT_TRUE(key(kPositiveKey)->isEnabled());
    EXPECT_EQ(key(kPositiveKey)->text(), "E");
    EXPECT_EQ(key(kNegativeKey)->text(), "W");
}

// The keyboard types as the keypad does: digits, Tab or Space to the next component,
// Backspace, + and -.
TEST_F(AstrolabeScreenTest, KeyboardTypesOnTheKeypad) {
    click({kModeKeyBase + kDeclinationMode});
    QTest::keyClicks(screen.get(), "23");
    QTest::keyClick(screen.get(), Qt::Key_Tab);
    QTest::keyClicks(screen.get(), "267");  // the 7 is a third digit of minutes: ignored
    QTest::keyClick(screen.get(), Qt::Key_Backspace);
    QTest::keyClicks(screen.get(), "6");
    QTest::keyClick(screen.get(), Qt::Key_Space);
    QTest::keyClicks(screen.get(), "-9");
    EXPECT_EQ(label(kDeclinationMode), "-23\u00B0 26' 9\"");
    EXPECT_DOUBLE_EQ(calc->declination(), -(23.0 + 26.0 / 60.0 + 9.0 / 3600.0));
    QTest::keyClick(screen.get(), Qt::Key_Plus);
    EXPECT_EQ(label(kDeclinationMode), "+23\u00B0 26' 9\"");
    QTest::keyClick(calc->tableView(), Qt::Key_Tab);  // typed with the table focused: back to
    QTest::keyClick(calc->tableView(), Qt::Key_1);    // the degrees, which take a third digit
    EXPECT_EQ(label(kDeclinationMode), "+231\u00B0");
    QTest::keyClick(screen.get(), Qt::Key_5, Qt::ControlModifier);  // left to shortcuts
    EXPECT_EQ(label(kDeclinationMode), "+231\u00B0");
}

// Selecting a row opens the editor with the picker of that kind of value, or the blank sight
// view for "Altitude via Astrolabe"; Done closes it and deselects the row.
TEST_F(AstrolabeScreenTest, RowsOpenTheirEditor) {
    struct Case {
        int section;
        int row;
        int editMode;
        int components;
        int firstColumnRows;
    };
    const Case cases[] = {
        {0, 0, kLatitudeEditor, 4, 91},  {0, 1, kSightEditor, 0, 0},
        {0, 2, kDirectionEditor, 4, 36}, {1, 0, kHmsEditor, 3, 24},
        {1, 1, kLatitudeEditor, 4, 91},  {2, 0, kLatitudeEditor, 4, 91},
        {2, 1, kLongitudeEditor, 5, 19},
    };
    auto* sight = screen->findChild<AstrolabeView*>();
    for (const Case& c : cases) {
        QTreeWidgetItem* item = calc->tableItem(c.section, c.row);
        item->setSelected(true);
        ASSERT_TRUE(editor()->isVisible()) << c.section << "," << c.row;
        EXPECT_EQ(calc->editMode(), c.editMode);
        EXPECT_EQ(sight->isVisibleTo(editor()), c.editMode == kSightEditor);
        for (int mode = kLatitudeEditor; mode <= kHmsEditor; ++mode) {
            EXPECT_EQ(calc->pickerForEditMode(mode)->isVisibleTo(editor()), mode == c.editMode)
                << c.section << "," << c.row << " picker " << mode;
        }
        if (PickerView* picker = calc->pickerForEditMode(c.editMode)) {
            EXPECT_EQ(picker->numberOfComponents(), c.components);
            EXPECT_EQ(picker->numberOfRowsInComponent(0), c.firstColumnRows);
            EXPECT_EQ(picker->size(), sight->size());
        }
        const auto* cell =
            qobject_cast<SplitValueTableCell*>(calc->tableView()->itemWidget(item, 0));
        if (cell != nullptr) {
            EXPECT_TRUE(cell->isSelected());
        }
        calc->dismissedEditor();
        EXPECT_FALSE(editor()->isVisible());
        EXPECT_FALSE(item->isSelected());
        if (cell != nullptr) {
            EXPECT_FALSE(cell->isSelected());
        }
    }
}

// The pickers show rows 24 points high in columns of the given widths, scroll when dragged,
// and select nothing.
TEST_F(AstrolabeScreenTest, PickerColumnsShowRowsAndSelectNothing) {
    calc->tableItem(0, 2)->setSelected(true);
    PickerView* picker = calc->pickerForEditMode(kDirectionEditor);
    EXPECT_EQ(picker->widthOfComponent(0), 56);
    EXPECT_EQ(picker->widthOfComponent(1), 24);
    EXPECT_EQ(picker->widthOfComponent(2), 48);
    EXPECT_EQ(picker->widthOfComponent(4), 0);
    EXPECT_EQ(picker->titleForRow(27, 0), "W 27");
    EXPECT_EQ(picker->titleForRow(10, 1), "");
    EXPECT_EQ(picker->numberOfRowsInComponent(-1), 0);
    auto* column = picker->findChild<QAbstractItemView*>();
    EXPECT_EQ(column->selectionMode(), QAbstractItemView::NoSelection);
    EXPECT_EQ(column->sizeHintForRow(0), kPickerRowHeight);

    // Dragged up by two rows, the column shows the rows below; nothing is selected.
    QWidget* viewport = column->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(20, 100));
    QTest::mouseMove(viewport, QPoint(20, 100 - 2 * kPickerRowHeight));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(20, 100 - 2 * kPickerRowHeight));
    EXPECT_EQ(column->indexAt(QPoint(20, 1)).row(), 2);
    EXPECT_TRUE(column->selectionModel()->selectedIndexes().isEmpty());
    calc->dismissedEditor();
}

}  // namespace
}  // namespace quenaro
