#pragma once

#include <plist/plist.h>

#include <memory>
#include <string>
#include <string_view>

namespace quenaro {

/// Frees a libplist tree.
struct PropertyListDeleter {
    void operator()(void* root) const noexcept { plist_free(static_cast<plist_t>(root)); }
};

/// A parsed property list: the root node of a libplist tree, owned.
using PropertyListTree = std::unique_ptr<void, PropertyListDeleter>;

/// What parsing one catalogue file gave: the tree, or (when `root` is null) why there is none.
struct ParsedPropertyList {
    PropertyListTree root;
    /// The reason, worded to follow the file's name: "is a binary property list; …".
    std::string problem;
};

/// Parses `bytes` as an XML property list. Refuses without handing them to libplist: more than
/// maximumCatalogFileBytes, a binary property list, arrays and dictionaries nested deeper than
/// maximumCatalogNesting (by containerNestingDepth). Reals are read with '.' as the decimal point
/// whatever the process's locale; the calling thread's locale is restored afterwards.
ParsedPropertyList parseXmlPropertyList(std::string_view bytes);

}  // namespace quenaro
