// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bingo.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/bingo_deal.h"

namespace quillane {
namespace {

constexpr std::int32_t kPatternPayPerBet = 4;
constexpr std::int32_t kStartingJackpotPerBet = 50'000;
constexpr long double kJackpotShrink = 0.825L;

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

// Each number at most once, all from 1 to 75: otherwise a call could dob a card twice.
bool DistinctBingoNumbers(const std::uint16_t* numbers, int count) {
    std::array<bool, kBingoNumbers + 1> seen{};
    for (int i = 0; i < count; ++i) {
        const int n = numbers[i];
        if (n < 1 || n > kBingoNumbers || seen[Index(n)])
            return false;
        seen[Index(n)] = true;
    }
    return true;
}

}  // namespace

char LetterOf(int number) {
    if (number < 1 || number > kBingoNumbers)
        throw std::out_of_range("bingo numbers run from 1 to 75");
    return "BINGO"[(number - 1) / kColumnNumbers];
}

int BingoCard::CellOf(int number) const {
    const auto it = std::find(numbers.begin(), numbers.end(), number);
    return it == numbers.end() ? -1 : static_cast<int>(it - numbers.begin());
}

double NextJackpot(double jackpot, int call, std::int32_t patternPay) {
    if (call < kFirstShrinkingCall)
        return jackpot;
    const auto shrunk = static_cast<double>(static_cast<long double>(jackpot) * kJackpotShrink);
    return std::max(shrunk, static_cast<double>(patternPay));
}

std::int32_t JackpotCredits(double jackpot) {
    // The game never leaves the default rounding mode, where nearbyint breaks ties to even.
    return static_cast<std::int32_t>(std::nearbyint(jackpot));
}

BingoGame::BingoGame(RandomGenerator& random, std::int32_t lastSlotBet) {
    const BingoDeal deal = DealBingo(random);
    for (std::size_t c = 0; c < cards_.size(); ++c)
        cards_[c].numbers = deal.cards[c];
    sequence_ = deal.sequence;
    Start(lastSlotBet);
}

BingoGame::BingoGame(const std::array<BingoCard, kCardCount>& cards,
                     const std::array<std::uint16_t, kBingoNumbers>& sequence,
                     std::int32_t lastSlotBet)
    : sequence_(sequence) {
    if (!DistinctBingoNumbers(sequence.data(), kBingoNumbers))
        throw std::invalid_argument("the call sequence must be a permutation of 1 to 75");
    for (std::size_t c = 0; c < cards.size(); ++c) {
        if (!DistinctBingoNumbers(cards[c].numbers.data(), kCardCells))
            throw std::invalid_argument("a card must hold 25 distinct numbers from 1 to 75");
        cards_[c].numbers = cards[c].numbers;
    }
    Start(lastSlotBet);
}

void BingoGame::Start(std::int32_t lastSlotBet) {
    patternPay_ = kPatternPayPerBet * lastSlotBet;
    jackpot_ = static_cast<double>(kStartingJackpotPerBet * lastSlotBet);
    for (std::size_t c = 0; c < cards_.size(); ++c) {
        BingoCard& card = cards_[c];
        card.marked.fill(0);
        card.marked[kFreeCell] = 1;
        marks_[c] = 1u << kFreeCell;
        cellOf_[c].fill(-1);
        for (int cell = 0; cell < kCardCells; ++cell)
            cellOf_[c][card.numbers[Index(cell)]] = static_cast<std::int8_t>(cell);
    }
}

BingoGame::CallResult BingoGame::Call() {
    if (Over())
        throw std::logic_error("the blackout has ended this bingo game");
    CallResult result;
    MakeCall(result);
    return result;
}

// A pattern goes to the cards completing it on the earliest call, and the first blackout ends the
// game, so the rest of the game follows from the call that marks each cell.
void BingoGame::PlayOut() {
    if (Over())
        return;
    std::array<std::uint8_t, kBingoNumbers + 1> callOf{};
    for (int i = 0; i < kBingoNumbers; ++i)
        callOf[sequence_[Index(i)]] = static_cast<std::uint8_t>(i + 1);
    std::array<CellCalls, kCardCount> cellCalls;
    Completing blackout;
    for (std::size_t c = 0; c < cards_.size(); ++c) {
        for (std::size_t cell = 0; cell < cellCalls[c].size(); ++cell)
            cellCalls[c][cell] = callOf[cards_[c].numbers[cell]];
        blackout[c] = CompletingCall(cellCalls[c], Pattern::Blackout);
    }
    const int end = *std::min_element(blackout.begin(), blackout.end());

    for (int p = 0; p < kVariationCount; ++p) {
        if (won_[Index(p)])
            continue;
        Completing completing;
        for (std::size_t c = 0; c < cards_.size(); ++c)
            completing[c] = CompletingCall(cellCalls[c], static_cast<Pattern>(p));
        const int first = *std::min_element(completing.begin(), completing.end());
        if (first <= end)
            Award(static_cast<Pattern>(p), completing, first, patternPay_);
    }
    for (int call = callsMade_ + 1; call <= end; ++call)
        jackpot_ = NextJackpot(jackpot_, call, patternPay_);
    Award(Pattern::Blackout, blackout, end, JackpotCredits(jackpot_));

    for (std::size_t c = 0; c < cards_.size(); ++c) {
        for (std::size_t cell = 0; cell < cellCalls[c].size(); ++cell) {
            if (cellCalls[c][cell] <= end) {
                marks_[c] |= 1u << cell;
                cards_[c].marked[cell] = 1;
            }
        }
    }
    for (int number = 1; number <= kBingoNumbers; ++number)
        called_[Index(number - 1)] = callOf[Index(number)] <= end;
    callsMade_ = end;
}

void BingoGame::Award(Pattern pattern, const Completing& completing, int call, std::int32_t pay) {
    const auto count =
        static_cast<std::int32_t>(std::count(completing.begin(), completing.end(), call));
    const std::int32_t share = pay / count;
    for (std::size_t c = 0; c < completing.size(); ++c) {
        if (completing[c] == call)
            totals_[c] += share;
    }
    won_[static_cast<std::size_t>(pattern)] = true;
}

void BingoGame::MakeCall(CallResult& report) {
    const int call = callsMade_ + 1;
    jackpot_ = NextJackpot(jackpot_, call, patternPay_);
    const int number = sequence_[Index(callsMade_)];
    called_[Index(number - 1)] = true;
    report.call = call;
    report.number = number;
    unsigned dobbed = 0;
    for (std::size_t c = 0; c < cards_.size(); ++c) {
        const int cell = cellOf_[c][Index(number)];
        if (cell < 0)
            continue;
        marks_[c] |= 1u << cell;
        cards_[c].marked[Index(cell)] = 1;
        dobbed |= 1u << c;
        report.dobbed.push_back(static_cast<int>(c));
    }
    callsMade_ = call;
    // A card that was not dobbed cannot have an open pattern now: it would have won it before.
    if (dobbed == 0)
        return;
    for (int p = 0; p < kVariationCount; ++p) {
        if (!won_[Index(p)])
            TestPattern(static_cast<Pattern>(p), dobbed, report);
    }
    if (!Over())
        TestPattern(Pattern::Blackout, dobbed, report);
}

void BingoGame::TestPattern(Pattern pattern, unsigned candidates, CallResult& report) {
    std::array<int, kCardCount> winners;
    int count = 0;
    for (std::size_t c = 0; c < cards_.size(); ++c) {
        if ((candidates >> c & 1u) != 0 && HasPattern(marks_[c], pattern))
            winners[Index(count++)] = static_cast<int>(c);
    }
    if (count == 0)
        return;
    won_[static_cast<std::size_t>(pattern)] = true;
    const std::int32_t pay = pattern == Pattern::Blackout ? JackpotCredits(jackpot_) : patternPay_;
    const std::int32_t share = pay / count;
    for (int i = 0; i < count; ++i)
        totals_[Index(winners[Index(i)])] += share;
    report.wins.push_back(
        {pattern, std::vector<int>(winners.begin(), winners.begin() + count), share});
}

bool BingoGame::Over() const {
    return won_[static_cast<std::size_t>(Pattern::Blackout)];
}
int BingoGame::callsMade() const {
    return callsMade_;
}
int BingoGame::CallNumber(int call) const {
    return sequence_.at(Index(call - 1));
}
bool BingoGame::Called(int number) const {
    return called_.at(Index(number - 1));
}
const BingoCard& BingoGame::card(int index) const {
    return cards_.at(Index(index));
}
std::int32_t BingoGame::total(int card) const {
    return totals_.at(Index(card));
}
bool BingoGame::Won(Pattern pattern) const {
    return won_[static_cast<std::size_t>(pattern)];
}
std::int32_t BingoGame::patternPay() const {
    return patternPay_;
}
double BingoGame::jackpot() const {
    return jackpot_;
}

}  // namespace quillane
