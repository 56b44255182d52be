#pragma once

#include <locale.h>

namespace quenaro {

/// Makes the calling thread use the "C" locale while it lives, so that the C library's number
/// formatting and reading (printf, strtod) use a '.' and no grouping whatever locale the
/// process took from its environment (a Qt application sets the environment's locale).
class ClassicLocaleScope {
  public:
    ClassicLocaleScope();
    ~ClassicLocaleScope();
    ClassicLocaleScope(const ClassicLocaleScope&) = delete;
    ClassicLocaleScope& operator=(const ClassicLocaleScope&) = delete;

  private:
    locale_t previous_;
};

}  // namespace quenaro
