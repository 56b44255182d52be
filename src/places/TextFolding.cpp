#include "places/TextFolding.h"

#include <algorithm>
#include <iterator>

namespace quenaro {

namespace {

// One character of UTF-8 text: its code point and its length in bytes; length 0 where the
// byte does not start a valid, shortest-form encoding of a Unicode scalar value.
struct Utf8Character {
    char32_t codePoint;
    std::size_t length;
};

Utf8Character characterAt(std::string_view text, std::size_t position) {
    const auto lead = static_cast<unsigned char>(text[position]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    // Bytes of the encoding, the payload bits of its lead byte, and the smallest code point
    // that needs that many bytes.
    struct Form {
        std::size_t length;
        unsigned char leadMask;
        unsigned char leadBits;
        char32_t smallest;
    };
    constexpr Form kForms[] = {
        {2, 0xE0, 0xC0, 0x80}, {3, 0xF0, 0xE0, 0x800}, {4, 0xF8, 0xF0, 0x10000}};
    const Form* form = std::find_if(std::begin(kForms), std::end(kForms), [lead](const Form& f) {
        return (lead & f.leadMask) == f.leadBits;
    });
    if (form == std::end(kForms)) {
        return {0, 0};
    }
    const std::size_t length = form->length;
    const char32_t smallest = form->smallest;
    char32_t codePoint = lead & static_cast<unsigned char>(~form->leadMask);
    if (length > text.size() - position) {
        return {0, 0};
    }
    for (std::size_t index = 1; index < length; ++index) {
        const auto continuation = static_cast<unsigned char>(text[position + index]);
        if ((continuation & 0xC0) != 0x80) {
            return {0, 0};
        }
        codePoint = (codePoint << 6) | (continuation & 0x3F);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return {0, 0};
    }
    return {codePoint, length};
}

}  // namespace

void appendFolded(std::string_view utf8, std::span<const FoldingEntry> table, std::string& folded) {
    std::size_t position = 0;
    while (position < utf8.size()) {
        const Utf8Character character = characterAt(utf8, position);
        if (character.length == 0) {
            folded += utf8[position];
            ++position;
            continue;
        }
        if (character.codePoint < 0x80) {
            const char c = utf8[position];
            folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        } else {
            const auto entry = std::lower_bound(
                table.begin(), table.end(), character.codePoint,
                [](const FoldingEntry& e, char32_t codePoint) { return e.codePoint < codePoint; });
            if (entry != table.end() && entry->codePoint == character.codePoint) {
                const char* end =
                    std::find(std::begin(entry->replacement), std::end(entry->replacement), '\0');
                folded.append(entry->replacement, end);
            } else {
                folded.append(utf8.substr(position, character.length));
            }
        }
        position += character.length;
    }
}

}  // namespace quenaro
