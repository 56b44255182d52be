#include "cli/WholeNumber.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "base/PrintfText.h"
#include "cli/BadInput.h"

namespace quenaro {

std::int64_t parseWholeNumber(std::string_view text, std::string_view option, std::int64_t minimum,
                              std::int64_t maximum) {
    const std::string accepted =
        printfText("a whole number from %lld to %lld", static_cast<long long>(minimum),
                   static_cast<long long>(maximum));
    if (text.empty()) {
        throw BadInput(option, text, "empty; expected " + accepted);
    }
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        throw BadInput(option, text, "expected " + accepted);
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range || value < minimum || value > maximum) {
        throw BadInput(option, text, "out of range; expected " + accepted);
    }
    return value;
}

}  // namespace quenaro
