#include "placegen/FoldingTable.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

namespace quenaro::placegen {

namespace {

// Blocks whose characters the table covers: Latin-1 Supplement to Cyrillic Supplement, Latin
// Extended Additional and Greek Extended, and the curly single quotes.
constexpr std::pair<char32_t, char32_t> kCoveredRanges[] = {
    {0x00A0, 0x052F}, {0x1E00, 0x1FFF}, {0x2018, 0x2019}};

// Letters without a decomposition, spelt as place names are in ASCII, and the apostrophes
// that stand for a plain one.
const std::map<char32_t, std::string> kSpeltOut = {
    {0x00C6, "ae"}, {0x00E6, "ae"}, {0x00D0, "d"},  {0x00F0, "d"},  {0x00D8, "o"}, {0x00F8, "o"},
    {0x00DE, "th"}, {0x00FE, "th"}, {0x00DF, "ss"}, {0x1E9E, "ss"}, {0x0110, "d"}, {0x0111, "d"},
    {0x0126, "h"},  {0x0127, "h"},  {0x0131, "i"},  {0x0138, "k"},  {0x0141, "l"}, {0x0142, "l"},
    {0x014A, "ng"}, {0x014B, "ng"}, {0x0152, "oe"}, {0x0153, "oe"}, {0x0166, "t"}, {0x0167, "t"},
    {0x018F, "a"},  {0x0259, "a"},  {0x01DD, "e"},  {0x0192, "f"},  {0x02BB, "'"}, {0x02BC, "'"},
    {0x2018, "'"},  {0x2019, "'"},
};

struct UnicodeCharacter {
    std::string category;                 // general category: "Lu", "Mn", ...
    std::vector<char32_t> decomposition;  // canonical or compatibility; empty when none
    char32_t lowercase = 0;               // simple lower-case mapping; 0 when none
};

using UnicodeCharacters = std::map<char32_t, UnicodeCharacter>;

std::vector<std::string> splitAt(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, separator)) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == separator) {
        fields.emplace_back();
    }
    return fields;
}

char32_t hexCodePoint(const std::string& text, const std::filesystem::path& file) {
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        value > 0x10FFFF) {
        throw std::runtime_error(file.string() + ": \"" + text + "\" is not a code point");
    }
    return static_cast<char32_t>(value);
}

UnicodeCharacters readUnicodeCharacters(const std::filesystem::path& file) {
    std::ifstream input(file, std::ios::binary);
    if (!input) {
        throw std::runtime_error(file.string() + ": cannot be read");
    }
    UnicodeCharacters characters;
    std::string line;
    while (std::getline(input, line)) {
        const std::vector<std::string> fields = splitAt(line, ';');
        if (fields.size() != 15) {
            throw std::runtime_error(file.string() + ": line \"" + line + "\" has " +
                                     std::to_string(fields.size()) + " fields, expected 15");
        }
        UnicodeCharacter character{fields[2], {}, 0};
        std::vector<std::string> parts = splitAt(fields[5], ' ');
        // Canonical decompositions have no tag; of the tagged ones only plain compatibility
        // forms (ligatures, letters with a middle dot) and the no-break space spell letters.
        if (!parts.empty() && parts.front().starts_with('<')) {
            if (parts.front() != "<compat>" && parts.front() != "<noBreak>") {
                parts.clear();
            } else {
                parts.erase(parts.begin());
            }
        }
        for (const std::string& part : parts) {
            character.decomposition.push_back(hexCodePoint(part, file));
        }
        if (!fields[13].empty()) {
            character.lowercase = hexCodePoint(fields[13], file);
        }
        characters[hexCodePoint(fields[0], file)] = std::move(character);
    }
    return characters;
}

std::string utf8(char32_t codePoint) {
    std::string text;
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return text;
}

std::string folding(char32_t codePoint, const UnicodeCharacters& characters) {
    if (codePoint >= 'A' && codePoint <= 'Z') {
        return std::string(1, static_cast<char>(codePoint - 'A' + 'a'));
    }
    if (const auto speltOut = kSpeltOut.find(codePoint); speltOut != kSpeltOut.end()) {
        return speltOut->second;
    }
    const auto found = characters.find(codePoint);
    if (codePoint < 0x80 || found == characters.end()) {
        return utf8(codePoint);
    }
    const UnicodeCharacter& character = found->second;
    if (character.category == "Mn") {
        return "";
    }
    if (character.lowercase != 0 && character.lowercase != codePoint) {
        return folding(character.lowercase, characters);
    }
    if (character.decomposition.empty()) {
        return utf8(codePoint);
    }
    std::string text;
    for (const char32_t part : character.decomposition) {
        text += folding(part, characters);
    }
    return text;
}

}  // namespace

std::vector<FoldingEntry> readFoldingTable(const std::filesystem::path& unicodeData) {
    const UnicodeCharacters characters = readUnicodeCharacters(unicodeData);
    std::vector<FoldingEntry> entries;
    for (const auto& [first, last] : kCoveredRanges) {
        for (auto it = characters.lower_bound(first); it != characters.end() && it->first <= last;
             ++it) {
            const std::string folded = folding(it->first, characters);
            if (folded == utf8(it->first)) {
                continue;
            }
            FoldingEntry entry{it->first, {}};
            if (folded.size() >= sizeof entry.replacement) {
                char message[96];
                std::snprintf(message, sizeof message, "U+%04X folds to %zu bytes, at most %zu fit",
                              static_cast<unsigned>(it->first), folded.size(),
                              sizeof entry.replacement - 1);
                throw std::runtime_error(message);
            }
            std::copy(folded.begin(), folded.end(), entry.replacement);
            entries.push_back(entry);
        }
    }
    return entries;
}

TableSource foldingTableSource(const std::vector<FoldingEntry>& entries) {
    std::vector<std::string> rows;
    for (const FoldingEntry& entry : entries) {
        const std::string replacement(
            entry.replacement,
            std::find(std::begin(entry.replacement), std::end(entry.replacement), '\0'));
        char row[64];
        std::snprintf(row, sizeof row, "{0x%04X, %s}", static_cast<unsigned>(entry.codePoint),
                      cppStringLiteral(replacement).c_str());
        rows.emplace_back(row);
    }
    const std::string declaration = "g_TextFoldingTable[" + std::to_string(entries.size()) + "]";
    return {"TextFoldingTable", "UnicodeData.txt (Unicode Character Database)",
            "#include \"places/TextFolding.h\"\n",
            "// How each character that does not fold to itself folds for search: case and\n"
            "// accents removed, letters without a decomposition spelt out; increasing code\n"
            "// points.\nextern const FoldingEntry " +
                declaration + ";\n",
            "\nconstexpr FoldingEntry " + declaration + " = " + braceList(rows, 4) + ";\n"};
}

}  // namespace quenaro::placegen
