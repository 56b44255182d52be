// Setting texts into boxes: lines broken between words, lines cut at their head.

#include <gtest/gtest.h>

#include "DrawingTestSupport.h"
#include "drawing/TextLayout.h"

namespace quenaro {
namespace {

const testing::FixedTextMetrics kMetrics;  // 6 points a character

TEST(TextLayout, LinesBreakBetweenWordsWhereTheyPassTheWidth) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(wrappedLines("Dec 7, 2026\nJulian: 1", FontRole::Regular, 120, kMetrics),
              (Lines{"Dec 7, 2026", "Julian: 1"}));
    EXPECT_EQ(wrappedLines("one two three", FontRole::Regular, 48, kMetrics),
              (Lines{"one two", "three"}));
    EXPECT_EQ(wrappedLines("unbreakable", FontRole::Regular, 12, kMetrics), (Lines{"unbreakable"}));
    EXPECT_EQ(wrappedLines("date\n", FontRole::Regular, 100, kMetrics), (Lines{"date", ""}));
}

TEST(TextLayout, ALineTooWideLosesItsHeadToAnEllipsisAtACharacterBoundary) {
    EXPECT_EQ(elidedAtHead("fits", FontRole::Regular, 24, kMetrics), "fits");
    EXPECT_EQ(elidedAtHead("Tromsø, Norway", FontRole::Regular, 48, kMetrics), "… Norway");
    EXPECT_EQ(elidedAtHead("øøøøø", FontRole::Regular, 24, kMetrics), "…øøø");
    EXPECT_EQ(elidedAtHead("abc", FontRole::Regular, 1, kMetrics), "…");
}

}  // namespace
}  // namespace quenaro
