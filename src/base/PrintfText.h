#pragma once

#include <string>

namespace quenaro {

/// The text printf would write for the format and arguments (any length).
std::string printfText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace quenaro
