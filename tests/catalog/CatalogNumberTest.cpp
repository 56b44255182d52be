// How every catalogue number is read: numbers or numeric strings, a missing value 0, and values
// that cannot be a coordinate (not finite, not a number at all) refused rather than passed on.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "CatalogTestSupport.h"
#include "catalog/CatalogNumber.h"
#include "catalog/StarCatalog.h"
#include "support/CapturedLog.h"

namespace quenaro {
namespace {

TEST(CatalogNumber, LeadingDecimalNumberOfText) {
    struct Case {
        const char* text;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"6.7525", 6.7525},
        {"  \t-3.25e2 h", -325.0},
        {"+4", 4.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"-.25e-1", -0.025},
        {"7e", 7.0},  // an exponent without digits is not part of the number
        {"7e+x", 7.0},
        {"1,5", 1.0},    // the decimal point is '.' whatever the locale
        {"0x1p3", 0.0},  // no hexadecimal
        {"", 0.0},
        {"abc", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
        {"1e999", std::nullopt},
        {"-1e999", std::nullopt},
        {"1e-999", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(leadingDecimalNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(CatalogNumber, EveryKindOfValueAsAStarsRightAscension) {
    struct Case {
        const char* element;            // the "ra" value as written; "" for none
        std::optional<float> expected;  // nullopt: the star is left out
    };
    const Case cases[] = {
        {"<real>6.7525</real>", 6.7525f},
        {"<real>-0.5</real>", -0.5f},
        {"<integer>12</integer>", 12.0f},
        {"<integer>-5</integer>", -5.0f},
        {"<string>13.25</string>", 13.25f},
        {"<string> 2.5e1 hours</string>", 25.0f},
        {"<string>twelve</string>", 0.0f},
        {"<string></string>", 0.0f},
        {"", 0.0f},
        {"<true/>", 1.0f},
        {"<false/>", 0.0f},
        {"<real>3.4e38</real>", 3.4e38f},
        {"<real>1e39</real>", std::nullopt},  // beyond float
        {"<real>-1e39</real>", std::nullopt},
        {"<real>inf</real>", std::nullopt},
        {"<real>nan</real>", std::nullopt},
        {"<string>1e999</string>", std::nullopt},
        {"<data>AAEC</data>", std::nullopt},
        {"<date>2024-01-01T00:00:00Z</date>", std::nullopt},
        {"<array><real>1</real></array>", std::nullopt},
        {"<dict/>", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::string entry =
            c.element[0] == '\0'
                ? "<dict><key>dec</key><real>1</real><key>mag</key><real>2</real></dict>"
                : testing::starEntry(c.element, "<real>1</real>", "<real>2</real>");
        testing::CapturedLog log;
        const auto stars = readStarCatalog(testing::propertyListArray(entry), "test.plist");
        ASSERT_TRUE(stars.has_value()) << c.element;
        if (c.expected) {
            ASSERT_EQ(stars->size(), 1u) << c.element;
            EXPECT_EQ(stars->front().rightAscensionHours, *c.expected) << c.element;
            EXPECT_EQ(stars->front().declinationDegrees, 1.0f);
            EXPECT_EQ(stars->front().magnitude, 2.0f);
            EXPECT_THAT(log.lines, ::testing::IsEmpty());
        } else {
            EXPECT_THAT(*stars, ::testing::IsEmpty()) << c.element;
            EXPECT_THAT(log.lines,
                        ::testing::ElementsAre("test.plist: entries left out (not a dictionary, "
                                               "or a value not a finite number): 1"));
        }
    }
}

}  // namespace
}  // namespace quenaro
