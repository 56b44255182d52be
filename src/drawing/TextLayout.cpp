// Setting the views' texts into their boxes: lines broken between words, lines cut at the head.

#include "drawing/TextLayout.h"

#include "drawing/TextMetrics.h"

namespace quenaro {

namespace {

constexpr std::string_view kEllipsis = "\u2026";

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

/// Appends the words of one line, broken where they would pass the width.
void wrapLine(std::string_view line, FontRole font, double width, const TextMetrics& metrics,
              std::vector<std::string>& lines) {
    std::string current;
    std::size_t at = 0;
    while (at <= line.size()) {
        const std::size_t space = std::min(line.find(' ', at), line.size());
        const std::string_view word = line.substr(at, space - at);
        std::string candidate =
            current.empty() ? std::string(word) : current + " " + std::string(word);
        if (!current.empty() && metrics.advance(font, candidate) > width) {
            lines.push_back(std::move(current));
            current = std::string(word);
        } else {
            current = std::move(candidate);
        }
        at = space + 1;
    }
    lines.push_back(std::move(current));
}

}  // namespace

std::vector<std::string> wrappedLines(std::string_view text, FontRole font, double width,
                                      const TextMetrics& metrics) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        if (metrics.advance(font, line) <= width) {
            lines.emplace_back(line);
        } else {
            wrapLine(line, font, width, metrics, lines);
        }
        at = end + 1;
    }
    return lines;
}

std::string elidedAtHead(std::string_view line, FontRole font, double width,
                         const TextMetrics& metrics) {
    if (metrics.advance(font, line) <= width) {
        return std::string(line);
    }
    // Drop whole characters from the head until the rest fits after the ellipsis.
    for (std::size_t cut = 1; cut < line.size(); ++cut) {
        if (isContinuationByte(line[cut])) {
            continue;
        }
        std::string shown = std::string(kEllipsis) + std::string(line.substr(cut));
        if (metrics.advance(font, shown) <= width) {
            return shown;
        }
    }
    return std::string(kEllipsis);
}

}  // namespace quenaro
