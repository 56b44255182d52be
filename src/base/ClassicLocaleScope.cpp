#include "base/ClassicLocaleScope.h"

namespace quenaro {

namespace {

locale_t classicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
    return classic;
}

}  // namespace

ClassicLocaleScope::ClassicLocaleScope() : previous_(uselocale(classicLocale())) {}

ClassicLocaleScope::~ClassicLocaleScope() {
    uselocale(previous_);
}

}  // namespace quenaro
