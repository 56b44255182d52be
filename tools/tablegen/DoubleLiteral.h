#pragma once

#include <string>

namespace quenaro::tablegen {

/// The shortest decimal text that reads back to exactly `value`, always with a '.' or an
/// exponent so that it is a double literal. Throws std::runtime_error if it cannot be printed.
std::string doubleLiteral(double value);

}  // namespace quenaro::tablegen
