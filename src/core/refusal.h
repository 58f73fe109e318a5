// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace quillane {

// Why the game refused what the player asked, with the figures the window words it with.
struct Refusal {
    enum class Kind {
        NoBet,              // a spin with no bet the credits cover
        CreditsKey,         // a credits key whose bet (`amount`) is more than the credits (`have`)
        PayBackUncovered,   // a pay-back of `amount`, more than the credits
        PayBackUnborrowed,  // a pay-back of `amount`, more than was borrowed
        BorrowPastLimit,    // a borrow of `amount` that takes a counter past `limit`
        NoGameFile,         // a store with no game file to keep the game in
    };
    Kind kind = Kind::NoBet;
    std::int64_t amount = 0;
    std::int64_t have = 0;
    std::int64_t limit = 0;

    bool operator==(const Refusal&) const = default;
};

}  // namespace quillane
