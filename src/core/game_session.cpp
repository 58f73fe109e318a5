// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/game_session.h"

#include <algorithm>
#include <utility>

#include "core/betting.h"
#include "core/count_up.h"
#include "core/counters.h"
#include "core/paylines.h"
#include "core/paytable.h"
#include "core/win_cursor.h"

namespace quillane {

GameSession::GameSession() : reelSymbols_(DecodeStrips()) {
    state_.spin.window = FormWindow(reelSymbols_, state_.reelStops);
}

void GameSession::UseStore(GameStore* store) {
    store_ = store;
    ticket_ = 0;
    if (store_ == nullptr)
        return;
    settled_ = store_->Current();
    state_.account = settled_.account;
}

void GameSession::Restore(const SessionState& state) {
    state_ = state;
    SettleShown();
    Commit();
}

bool GameSession::Written() const {
    return store_ == nullptr || ticket_ == 0 || store_->Written(ticket_);
}

void GameSession::Commit(const HistoryChange& change) {
    if (store_ != nullptr)
        ticket_ = store_->Commit(settled_, change);
}

void GameSession::SettleShown() {
    settled_.account = state_.account;
    settled_.account.credits = SaturatingAdd(state_.account.credits, state_.spin.winToPay);
}

PendingBonus& GameSession::Pending() {
    if (!settled_.bonus)
        settled_.bonus = PendingBonus{state_.settings.linesBet, state_.settings.creditsPerLine,
                                      std::nullopt, std::nullopt};
    return *settled_.bonus;
}

bool GameSession::bonusTriggered() const {
    return state_.spin.ballCount >= kBonusBallCount;
}

bool GameSession::StakeSpin() {
    const SpinStake stake = PlaceSpinBet(state_.bet, state_.lastBet, state_.account.credits,
                                         state_.settings.linesBet, state_.settings.creditsPerLine);
    state_.bet = stake.bet;
    state_.account.credits = stake.credits;
    return state_.bet > 0;
}

bool GameSession::CanStakeSpin() const {
    return PlaceSpinBet(state_.bet, state_.lastBet, state_.account.credits,
                        state_.settings.linesBet, state_.settings.creditsPerLine)
               .bet > 0;
}

SpinDraw GameSession::PlaySpin(int motionStripHeight) {
    state_.account.totalBets = SaturatingAdd(state_.account.totalBets, state_.bet);
    const SpinDraw draw = DrawSpin(random_, std::max(1, motionStripHeight));
    state_.reelStops = draw.stops;
    state_.account.spins = SaturatingAdd(state_.account.spins, 1);
    state_.bonusWin = 0;
    state_.spin = ScoreSpin(reelSymbols_, state_.reelStops, state_.settings.linesBet,
                            state_.settings.creditsPerLine);
    state_.gamePaid = state_.spin.winToPay;
    unpaid_ = PastLimit(state_.account.credits, state_.spin.winToPay);
    SettleShown();
    if (bonusTriggered()) {
        settled_.bonus = PendingBonus{state_.settings.linesBet, state_.settings.creditsPerLine,
                                      std::nullopt, std::nullopt};
        dealt_.reset();
    }
    HistoryChange change;
    change.kind = HistoryChange::Kind::AddSpin;
    change.spin = RecordSpin(state_, 0);
    Commit(change);
    return draw;
}

std::int32_t GameSession::PayStep(bool all) {
    if (state_.spin.winToPay <= 0)
        return 0;
    const std::int32_t step = all ? state_.spin.winToPay : CountUpStep(state_.spin.winToPay);
    state_.account.credits = SaturatingAdd(state_.account.credits, step);
    state_.spin.winToPay -= step;
    return step;
}

void GameSession::EndSpin() {
    state_.lastBet = state_.bet;
    state_.bet = 0;
}

void GameSession::AdvanceWinCursor() {
    state_.spin.winCursor = quillane::AdvanceWinCursor(state_.spin.winCursor, state_.spin.lineWon,
                                                       state_.spin.scatterWin);
}

BetKeyOutcome GameSession::SelectBetKey(int key) {
    const bool lines = IsLinesKey(key);
    if (!lines && !IsCreditsKey(key))
        return {};
    const int newLines = lines ? LinesForKey(key) : state_.settings.linesBet;
    const int newCredits = lines ? state_.settings.creditsPerLine : CreditsForKey(key);
    if (!lines) {
        if (auto refusal = CreditsKeyRefusal(state_.account.credits, newLines, newCredits))
            return {false, std::move(refusal)};
    }
    state_.lastBet = 0;
    if (lines) {
        state_.settings.linesKey = key;
    } else {
        state_.settings.creditsKey = key;
    }
    state_.settings.linesBet = newLines;
    state_.settings.creditsPerLine = newCredits;
    state_.bet = 0;
    return {true, std::nullopt};
}

void GameSession::StakeShownBet() {
    state_.bet = shownBet();
    state_.account.credits = SaturatingAdd(state_.account.credits, -std::int64_t{state_.bet});
}

bool GameSession::LightBet(int linesBet, int creditsPerLine) {
    const int linesKey = LinesKeyFor(linesBet), creditsKey = CreditsKeyFor(creditsPerLine);
    if (linesKey == 0 || creditsKey == 0)
        return false;
    state_.settings = {linesBet, creditsPerLine, linesKey, creditsKey};
    state_.lastBet = 0;
    return true;
}

bool GameSession::SelectBetMax() {
    if (state_.account.credits < kBetMaxStake)
        return false;
    state_.settings.linesBet = kMaxLinesBet;
    state_.settings.linesKey = kLinesKeyCount;
    return true;
}

BingoGame GameSession::DealBonusGame(std::uint32_t seed) {
    PendingBonus& pending = Pending();
    if (!pending.seed) {
        pending.seed = seed;
        Commit();
    }
    random_.Seed(*pending.seed);
    state_.bonusWin = 0;
    BingoGame game(random_, pending.creditsPerLine * pending.linesBet);
    dealt_ = game;
    return game;
}

void GameSession::ChooseBonusCard(int card) {
    Pending().card = card;
    Commit();
}

std::int32_t GameSession::SettleBonus() {
    if (!settled_.bonus || !dealt_)
        return 0;
    const int card = settled_.bonus->card.value_or(0);
    BingoGame played = *dealt_;
    played.PlayOut();
    const std::int32_t payout = played.total(card);
    unpaid_ = SaturatingAdd(unpaid_, PastLimit(settled_.account.credits, payout));
    settled_.account.credits = SaturatingAdd(settled_.account.credits, payout);
    settled_.account.bonusTotal = SaturatingAdd(settled_.account.bonusTotal, payout);
    settled_.bonus.reset();
    HistoryChange change;
    change.kind = HistoryChange::Kind::AttachBonus;
    change.bonus = RecordBonus(*dealt_, card, payout);
    change.creditsAfter = settled_.account.credits;
    dealt_.reset();
    Commit(change);
    return payout;
}

std::int32_t GameSession::ApplyBonusWin(std::int32_t win) {
    const std::int32_t previous = state_.gamePaid;
    state_.bonusWin = win;
    state_.spin.winToPay = win;
    state_.gamePaid = SaturatingAdd(state_.gamePaid, win);
    state_.account.bonusTotal = SaturatingAdd(state_.account.bonusTotal, win);
    return previous;
}

void GameSession::NewGame() {
    state_.account = Account{};
    state_.spin.winToPay = 0;
    settled_ = SettledGame{};
    dealt_.reset();
    HistoryChange change;
    change.kind = HistoryChange::Kind::NewGame;
    Commit(change);
}

std::optional<Refusal> GameSession::Borrow(std::int32_t amount) {
    // The settled credits hold any win still being counted up: the limit applies to them.
    auto refusal = BorrowRefusal(amount, settled_.account.credits, settled_.account.borrowed);
    if (refusal)
        return refusal;
    for (Account* account : {&state_.account, &settled_.account}) {
        account->credits = SaturatingAdd(account->credits, amount);
        account->borrowed = SaturatingAdd(account->borrowed, amount);
    }
    Commit();
    return std::nullopt;
}

std::optional<Refusal> GameSession::PayBack(std::int32_t amount) {
    auto refusal = PayBackRefusal(amount, state_.account.credits, state_.account.borrowed);
    if (refusal)
        return refusal;
    for (Account* account : {&state_.account, &settled_.account}) {
        account->credits = SaturatingAdd(account->credits, -std::int64_t{amount});
        account->borrowed = SaturatingAdd(account->borrowed, -std::int64_t{amount});
    }
    Commit();
    return std::nullopt;
}

Statistics GameSession::TakeStatistics() const {
    return quillane::TakeStatistics(state_.account);
}

SavedGame GameSession::ReadSlot(int slot) const {
    return store_ != nullptr ? store_->Slot(slot) : SavedGame{};
}

bool GameSession::Open(int slot) {
    if (store_ == nullptr)
        return false;
    const Account account = store_->Slot(slot).account;
    state_.account = account;
    state_.spin.winToPay = 0;
    settled_ = SettledGame{account, std::nullopt};
    dealt_.reset();
    HistoryChange change;
    change.kind = HistoryChange::Kind::FromSlot;
    change.slot = slot;
    Commit(change);
    return true;
}

std::optional<Refusal> GameSession::Store(int slot, const std::string& name) {
    if (store_ == nullptr)
        return Refusal{Refusal::Kind::NoGameFile};
    ticket_ = store_->File(slot, name, settled_.account);
    return std::nullopt;
}

}  // namespace quillane
