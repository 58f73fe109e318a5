// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/spin_record.h"

#include <algorithm>

#include "core/counters.h"
#include "core/paylines.h"

namespace quillane {

SpinRecord RecordSpin(const SessionState& state, std::int64_t time) {
    SpinRecord record;
    record.time = time;
    record.bet = state.bet;
    record.lines = state.settings.linesBet;
    record.creditsPerLine = state.settings.creditsPerLine;
    record.window = state.spin.window;
    for (int line = 1; line <= kPaylineCount; ++line) {
        const auto i = static_cast<std::size_t>(line - 1);
        if (state.spin.lineWon[i])
            record.lineWins.push_back({line, state.spin.winLength[i], state.spin.lineWin[i]});
    }
    record.scatterWin = state.spin.scatterWin;
    record.ballCount = state.spin.ballCount;
    record.creditsAfter = SaturatingAdd(state.account.credits, state.spin.winToPay);
    return record;
}

BonusRecord RecordBonus(const BingoGame& dealt, std::optional<int> card, std::int32_t payout) {
    BonusRecord record;
    record.payout = payout;
    BingoGame game = dealt;
    if (!card) {
        BingoGame played = dealt;
        played.PlayOut();
        for (int c = 0; c < kCardCount && !card; ++c) {
            if (played.total(c) == payout)
                card = c;
        }
    }
    record.card = card.value_or(-1);
    while (!game.Over()) {
        const BingoGame::CallResult call = game.Call();
        record.calls.push_back(call.number);
        for (const BingoGame::PatternWin& win : call.wins) {
            if (std::find(win.cards.begin(), win.cards.end(), record.card) != win.cards.end())
                record.patterns.push_back({static_cast<int>(win.pattern), call.call, win.share});
        }
    }
    return record;
}

}  // namespace quillane
