// Texts from outside shown in one line of a message: control characters and malformed UTF-8
// escaped, long values and lines cut at a character boundary.

#include "base/OneLineText.h"

#include <gtest/gtest.h>

#include <string>

namespace quenaro {
namespace {

TEST(OneLineText, ControlsAndMalformedUtf8AreEscapedAndWellFormedTextKept) {
    struct Row {
        std::string value;
        std::string shown;
    };
    const Row rows[] = {
        {"plain", "'plain'"},
        {"line\nbreak\ttab", "'line\\nbreak\\ttab'"},
        {std::string("nul\0byte", 8), "'nul\\x00byte'"},
        {"\x7F", "'\\x7F'"},
        {"Troms\xC3\xB8 \xE2\x80\xA6 \xF0\x9F\x8C\x99",
         "'Troms\xC3\xB8 \xE2\x80\xA6 \xF0\x9F\x8C\x99'"},
        {"\xFF\xFE", "'\\xFF\\xFE'"},                    // never in UTF-8
        {"\xC3", "'\\xC3'"},                             // cut character at the end
        {"\xC3(", "'\\xC3('"},                           // lead without continuation
        {"\xC0\xAF", "'\\xC0\\xAF'"},                    // overlong '/'
        {"\xE0\x80\xAF", "'\\xE0\\x80\\xAF'"},           // overlong, three bytes
        {"\xED\xA0\x80", "'\\xED\\xA0\\x80'"},           // a surrogate
        {"\xF4\x90\x80\x80", "'\\xF4\\x90\\x80\\x80'"},  // beyond U+10FFFF
        {"\x80", "'\\x80'"},                             // a lone continuation byte
        {"\xC2\x9B", "'\\xC2\\x9B'"},                    // a C1 control, as terminals obey
        {"\xC2\xA0\xC2\xB0", "'\xC2\xA0\xC2\xB0'"},      // no-break space, degree sign
    };
    for (const Row& row : rows) {
        EXPECT_EQ(shownValue(row.value), row.shown);
        EXPECT_EQ(oneLineText(row.value), row.shown.substr(1, row.shown.size() - 2));
    }
}

TEST(OneLineText, LongTextsAreCutAtACharacterBoundary) {
    EXPECT_EQ(shownValue(std::string(50, 'a')), "'" + std::string(37, 'a') + "\u2026'");
    const std::string line = oneLineText(std::string(5000, 'x') + "\n");
    EXPECT_EQ(line.size(), kMaximumLineBytes);
    EXPECT_TRUE(line.ends_with("\u2026"));
    // A NUL byte does not end the text: what follows it is shown.
    EXPECT_EQ(oneLineText(std::string("a\0b", 3)), "a\\x00b");
    // Two-byte characters are never split.
    std::string accents;
    for (int index = 0; index < 150; ++index) {
        accents += "\xC3\xB8";
    }
    const std::string accentsCut = oneLineText(accents, 20);
    EXPECT_EQ(accentsCut, accents.substr(0, 16) + "\u2026");
}

}  // namespace
}  // namespace quenaro
