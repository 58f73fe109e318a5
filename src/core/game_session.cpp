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
    spin_.window = FormWindow(reelSymbols_, reelStops_);
}

void GameSession::UseStore(SlotStore* store) {
    store_ = store;
}

bool GameSession::bonusTriggered() const {
    return spin_.ballCount >= kBonusBallCount;
}

bool GameSession::StakeSpin() {
    const SpinStake stake = PlaceSpinBet(bet_, lastBet_, account_.credits, settings_.linesBet,
                                         settings_.creditsPerLine);
    bet_ = stake.bet;
    account_.credits = stake.credits;
    return bet_ > 0;
}

SpinDraw GameSession::StartReels(int motionStripHeight) {
    account_.totalBets = SaturatingAdd(account_.totalBets, bet_);
    const SpinDraw draw = DrawSpin(random_, std::max(1, motionStripHeight));
    reelStops_ = draw.stops;
    account_.spins = SaturatingAdd(account_.spins, 1);
    return draw;
}

const SpinResult& GameSession::Score() {
    bonusWin_ = 0;
    spin_ = ScoreSpin(reelSymbols_, reelStops_, settings_.linesBet, settings_.creditsPerLine);
    gamePaid_ = spin_.winToPay;
    return spin_;
}

std::int32_t GameSession::PayStep(bool all) {
    if (spin_.winToPay <= 0)
        return 0;
    const std::int32_t step = all ? spin_.winToPay : CountUpStep(spin_.winToPay);
    account_.credits = SaturatingAdd(account_.credits, step);
    spin_.winToPay -= step;
    return step;
}

void GameSession::EndSpin() {
    lastBet_ = bet_;
    bet_ = 0;
}

void GameSession::AdvanceWinCursor() {
    spin_.winCursor = quillane::AdvanceWinCursor(spin_.winCursor, spin_.lineWon, spin_.scatterWin);
}

BetKeyOutcome GameSession::SelectBetKey(int key) {
    const bool lines = IsLinesKey(key);
    if (!lines && !IsCreditsKey(key))
        return {};
    const int newLines = lines ? LinesForKey(key) : settings_.linesBet;
    const int newCredits = lines ? settings_.creditsPerLine : CreditsForKey(key);
    if (!lines) {
        if (auto refusal = CreditsKeyRefusal(account_.credits, newLines, newCredits))
            return {false, std::move(refusal)};
    }
    lastBet_ = 0;
    if (lines) {
        settings_.linesKey = key;
    } else {
        settings_.creditsKey = key;
    }
    settings_.linesBet = newLines;
    settings_.creditsPerLine = newCredits;
    bet_ = 0;
    return {true, std::nullopt};
}

void GameSession::StakeShownBet() {
    bet_ = shownBet();
    account_.credits = SaturatingAdd(account_.credits, -std::int64_t{bet_});
}

bool GameSession::SelectBetMax() {
    if (account_.credits < kBetMaxStake)
        return false;
    settings_.linesBet = kMaxLinesBet;
    settings_.linesKey = kLinesKeyCount;
    return true;
}

BingoGame GameSession::DealBonusGame(std::uint32_t seed) {
    random_.Seed(seed);
    bonusWin_ = 0;
    return BingoGame(random_, settings_.creditsPerLine * settings_.linesBet);
}

std::int32_t GameSession::ApplyBonusWin(std::int32_t win) {
    const std::int32_t previous = gamePaid_;
    bonusWin_ = win;
    spin_.winToPay = win;
    gamePaid_ = SaturatingAdd(gamePaid_, win);
    account_.bonusTotal = SaturatingAdd(account_.bonusTotal, win);
    return previous;
}

void GameSession::NewGame() {
    account_ = Account{};
}

std::optional<std::string> GameSession::Borrow(std::int32_t amount) {
    auto refusal = BorrowRefusal(amount, account_.credits, account_.borrowed, style_);
    if (!refusal) {
        account_.credits = SaturatingAdd(account_.credits, amount);
        account_.borrowed = SaturatingAdd(account_.borrowed, amount);
    }
    return refusal;
}

std::optional<std::string> GameSession::PayBack(std::int32_t amount) {
    auto refusal = PayBackRefusal(amount, account_.credits, account_.borrowed, style_);
    if (!refusal) {
        account_.credits = SaturatingAdd(account_.credits, -std::int64_t{amount});
        account_.borrowed = SaturatingAdd(account_.borrowed, -std::int64_t{amount});
    }
    return refusal;
}

Statistics GameSession::TakeStatistics() const {
    return quillane::TakeStatistics(account_);
}

SavedGame GameSession::ReadSlot(int slot) const {
    return store_ != nullptr ? store_->Read(slot) : SavedGame{};
}

bool GameSession::Open(int slot) {
    if (store_ == nullptr)
        return false;
    account_ = store_->Read(slot).account;
    return true;
}

std::optional<std::string> GameSession::Store(int slot, const std::string& name) {
    if (store_ == nullptr)
        return "There is no game file to store the game in.";
    return store_->Write(slot, name, account_);
}

}  // namespace quillane
