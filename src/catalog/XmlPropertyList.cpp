#include "catalog/XmlPropertyList.h"

#include <locale.h>

#include <cstdint>

#include "catalog/CatalogFileLimits.h"
#include "catalog/ContainerNesting.h"

namespace quenaro {

namespace {

/// Makes the calling thread use the "C" locale while it lives: libplist reads reals with strtod,
/// which would stop at the '.' of "6.7525" under a locale whose decimal point is a comma (and an
/// application takes its locale from the environment).
class ClassicLocaleScope {
  public:
    ClassicLocaleScope() : previous_(uselocale(classicLocale())) {}
    ~ClassicLocaleScope() { uselocale(previous_); }
    ClassicLocaleScope(const ClassicLocaleScope&) = delete;
    ClassicLocaleScope& operator=(const ClassicLocaleScope&) = delete;

  private:
    static locale_t classicLocale() {
        static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
        return classic;
    }
    locale_t previous_;
};

}  // namespace

ParsedPropertyList parseXmlPropertyList(std::string_view bytes) {
    if (bytes.size() > maximumCatalogFileBytes) {
        return {nullptr, "is larger than " + std::to_string(maximumCatalogFileBytes) +
                             " bytes; it is not read"};
    }
    if (bytes.starts_with("bplist")) {
        return {nullptr, "is a binary property list; only XML property lists are read"};
    }
    if (containerNestingDepth(bytes, maximumCatalogNesting) > maximumCatalogNesting) {
        return {nullptr, "nests arrays and dictionaries deeper than " +
                             std::to_string(maximumCatalogNesting) + " levels; it is not read"};
    }
    // A terminated copy: the parser must never run past the end of the text.
    const std::string text(bytes);
    plist_t root = nullptr;
    {
        const ClassicLocaleScope classicLocale;
        plist_from_xml(text.c_str(), static_cast<std::uint32_t>(text.size()), &root);
    }
    if (root == nullptr) {
        return {nullptr, "is not a well-formed XML property list"};
    }
    return {PropertyListTree(root), {}};
}

}  // namespace quenaro
