// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/access/spoken_results.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

#include "core/line_evaluator.h"
#include "core/paylines.h"
#include "ui/widgets/game_names.h"
#include "ui/widgets/number_format.h"

namespace quillane {
namespace {

// How many of a symbol a paid line shows, as a whole phrase: "three Elephants". %1 is the
// symbol's name, in the plural but for one.
QString CountedSymbols(int count, const QString& name) {
    static constexpr std::array<const char*, 6> kPhrases = {
        //: A screen reader's count of symbols on a paid line; %1 is the symbol's name
        QT_TRANSLATE_NOOP("SpokenResults", "no %1"),
        //: A screen reader's count of symbols on a paid line; %1 is the symbol's name
        QT_TRANSLATE_NOOP("SpokenResults", "one %1"),
        //: A screen reader's count of symbols on a paid line; %1 is the symbol's name (plural)
        QT_TRANSLATE_NOOP("SpokenResults", "two %1"),
        //: A screen reader's count of symbols on a paid line; %1 is the symbol's name (plural)
        QT_TRANSLATE_NOOP("SpokenResults", "three %1"),
        //: A screen reader's count of symbols on a paid line; %1 is the symbol's name (plural)
        QT_TRANSLATE_NOOP("SpokenResults", "four %1"),
        //: A screen reader's count of symbols on a paid line; %1 is the symbol's name (plural)
        QT_TRANSLATE_NOOP("SpokenResults", "five %1")};
    if (count >= 0 && count < static_cast<int>(kPhrases.size())) {
        return QCoreApplication::translate("SpokenResults",
                                           kPhrases[static_cast<std::size_t>(count)])
            .arg(name);
    }
    //: A screen reader's count of symbols on a paid line; %1 is the count, %2 the symbol's name
    return QCoreApplication::translate("SpokenResults", "%1 %2").arg(count).arg(name);
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
    return CountedSymbols(row.count,
                          row.count == 1 ? SymbolText(row.symbol) : SymbolPluralText(row.symbol));
}

}  // namespace

QString SpinReport(const SessionState& state, bool bonusTriggered) {
    const SpinResult& spin = state.spin;
    QStringList parts;
    for (int p = 0; p < kPaylineCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (!spin.lineWon[i] || spin.lineWin[i] <= 0)
            continue;
        //: A screen reader's report of a paid line; %1 is the payline, %2 what it shows
        //: ("three Elephants"), %3 what it pays
        parts << QCoreApplication::translate("SpokenResults", "Line %1: %2 pays %3")
                     .arg(QString::number(p + 1), PaidRun(ReadPayline(spin.window, p + 1)),
                          WithThousands(spin.lineWin[i]));
    }
    const QString balls = QString::number(spin.ballCount);
    const QString scatter = WithThousands(spin.scatterWin);
    if (spin.scatterWin > 0 && bonusTriggered) {
        //: A screen reader's report; %1 is the number of BINGO balls, %2 what they pay
        parts << QCoreApplication::translate("SpokenResults",
                                             "%1 balls pay %2 and win the bonus game")
                     .arg(balls, scatter);
    } else if (spin.scatterWin > 0) {
        //: A screen reader's report; %1 is the number of BINGO balls, %2 what they pay
        parts
            << QCoreApplication::translate("SpokenResults", "%1 balls pay %2").arg(balls, scatter);
    } else if (bonusTriggered) {
        //: A screen reader's report; %1 is the number of BINGO balls
        parts << QCoreApplication::translate("SpokenResults", "%1 balls win the bonus game")
                     .arg(balls);
    }
    parts << (state.gamePaid > 0
                  //: A screen reader's report, after the lines and balls; %1 is the spin's pay
                  ? QCoreApplication::translate("SpokenResults", "game paid %1")
                        .arg(WithThousands(state.gamePaid))
                  //: A screen reader's report of a spin that paid nothing
                  : QCoreApplication::translate("SpokenResults", "No win"));
    return parts.join(QStringLiteral("; "));
}

QString CallReport(const BingoGame::CallResult& call, int chosenCard) {
    //: A screen reader's report of a bonus call; %1 is the call's number, %2 %3 the ball ("B 7")
    QStringList parts{QCoreApplication::translate("SpokenResults", "Call %1: %2 %3")
                          .arg(QString::number(call.call),
                               QString(QChar::fromLatin1(LetterOf(call.number))),
                               QString::number(call.number))};
    for (const BingoGame::PatternWin& win : call.wins) {
        const QString name = PatternText(win.pattern);
        for (int card : win.cards) {
            const QString& pattern = name;
            parts << (card == chosenCard
                          //: A screen reader's report; %1 is the pattern, %2 what it pays
                          ? QCoreApplication::translate("SpokenResults", "%1 on your card pays %2")
                                .arg(pattern, WithThousands(win.share))
                          //: A screen reader's report; %1 is the pattern, %2 the card's
                          //: number, %3 what it pays
                          : QCoreApplication::translate("SpokenResults", "%1 on card %2 pays %3")
                                .arg(pattern, QString::number(card + 1), WithThousands(win.share)));
        }
    }
    return parts.join(QStringLiteral("; "));
}

}  // namespace quillane
