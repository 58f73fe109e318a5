// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/access/spoken_results.h"

#include <QStringList>
#include <array>

#include "core/line_evaluator.h"
#include "core/paylines.h"
#include "ui/widgets/game_names.h"
#include "ui/widgets/number_format.h"

namespace quillane {
namespace {

QString CountWord(int count) {
    static constexpr std::array<const char*, 6> kWords = {"no",    "one",  "two",
                                                          "three", "four", "five"};
    return count >= 0 && count < static_cast<int>(kWords.size())
               ? QString::fromLatin1(kWords[static_cast<std::size_t>(count)])
               : QString::number(count);
}

QString Plural(QString text, int count) {
    if (count != 1 && !text.endsWith('s'))
        text += 's';
    return text;
}

// What a paid line shows, from the pay table's row it matched: "three Elephants", "B I N G O".
QString PaidRun(const LineSymbols& line) {
    const LineEvaluator& evaluator = LineEvaluator::Instance();
    LineEvaluator::State state = evaluator.AfterTwo(line[0], line[1]);
    for (std::size_t r = 2; r < line.size(); ++r)
        state = evaluator.Next(state, line[r]);
    const int index = evaluator.Row(state);
    if (index < 0)
        return {};
    const PayRow& row = kPayTable[static_cast<std::size_t>(index)];
    if (row.combination == Combination::BingoBalls)
        return QStringLiteral("B I N G O");
    return CountWord(row.count) + ' ' + Plural(SymbolText(row.symbol), row.count);
}

}  // namespace

QString SpinReport(const SessionState& state, bool bonusTriggered) {
    const SpinResult& spin = state.spin;
    QStringList parts;
    for (int p = 0; p < kPaylineCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (!spin.lineWon[i] || spin.lineWin[i] <= 0)
            continue;
        parts << QStringLiteral("Line %1: %2 pays %3")
                     .arg(p + 1)
                     .arg(PaidRun(ReadPayline(spin.window, p + 1)), WithThousands(spin.lineWin[i]));
    }
    if (spin.scatterWin > 0 || bonusTriggered) {
        QString balls = QStringLiteral("%1 balls").arg(spin.ballCount);
        if (spin.scatterWin > 0)
            balls += " pay " + WithThousands(spin.scatterWin);
        if (bonusTriggered)
            balls += spin.scatterWin > 0 ? QStringLiteral(" and win the bonus game")
                                         : QStringLiteral(" win the bonus game");
        parts << balls;
    }
    parts << (state.gamePaid > 0 ? "game paid " + WithThousands(state.gamePaid)
                                 : QStringLiteral("No win"));
    return parts.join(QStringLiteral("; "));
}

QString CallReport(const BingoGame::CallResult& call, int chosenCard) {
    QStringList parts{QStringLiteral("Call %1: %2 %3")
                          .arg(call.call)
                          .arg(QChar::fromLatin1(LetterOf(call.number)))
                          .arg(call.number)};
    for (const BingoGame::PatternWin& win : call.wins) {
        const QString name = PatternText(win.pattern);
        for (int card : win.cards) {
            parts << QStringLiteral("%1 on %2 pays %3")
                         .arg(name,
                              card == chosenCard ? QStringLiteral("your card")
                                                 : QStringLiteral("card %1").arg(card + 1),
                              WithThousands(win.share));
        }
    }
    return parts.join(QStringLiteral("; "));
}

}  // namespace quillane
