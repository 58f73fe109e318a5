// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/digit_groups.h"

namespace quillane {

std::string GroupedDigits(std::int64_t number, std::string_view separator) {
    const std::string text = std::to_string(number);
    const std::size_t first = number < 0 ? 1 : 0;  // past the sign
    std::string out = text.substr(0, first);
    for (std::size_t i = first; i < text.size(); ++i) {
        if (i > first && (text.size() - i) % 3 == 0)
            out += separator;
        out += text[i];
    }
    return out;
}

}  // namespace quillane
