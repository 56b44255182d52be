#include "base/OneLineText.h"

#include "base/PrintfText.h"

namespace quenaro {

namespace {

constexpr std::size_t kShownValueBytes = 40;
constexpr std::string_view kEllipsis = "\u2026";

/// The length of the well-formed UTF-8 character that starts the text (2 to 4 bytes, no
/// overlong form, no surrogate, nothing beyond U+10FFFF, not a C1 control character U+0080 to
/// U+009F); 0 when it does not start with one.
std::size_t characterLength(std::string_view text) {
    const auto byte = [&text](std::size_t index) {
        return static_cast<unsigned char>(text[index]);
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char lowest = 0x80;  // the second byte's bounds, narrower after some leads
    unsigned char highest = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        lowest = lead == 0xC2 ? 0xA0 : 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = lead == 0xE0 ? 0xA0 : 0x80;
        highest = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = lead == 0xF0 ? 0x90 : 0x80;
        highest = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < lowest || byte(1) > highest) {
        return 0;
    }
    for (std::size_t index = 2; index < length; ++index) {
        if ((byte(index) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

/// The text with its control characters and the bytes of malformed UTF-8 escaped, so that it
/// stays on one line and is well-formed UTF-8.
std::string escapedText(std::string_view text) {
    std::string escaped;
    std::size_t index = 0;
    while (index < text.size()) {
        const auto byte = static_cast<unsigned char>(text[index]);
        if (byte >= 0x80) {
            if (const std::size_t length = characterLength(text.substr(index))) {
                escaped.append(text.substr(index, length));
                index += length;
                continue;
            }
        }
        if (byte == '\n') {
            escaped += "\\n";
        } else if (byte == '\t') {
            escaped += "\\t";
        } else if (byte < 0x20 || byte >= 0x7F) {
            escaped += printfText("\\x%02X", byte);
        } else {
            escaped += static_cast<char>(byte);
        }
        ++index;
    }
    return escaped;
}

/// The text cut to at most `maximumBytes` with the ellipsis included, at a UTF-8 character
/// boundary; unchanged when it fits.
std::string cutText(std::string text, std::size_t maximumBytes) {
    if (text.size() <= maximumBytes) {
        return text;
    }
    std::size_t end = maximumBytes - kEllipsis.size();
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;  // inside a multi-byte character
    }
    text.resize(end);
    text += kEllipsis;
    return text;
}

}  // namespace

std::string oneLineText(std::string_view text, std::size_t maximumBytes) {
    return cutText(escapedText(text), maximumBytes);
}

std::string shownValue(std::string_view value) {
    std::string shown(1, '\'');
    shown.append(cutText(escapedText(value), kShownValueBytes)).push_back('\'');
    return shown;
}

}  // namespace quenaro
