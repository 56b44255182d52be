// A bounded mutation run: thousands of damaged catalogue files through both readers. Whatever the
// damage, a reader returns (no crash, no hang, nothing the sanitizers object to), and what it
// returns is drawable: finite numbers, polylines of two vertices or more.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <random>
#include <string>
#include <string_view>

#include "CatalogTestSupport.h"
#include "catalog/ConstellationLines.h"
#include "catalog/StarCatalog.h"
#include "support/CapturedLog.h"

namespace quenaro {
namespace {

/// Texts a mutation may insert: structure, numbers at the edges, markup the pre-scan skips.
constexpr std::array<std::string_view, 24> fragments{
    "<array>",
    "</array>",
    "<dict>",
    "</dict>",
    "<array/>",
    "<key>ra</key>",
    "<key>dec</key>",
    "<real>",
    "</real>",
    "<real>1e39</real>",
    "<real>nan</real>",
    "<integer>-9223372036854775808</integer>",
    "<string>-1e999</string>",
    "<!--",
    "-->",
    "<![CDATA[",
    "]]>",
    "<?xml ",
    "&amp;",
    "&#x0;",
    "&#xFFFFFFFF;",
    "bplist00",
    std::string_view("\0", 1),
    "\xff\xfe",
};

/// Texts a mutation may put in place of a number.
constexpr std::array<std::string_view, 10> numberTexts{
    "1e39", "-1e39", "nan", "inf", "", "-", "1e-999", "x", "  7", "-0",
};

/// Elements a mutation may put in place of a whole number element.
constexpr std::array<std::string_view, 6> otherElements{
    "<string>12.5</string>", "<data>AAEC</data>", "<dict/>", "<array/>", "<true/>", "",
};

/// Damages `text` by one to three random edits: half of them to the bytes and the structure,
/// half to the numbers (their text, or the kind of element that holds them).
std::string mutate(std::string text, std::mt19937& random) {
    auto below = [&random](std::size_t bound) {
        return bound == 0 ? std::size_t{0}
                          : std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
    };
    const std::size_t edits = 1 + below(3);
    for (std::size_t edit = 0; edit < edits; ++edit) {
        const std::size_t at = below(text.size() + 1);
        const std::size_t number = text.find("<real>", at);
        const std::size_t numberEnd =
            number == std::string::npos ? number : text.find("</real>", number);
        switch (below(10)) {
            case 0:  // overwrite a byte
                if (at < text.size()) {
                    text[at] = static_cast<char>(below(256));
                }
                break;
            case 1:  // truncate
                text.resize(at);
                break;
            case 2:  // delete a stretch
                text.erase(at, 1 + below(32));
                break;
            case 3: {  // copy a stretch elsewhere
                const std::string stretch = text.substr(below(text.size() + 1), 1 + below(64));
                text.insert(below(text.size() + 1), stretch);
                break;
            }
            case 4: {  // insert a fragment, or open many levels at once
                std::string levels;
                for (std::size_t level = below(2) == 0 ? 0 : below(100); level > 0; --level) {
                    levels += below(2) == 0 ? "<array>" : "<dict>";
                }
                text.insert(at, levels.empty() ? fragments[below(fragments.size())] : levels);
                break;
            }
            case 5:
            case 6:
            case 7:  // replace a number's text
                if (numberEnd != std::string::npos) {
                    text.replace(number + 6, numberEnd - number - 6,
                                 numberTexts[below(numberTexts.size())]);
                }
                break;
            default:  // replace a number element by another kind of element
                if (numberEnd != std::string::npos) {
                    text.replace(number, numberEnd + 7 - number,
                                 otherElements[below(otherElements.size())]);
                }
                break;
        }
    }
    return text;
}

bool drawable(const std::optional<std::vector<CatalogStar>>& stars) {
    return !stars || std::all_of(stars->begin(), stars->end(), [](const CatalogStar& star) {
        return std::isfinite(star.rightAscensionHours) && std::isfinite(star.declinationDegrees) &&
               std::isfinite(star.magnitude);
    });
}

bool drawable(const std::optional<std::vector<ConstellationPolyline>>& lines) {
    return !lines || std::all_of(lines->begin(), lines->end(), [](const auto& polyline) {
        return polyline.size() >= 2 &&
               std::all_of(polyline.begin(), polyline.end(), [](const ConstellationVertex& v) {
                   return std::isfinite(v.rightAscensionHours) &&
                          std::isfinite(v.declinationDegrees);
               });
    });
}

std::string seedStars() {
    std::string body;
    const char* values[] = {"<real>6.7525</real>",
                            "<integer>-5</integer>",
                            "<string>1.5</string>",
                            "<real>-16.7161</real>",
                            "<true/>",
                            "<real>1e-3</real>"};
    for (int star = 0; star < 24; ++star) {
        body +=
            testing::starEntry(values[star % 6], values[(star + 1) % 6], values[(star + 2) % 6]);
    }
    return testing::propertyListArray("<!-- seed -->" + body);
}

std::string seedLines() {
    std::string body;
    for (int polyline = 0; polyline < 12; ++polyline) {
        body += "<array>";
        for (int value = 0; value < 2 + 2 * (polyline % 5); ++value) {
            body += "<real>" + std::to_string(polyline * 1.25 + value) + "</real>";
        }
        body += "</array>";
    }
    return testing::propertyListArray(body);
}

TEST(CatalogMutation, ThousandsOfDamagedFilesNeverCrashAndYieldOnlyDrawableValues) {
    std::mt19937 random(20240607);  // fixed: every run damages the same way
    const std::string stars = seedStars();
    const std::string lines = seedLines();
    int read = 0;
    int refused = 0;
    testing::CapturedLog log;
    for (int run = 0; run < 3000; ++run) {
        const auto starResult = readStarCatalog(mutate(stars, random), "S");
        const auto lineResult = readConstellationLines(mutate(lines, random), "C");
        ASSERT_TRUE(drawable(starResult)) << "run " << run;
        ASSERT_TRUE(drawable(lineResult)) << "run " << run;
        read += (starResult ? 1 : 0) + (lineResult ? 1 : 0);
        refused += (starResult ? 0 : 1) + (lineResult ? 0 : 1);
    }
    // The run reached both outcomes and every refusal before parsing.
    EXPECT_GT(read, 600);
    EXPECT_GT(refused, 600);
    auto logged = [&log](std::string_view part) {
        return std::any_of(log.lines.begin(), log.lines.end(), [part](const std::string& line) {
            return line.find(part) != std::string::npos;
        });
    };
    EXPECT_TRUE(logged("deeper than 64 levels"));
    EXPECT_TRUE(logged("is not a well-formed XML property list"));
    EXPECT_TRUE(logged("does not hold an array"));
    EXPECT_TRUE(logged("values not a finite number"));
    EXPECT_TRUE(logged("or a value not a finite number"));
    std::cout << "catalogue mutation run: " << read << " read, " << refused << " refused\n";
}

}  // namespace
}  // namespace quenaro
