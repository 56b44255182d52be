#include "places/TextFolding.h"

#include <gtest/gtest.h>

#include <string>

#include "places/Gazetteer.h"

namespace quenaro {
namespace {

TEST(TextFolding, CaseAccentsAndLettersWithoutDecomposition) {
    struct Row {
        const char* text;
        const char* folded;
    };
    const Row rows[] = {
        {"Tromsø", "tromso"},
        {"TROMSØ", "tromso"},
        {"São Paulo", "sao paulo"},
        {"Łódź", "lodz"},
        {"Đà Nẵng", "da nang"},
        {"Ærøskøbing", "aeroskobing"},
        {"Œuvre", "oeuvre"},
        {"Þingvellir", "thingvellir"},
        {"Straße ẞ", "strasse ss"},
        {"Diyarbakır", "diyarbakir"},
        {"İstanbul", "istanbul"},
        {"Həsənoğlu", "hasanoglu"},
        {"Mellieħa", "mellieha"},
        {"Xi’an ‘x’", "xi'an 'x'"},
        {"Ǿ", "o"},                  // Ø with acute: decomposed, then spelt out
        {"e\xcc\x81", "e"},          // combining acute accent dropped
        {"ΑΘΉΝΑ", "αθηνα"},          // Greek: lower case, tonos dropped
        {"ЁЛКА й", "елка и"},        // Cyrillic: lower case, diacritics dropped
        {"\xc2\xa0x", " x"},         // no-break space
        {"東京", "東京"},            // no folding: kept
        {"a\xff\xc3", "a\xff\xc3"},  // bytes that are not UTF-8 kept as they are
        {"\xc0\xaf\xed\xa0\x80", "\xc0\xaf\xed\xa0\x80"},  // overlong form and surrogate
        {"AZaz09-'.", "azaz09-'."},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(foldForSearch(row.text), row.folded) << row.text;
    }
}

TEST(TextFolding, AppendsWithTheGivenTableOnly) {
    const FoldingEntry table[] = {{0x00E9, "e"}, {0x00F8, "oe"}};
    std::string folded = "x:";
    appendFolded("ÉéøÅ", table, folded);
    EXPECT_EQ(folded,
              "x:Éeoe"
              "Å");
}

}  // namespace
}  // namespace quenaro
