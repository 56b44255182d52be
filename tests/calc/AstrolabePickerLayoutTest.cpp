// The editor's picker layouts: columns, row counts, titles and widths of each editor mode,
// and which editor each table row opens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/AstrolabePickerLayout.h"

namespace quenaro {
namespace {

/// A column as a test names it: width, row count, and the titles of its first, a middle and
/// last rows.
struct ExpectedColumn {
    int width;
    std::size_t rows;
    std::vector<std::pair<std::size_t, std::string>> titles;
};

const std::string kDeg = "\u00B0";

TEST(AstrolabePickerLayout, ColumnsOfEachEditor) {
    const ExpectedColumn minutes{48, 60, {{0, "0'"}, {59, "59'"}}};
    const ExpectedColumn seconds{48, 60, {{0, "0\""}, {59, "59\""}}};
    const ExpectedColumn degrees90{48, 91, {{0, "0" + kDeg}, {90, "90" + kDeg}}};
    const ExpectedColumn units{24, 10, {{0, "0" + kDeg}, {9, "9" + kDeg}}};
    const std::vector<std::vector<ExpectedColumn>> editors{
        {},
        {degrees90, {48, 2, {{0, "N"}, {1, "S"}}}, minutes, seconds},
        {{48, 19, {{0, "0"}, {18, "18"}}}, units, {48, 2, {{0, "E"}, {1, "W"}}}, minutes, seconds},
        {{48, 2, {{0, "+"}, {1, "-"}}}, degrees90, minutes, seconds},
        {{56,
          36,
          {{0, "N 0"}, {1, "1"}, {9, "E 9"}, {10, "10"}, {18, "S 18"}, {27, "W 27"}, {35, "35"}}},
         units,
         minutes,
         seconds},
        {{48, 24, {{0, "0h"}, {23, "23h"}}},
         {48, 60, {{0, "0m"}, {59, "59m"}}},
         {48, 60, {{0, "0s"}, {59, "59s"}}}},
    };
    for (std::size_t mode = 0; mode < editors.size(); ++mode) {
        const std::vector<PickerColumn> layout = astrolabePickerLayout(static_cast<int>(mode));
        ASSERT_EQ(layout.size(), editors[mode].size()) << "editor " << mode;
        for (std::size_t column = 0; column < layout.size(); ++column) {
            const ExpectedColumn& expected = editors[mode][column];
            EXPECT_EQ(layout[column].widthPoints, expected.width) << mode << ":" << column;
            ASSERT_EQ(layout[column].titles.size(), expected.rows) << mode << ":" << column;
            for (const auto& [row, title] : expected.titles) {
                EXPECT_EQ(layout[column].titles[row], title) << mode << ":" << column;
            }
        }
    }
    for (int other : {-1, 6}) {
        const std::vector<PickerColumn> layout = astrolabePickerLayout(other);
        ASSERT_EQ(layout.size(), 1u) << other;
        EXPECT_TRUE(layout[0].titles.empty()) << other;
    }
}

TEST(AstrolabePickerLayout, EditorOfEachTableRow) {
    const int editorBySectionAndRow[3][3] = {
        {kLatitudeEditor, kSightEditor, kDirectionEditor},
        {kHmsEditor, kLatitudeEditor, -1},
        {kLatitudeEditor, kLongitudeEditor, -1},
    };
    for (int section = 0; section < 3; ++section) {
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(astrolabeEditModeForRow(section, row), editorBySectionAndRow[section][row])
                << section << "," << row;
        }
    }
    EXPECT_EQ(astrolabeEditModeForRow(3, 0), -1);
    EXPECT_EQ(astrolabeEditModeForRow(1, -9), -1);
    EXPECT_EQ(astrolabeEditModeForRow(0, 10), -1);
}

}  // namespace
}  // namespace quenaro
