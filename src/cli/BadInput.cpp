#include "cli/BadInput.h"

#include "base/PrintfText.h"

namespace quenaro {

namespace {

constexpr std::size_t kShownValueBytes = 40;
constexpr std::string_view kEllipsis = "\u2026";

/// The text with its control characters escaped, so that it stays on one line.
std::string escapedControls(std::string_view text) {
    std::string escaped;
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (character == '\n') {
            escaped += "\\n";
        } else if (character == '\t') {
            escaped += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            escaped += printfText("\\x%02X", byte);
        } else {
            escaped += character;
        }
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
    return cutText(escapedControls(text), maximumBytes);
}

std::string shownValue(std::string_view value) {
    std::string shown(1, '\'');
    shown.append(cutText(escapedControls(value), kShownValueBytes)).push_back('\'');
    return shown;
}

BadInput::BadInput(std::string_view message)
    : std::runtime_error(oneLineText(message, kMaximumMessageBytes)) {}

BadInput::BadInput(std::string_view option, std::string_view value, std::string_view accepted)
    : BadInput(std::string(option) + " " + shownValue(value) + ": " + std::string(accepted)) {}

}  // namespace quenaro
