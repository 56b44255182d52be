#include "catalog/ContainerNesting.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quenaro {

namespace {

/// Whether the tag text after '<' (or after "</") names an array or a dictionary.
bool namesContainer(std::string_view tag) {
    return tag.starts_with("array") || tag.starts_with("dict");
}

bool isXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

/// Whether the opening tag text after '<' is exactly a name, optional white space and "/>".
/// Anything else (attributes, a quoted '>') counts as an opening tag, which errs deeper.
bool isPlainEmptyElement(std::string_view tag) {
    std::size_t i = 0;
    while (i < tag.size() && !isXmlSpace(tag[i]) && tag[i] != '/' && tag[i] != '>') {
        ++i;
    }
    while (i < tag.size() && isXmlSpace(tag[i])) {
        ++i;
    }
    return tag.substr(i).starts_with("/>");
}

/// Markup that holds no elements, as its opening and closing texts after '<'.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> inertMarkup{{
    {"!--", "-->"},
    {"![CDATA[", "]]>"},
    {"?", "?>"},
    {"!", ">"},
}};

}  // namespace

int containerNestingDepth(std::string_view xml, int limit) {
    int depth = 0;
    int deepest = 0;
    std::size_t inertUntil = 0;  // closing tags before this offset are not counted
    for (std::size_t at = xml.find('<'); at != std::string_view::npos; at = xml.find('<', at + 1)) {
        const std::string_view tag = xml.substr(at + 1);
        if (at >= inertUntil) {
            for (const auto& [opening, closing] : inertMarkup) {
                if (tag.starts_with(opening)) {
                    const std::size_t end = xml.find(closing, at + 1 + opening.size());
                    inertUntil = end == std::string_view::npos ? xml.size() : end;
                    break;
                }
            }
        }
        if (tag.starts_with('/')) {
            if (at >= inertUntil && namesContainer(tag.substr(1))) {
                depth = std::max(depth - 1, 0);
            }
        } else if (namesContainer(tag) && !isPlainEmptyElement(tag)) {
            deepest = std::max(deepest, ++depth);
            if (deepest > limit) {
                return deepest;
            }
        }
    }
    return deepest;
}

}  // namespace quenaro
