// Reading the catalogue files: refusals before parsing (size, binary, nesting), files that are
// not a catalogue, polylines with faults, the nesting pre-scan, and the locale of numbers.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <locale.h>
#include <stdlib.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "CatalogTestSupport.h"
#include "catalog/CatalogFileLimits.h"
#include "catalog/ConstellationLines.h"
#include "catalog/ContainerNesting.h"
#include "catalog/StarCatalog.h"
#include "support/CapturedLog.h"

namespace quenaro {
namespace {

using testing::CapturedLog;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::propertyListArray;

/// `levels` arrays, each inside the one before, with `innermost` in the deepest.
std::string nestedArrays(int levels, const std::string& innermost = "") {
    std::string text;
    for (int level = 0; level < levels; ++level) {
        text += "<array>";
    }
    text += innermost;
    for (int level = 0; level < levels; ++level) {
        text += "</array>";
    }
    return text;
}

TEST(CatalogReading, FilesThatAreNotACatalogueAreRefusedWithOneLine) {
    const std::string star =
        testing::starEntry("<real>1</real>", "<real>2</real>", "<real>3</real>");
    struct Case {
        const char* name;
        std::string file;
        const char* line;
    };
    const Case cases[] = {
        {"empty", "", "S is not a well-formed XML property list"},
        {"truncated", propertyListArray(star).substr(0, 70),
         "S is not a well-formed XML property list"},
        {"mismatched tags", "<plist><array><dict></array></dict></plist>",
         "S is not a well-formed XML property list"},
        {"binary", std::string("bplist00\xd1\x01\x02", 11) + std::string(30, '\0'),
         "S is a binary property list; only XML property lists are read"},
        {"dictionary at the top", "<plist><dict><key>ra</key><real>1</real></dict></plist>",
         "S does not hold an array at its top level"},
        {"number at the top", "<plist><real>1</real></plist>",
         "S does not hold an array at its top level"},
        {"65 levels", "<plist>" + nestedArrays(65) + "</plist>",
         "S nests arrays and dictionaries deeper than 64 levels; it is not read"},
        {"a million levels", "<plist>" + nestedArrays(1'000'000) + "</plist>",
         "S nests arrays and dictionaries deeper than 64 levels; it is not read"},
        {"over 16 MB", propertyListArray(std::string(maximumCatalogFileBytes, ' ')),
         "S is larger than 16777216 bytes; it is not read"},
    };
    for (const Case& c : cases) {
        CapturedLog log;
        EXPECT_FALSE(readStarCatalog(c.file, "S").has_value()) << c.name;
        EXPECT_FALSE(readConstellationLines(c.file, "S").has_value()) << c.name;
        EXPECT_THAT(log.lines, ElementsAre(c.line, c.line)) << c.name;
    }
}

TEST(CatalogReading, SixtyFourLevelsAndSixteenMegabytesAreStillRead) {
    CapturedLog log;
    EXPECT_TRUE(readConstellationLines("<plist>" + nestedArrays(64) + "</plist>", "S"));
    // The second level is a polyline of one value: an array.
    EXPECT_THAT(log.lines,
                ElementsAre("S: polylines with an odd number of values (the last one ignored): 1"));
    log.lines.clear();
    std::string largest =
        propertyListArray(testing::starEntry("<real>1</real>", "<real>2</real>", "<real>3</real>"));
    largest.resize(maximumCatalogFileBytes, '\n');
    const auto stars = readStarCatalog(largest, "S");
    ASSERT_TRUE(stars.has_value());
    EXPECT_EQ(stars->size(), 1u);
    EXPECT_THAT(log.lines, IsEmpty());
}

TEST(CatalogReading, PolylineFaultsNeverJoinWhatTheySeparate) {
    struct Case {
        const char* name;
        const char* polylines;                     // inside the top-level array
        std::vector<std::vector<float>> expected;  // flat ra, dec per kept polyline
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"two vertices",
         "<array><real>1</real><real>2</real><real>3</real><real>4</real></array>",
         {{1, 2, 3, 4}},
         {}},
        {"numeric strings and integers",
         "<array><string>1.5</string><integer>-2</integer><string>3</string><real>4</real></array>",
         {{1.5f, -2, 3, 4}},
         {}},
        {"odd last value ignored",
         "<array><real>1</real><real>2</real><real>3</real><real>4</real><real>5</real></array>",
         {{1, 2, 3, 4}},
         {"S: polylines with an odd number of values (the last one ignored): 1"}},
        {"fewer than four values draw nothing",
         "<array><real>1</real><real>2</real></array><array><real>1</real></array><array/>",
         {},
         {"S: polylines with an odd number of values (the last one ignored): 1"}},
        {"bad vertex breaks the polyline",
         "<array><real>1</real><real>2</real><real>3</real><real>4</real>"
         "<real>nan</real><real>6</real>"
         "<real>7</real><real>8</real><real>9</real><real>10</real></array>",
         {{1, 2, 3, 4}, {7, 8, 9, 10}},
         {"S: values not a finite number (their polyline broken there): 1"}},
        {"bad vertex leaves single vertices behind",
         "<array><real>1</real><real>2</real><data>AA==</data><dict/>"
         "<real>7</real><real>8</real></array>",
         {},
         {"S: values not a finite number (their polyline broken there): 2"}},
        {"entries that are not arrays",
         "<real>1</real><dict/><array><real>1</real><real>2</real><real>3</real><real>4</real>"
         "</array><string>x</string>",
         {{1, 2, 3, 4}},
         {"S: entries left out (not an array): 3"}},
        {"empty file of lines", "", {}, {}},
    };
    for (const Case& c : cases) {
        CapturedLog log;
        const auto lines = readConstellationLines(propertyListArray(c.polylines), "S");
        ASSERT_TRUE(lines.has_value()) << c.name;
        std::vector<std::vector<float>> flat;
        for (const ConstellationPolyline& polyline : *lines) {
            flat.emplace_back();
            for (const ConstellationVertex& vertex : polyline) {
                flat.back().push_back(vertex.rightAscensionHours);
                flat.back().push_back(vertex.declinationDegrees);
            }
        }
        EXPECT_EQ(flat, c.expected) << c.name;
        EXPECT_EQ(log.lines, c.log) << c.name;
    }
}

TEST(CatalogReading, StarEntriesThatAreNotStarsAreLeftOutAndCounted) {
    CapturedLog log;
    const auto stars = readStarCatalog(
        propertyListArray("<real>1</real>" +
                          testing::starEntry("<real>1</real>", "<real>2</real>", "<real>3</real>") +
                          "<array/><dict><key>mag</key><string>4.5</string></dict>"),
        "StarCatalog.plist");
    ASSERT_TRUE(stars.has_value());
    ASSERT_EQ(stars->size(), 2u);
    EXPECT_EQ(stars->at(0).magnitude, 3.0f);
    EXPECT_EQ(stars->at(1).rightAscensionHours, 0.0f);  // missing values read as 0
    EXPECT_EQ(stars->at(1).magnitude, 4.5f);
    EXPECT_THAT(log.lines, ElementsAre("StarCatalog.plist: entries left out (not a dictionary, "
                                       "or a value not a finite number): 2"));
}

TEST(CatalogReading, NestingPreScanErrsOnlyTowardsDeeper) {
    struct Case {
        const char* xml;
        int depth;
    };
    const Case cases[] = {
        {"<plist><array><dict><key>a</key><array/></dict></array></plist>", 2},
        {"<array><array /><dict/><array></array></array>", 2},
        {"<array attribute=\"/>\"><array></array></array>", 2},        // not a plain empty element
        {"</array></array></dict><array><array></array></array>", 2},  // stray closings
        {"<array><!-- </array></array> --><array><array>", 3},         // closings in a comment
        {"<array><![CDATA[</array>]]><array>", 2},
        {"<array><?x </array> ?><!DOCTYPE x </array>><array>", 2},
        {"<!-- <array><array> --><array>", 3},  // openings count even in a comment
        {"<arrayx><dictionary>", 2},
        {"<array", 1},
        {"<!-- unclosed </array>", 0},
        {"", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(containerNestingDepth(c.xml, 64), c.depth) << c.xml;
    }
    EXPECT_EQ(containerNestingDepth(nestedArrays(1000), 64), 65);  // stops past the limit
}

/// A locale whose decimal point is a comma, built for the test when the system has none.
locale_t commaDecimalLocale() {
    if (locale_t german = newlocale(LC_ALL_MASK, "de_DE.UTF-8", locale_t{})) {
        return german;
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quenaro_locale_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + (folder / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        std::filesystem::remove_all(folder);
        return locale_t{};
    }
    ::setenv("LOCPATH", folder.c_str(), 1);
#if defined(__SANITIZE_ADDRESS__)
    const __lsan::ScopedDisabler keptByTheCLibrary;  // newlocale keeps its copy of LOCPATH
#endif
    const locale_t german = newlocale(LC_ALL_MASK, "de_DE.UTF-8", locale_t{});
    ::unsetenv("LOCPATH");
    std::filesystem::remove_all(folder);  // a loaded locale no longer needs its files
    return german;
}

// An application takes its locale from the environment; the catalogue must read the same there.
TEST(CatalogReading, RealsReadTheSameUnderACommaDecimalLocale) {
    const locale_t german = commaDecimalLocale();
    if (german == locale_t{}) {
        GTEST_SKIP() << "no de_DE locale and no localedef to build one (Debian: locales)";
    }
    const locale_t previous = uselocale(german);
    ASSERT_EQ(std::string(localeconv()->decimal_point), ",");
    const auto stars =
        readStarCatalog(propertyListArray(testing::starEntry(
                            "<real>6.7525</real>", "<real>-16.7161</real>", "<real>-1.46</real>")),
                        "S");
    const locale_t during = uselocale(locale_t{});
    uselocale(previous);
    freelocale(german);
    EXPECT_EQ(during, german);  // the reader restores the thread's locale
    ASSERT_TRUE(stars.has_value());
    ASSERT_EQ(stars->size(), 1u);
    EXPECT_EQ(stars->front().rightAscensionHours, 6.7525f);
    EXPECT_EQ(stars->front().declinationDegrees, -16.7161f);
    EXPECT_EQ(stars->front().magnitude, -1.46f);
}

}  // namespace
}  // namespace quenaro
