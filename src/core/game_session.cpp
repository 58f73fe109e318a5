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

GameSession::GameSession(NumberStyle style)
    : style_(std::move(style)), reelSymbols_(DecodeStrips()) {
    state_.spin.window = FormWindow(reelSymbols_, state_.reelStops);
}

void GameSession::UseStore(SlotStore* store) {
    store_ = store;
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

SpinDraw GameSession::StartReels(int motionStripHeight) {
    state_.account.totalBets = SaturatingAdd(state_.account.totalBets, state_.bet);
    const SpinDraw draw = DrawSpin(random_, std::max(1, motionStripHeight));
    state_.reelStops = draw.stops;
    state_.account.spins = SaturatingAdd(state_.account.spins, 1);
    return draw;
}

const SpinResult& GameSession::Score() {
    state_.bonusWin = 0;
    state_.spin = ScoreSpin(reelSymbols_, state_.reelStops, state_.settings.linesBet,
                            state_.settings.creditsPerLine);
    state_.gamePaid = state_.spin.winToPay;
    return state_.spin;
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

bool GameSession::SelectBetMax() {
    if (state_.account.credits < kBetMaxStake)
        return false;
    state_.settings.linesBet = kMaxLinesBet;
    state_.settings.linesKey = kLinesKeyCount;
    return true;
}

BingoGame GameSession::DealBonusGame(std::uint32_t seed) {
    random_.Seed(seed);
    state_.bonusWin = 0;
    return BingoGame(random_, state_.settings.creditsPerLine * state_.settings.linesBet);
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
}

std::optional<std::string> GameSession::Borrow(std::int32_t amount) {
    auto refusal = BorrowRefusal(amount, state_.account.credits, state_.account.borrowed, style_);
    if (!refusal) {
        state_.account.credits = SaturatingAdd(state_.account.credits, amount);
        state_.account.borrowed = SaturatingAdd(state_.account.borrowed, amount);
    }
    return refusal;
}

std::optional<std::string> GameSession::PayBack(std::int32_t amount) {
    auto refusal = PayBackRefusal(amount, state_.account.credits, state_.account.borrowed, style_);
    if (!refusal) {
        state_.account.credits = SaturatingAdd(state_.account.credits, -std::int64_t{amount});
        state_.account.borrowed = SaturatingAdd(state_.account.borrowed, -std::int64_t{amount});
    }
    return refusal;
}

Statistics GameSession::TakeStatistics() const {
    return quillane::TakeStatistics(state_.account);
}

SavedGame GameSession::ReadSlot(int slot) const {
    return store_ != nullptr ? store_->Read(slot) : SavedGame{};
}

bool GameSession::Open(int slot) {
    if (store_ == nullptr)
        return false;
    state_.account = store_->Read(slot).account;
    return true;
}

std::optional<std::string> GameSession::Store(int slot, const std::string& name) {
    if (store_ == nullptr)
        return "There is no game file to store the game in.";
    return store_->Write(slot, name, state_.account);
}

}  // namespace quillane
