// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace quillane {

// How much the next step of the count-up moves into the credits: big wins count in big steps.
constexpr std::int32_t CountUpStep(std::int32_t winToPay) {
    if (winToPay >= 1000)
        return 100;
    if (winToPay >= 500)
        return 50;
    if (winToPay >= 100)
        return 10;
    if (winToPay >= 25)
        return 5;
    if (winToPay >= 10)
        return 2;
    return 1;
}

}  // namespace quillane
