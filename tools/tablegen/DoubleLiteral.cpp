#include "tablegen/DoubleLiteral.h"

#include <array>
#include <charconv>
#include <stdexcept>

namespace quenaro::tablegen {

std::string doubleLiteral(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (error != std::errc{}) {
        throw std::runtime_error("cannot print a double");
    }
    std::string text(buffer.data(), end);
    if (text.find_first_of(".e") == std::string::npos) {
        text += ".0";
    }
    return text;
}

}  // namespace quenaro::tablegen
