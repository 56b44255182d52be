// The window's diagnostic lines: cut and escaped as the command line's messages, each told
// once in a run.

#include "app/DiagnosticLines.h"

#include "base/OneLineText.h"

#include <gtest/gtest.h>

#include <string>

namespace quenaro {
namespace {

TEST(DiagnosticLines, EachLineIsCutEscapedAndToldOnce) {
    DiagnosticLines lines;
    const std::string zone = "The place's zone cannot be used: unknown zone 'Mars/Olympus'";
    EXPECT_EQ(lines.lineFor(zone), zone);
    for (int tick = 0; tick < 12; ++tick) {
        EXPECT_EQ(lines.lineFor(zone), std::nullopt);
    }
    const std::optional<std::string> longValue =
        lines.lineFor("Settings: Audience = \"" + std::string(5000, '9') + "\" is ignored");
    ASSERT_TRUE(longValue.has_value());
    EXPECT_EQ(longValue->size(), kMaximumLineBytes);
    EXPECT_EQ(lines.lineFor(std::string("value a\0b\n\xFF", 11)), "value a\\x00b\\n\\xFF");
    EXPECT_EQ(lines.lineFor("Settings: another value"), "Settings: another value");
}

}  // namespace
}  // namespace quenaro
