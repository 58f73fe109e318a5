#include "core/digit_groups.h"

namespace quillane {

std::string GroupedDigits(std::int64_t number, std::string_view separator) {
    std::string digits = std::to_string(number);
    std::string out;
    if (number < 0) {
        out = "-";
        digits.erase(0, 1);
    }
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

}  // namespace quillane
