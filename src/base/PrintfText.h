#pragma once

#include <string>

namespace quenaro {

/// The text printf would write for the format and arguments (any length), in the "C" locale
/// whatever the process's locale: numbers always with a '.' and no grouping.
std::string printfText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace quenaro
