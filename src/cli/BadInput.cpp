#include "cli/BadInput.h"

namespace quenaro {

BadInput::BadInput(std::string_view message)
    : std::runtime_error(oneLineText(message, kMaximumMessageBytes)) {}

BadInput::BadInput(std::string_view option, std::string_view value, std::string_view accepted)
    : BadInput(std::string(option) + " " + shownValue(value) + ": " + std::string(accepted)) {}

}  // namespace quenaro
