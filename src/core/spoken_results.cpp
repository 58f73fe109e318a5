// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/spoken_results.h"

#include <array>

#include "core/digit_groups.h"
#include "core/line_evaluator.h"
#include "core/paylines.h"
#include "core/symbol_names.h"

namespace quillane {
namespace {

std::string CountWord(int count) {
    static constexpr std::array<const char*, 6> kWords = {"no",    "one",  "two",
                                                          "three", "four", "five"};
    return count >= 0 && count < static_cast<int>(kWords.size()) ? kWords[count]
                                                                 : std::to_string(count);
}

std::string Plural(std::string_view name, int count) {
    std::string text(name);
    if (count != 1 && !text.empty() && text.back() != 's')
        text += 's';
    return text;
}

// What a paid line shows, from the pay table's row it matched: "three Elephants", "B I N G O".
std::string PaidRun(const LineSymbols& line) {
    const LineEvaluator& evaluator = LineEvaluator::Instance();
    LineEvaluator::State state = evaluator.AfterTwo(line[0], line[1]);
    for (std::size_t r = 2; r < line.size(); ++r)
        state = evaluator.Next(state, line[r]);
    const int index = evaluator.Row(state);
    if (index < 0)
        return {};
    const PayRow& row = kPayTable[static_cast<std::size_t>(index)];
    if (row.combination == Combination::BingoBalls)
        return "B I N G O";
    return CountWord(row.count) + " " + Plural(SymbolName(row.symbol), row.count);
}

void Append(std::string& text, const std::string& part) {
    if (!text.empty())
        text += "; ";
    text += part;
}

}  // namespace

std::string SpinReport(const SessionState& state, bool bonusTriggered, std::string_view separator) {
    const SpinResult& spin = state.spin;
    std::string text;
    for (int p = 0; p < kPaylineCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (!spin.lineWon[i] || spin.lineWin[i] <= 0)
            continue;
        Append(text, "Line " + std::to_string(p + 1) + ": " +
                         PaidRun(ReadPayline(spin.window, p + 1)) + " pays " +
                         GroupedDigits(spin.lineWin[i], separator));
    }
    if (spin.scatterWin > 0 || bonusTriggered) {
        std::string balls = std::to_string(spin.ballCount) + " balls";
        if (spin.scatterWin > 0)
            balls += " pay " + GroupedDigits(spin.scatterWin, separator);
        if (bonusTriggered)
            balls += (spin.scatterWin > 0 ? " and" : "") + std::string(" win the bonus game");
        Append(text, balls);
    }
    Append(text, state.gamePaid > 0 ? "game paid " + GroupedDigits(state.gamePaid, separator)
                                    : std::string("No win"));
    return text;
}

std::string CallReport(const BingoGame::CallResult& call, int chosenCard,
                       std::string_view separator) {
    std::string text = "Call " + std::to_string(call.call) + ": " + LetterOf(call.number) + " " +
                       std::to_string(call.number);
    for (const BingoGame::PatternWin& win : call.wins) {
        for (int card : win.cards) {
            const std::string who =
                card == chosenCard ? std::string("your card") : "card " + std::to_string(card + 1);
            Append(text, std::string(kPatterns[static_cast<std::size_t>(win.pattern)].name) +
                             " on " + who + " pays " + GroupedDigits(win.share, separator));
        }
    }
    return text;
}

}  // namespace quillane
