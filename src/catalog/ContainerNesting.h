#pragma once

#include <string_view>

namespace quenaro {

/// An upper bound of the nesting depth of <array> and <dict> elements in XML property-list text,
/// found without parsing it: every opening tag whose name starts with "array" or "dict" counts one
/// level deeper, wherever it stands (even inside a comment), unless it is a plain empty-element
/// tag ("<array/>", "<dict />"); a closing tag counts one level less, never below 0, but only
/// outside comments, CDATA sections, processing instructions and declarations. Returns as soon
/// as the depth exceeds `limit` (so the result is at most limit + 1). Cost: one pass over `xml`.
int containerNestingDepth(std::string_view xml, int limit);

}  // namespace quenaro
