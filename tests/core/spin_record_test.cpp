// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/spin_record.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

// Replayed from the deal, each card's record holds the calls up to the blackout and the patterns
// it won, whose shares make up its total.
TEST(RecordBonus, ReplaysTheGameForTheChosenCard) {
    RandomGenerator random(77);
    const BingoGame dealt(random, 9);
    BingoGame played = dealt;
    played.PlayOut();
    for (int card = 0; card < kCardCount; ++card) {
        const BonusRecord record = RecordBonus(dealt, card, played.total(card));
        EXPECT_EQ(record.card, card);
        ASSERT_EQ(static_cast<int>(record.calls.size()), played.callsMade());
        EXPECT_EQ(record.calls.back(), played.CallNumber(played.callsMade()));
        std::int64_t shares = 0;
        for (const PatternRecord& p : record.patterns)
            shares += p.share;
        EXPECT_EQ(shares, played.total(card)) << "card " << card;
    }
    EXPECT_EQ(RecordBonus(dealt, std::nullopt, -5).card, -1) << "no card was paid that";
}

}  // namespace
}  // namespace quillane
