// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/bonus/bonus_game_window.h"
#include "ui/widgets/game_names.h"
#include "ui/widgets/number_format.h"

namespace quillane {
namespace {

QString Ball(int number) {
    return QStringLiteral("%1 %2").arg(QChar::fromLatin1(LetterOf(number))).arg(number);
}

}  // namespace

void BonusGameWindow::NameParts() {
    for (int c = 0; c < kCardCount; ++c) {
        QString name;
        if (!cardChosen_) {
            //: A bonus card as a screen reader names it; %1 is its number, 1 to 5
            name = tr("Card %1").arg(c + 1);
        } else if (c == chosenCard_) {
            //: The player's bonus card as a screen reader names it; %1 its number, %2 its score
            name = tr("Card %1, your card: %2").arg(c + 1).arg(WithThousands(game_->total(c)));
        } else {
            //: A bonus card as a screen reader names it; %1 is its number, %2 its score
            name = tr("Card %1: %2").arg(c + 1).arg(WithThousands(game_->total(c)));
        }
        cards_[static_cast<std::size_t>(c)]->setAccessibleName(name);
    }
    //: The bonus game's monitor as a screen reader names it; checked while quick play is on
    monitor_->setAccessibleName(tr("Monitor: quick play"));
    monitor_->setProperty("checked", quickPlay_);

    const int calls = game_->callsMade();
    QStringList called;
    for (int call = calls; call >= 1; --call)
        called << Ball(game_->CallNumber(call));
    callBoard_->setAccessibleName(
        calls == 0
            //: The bonus game's board of called balls, before any call
            ? tr("Call board: no call yet")
            //: %1 is the number of calls made, %2 the last ball, "B 7"
            : tr("Call board: call %1, %2").arg(calls).arg(Ball(game_->CallNumber(calls))));
    callBoard_->setAccessibleDescription(called.join(QStringLiteral(", ")));

    //: %1 is the number of balls called so far
    callCountLabel_->setAccessibleName(tr("Calls made: %1").arg(calls));
    //: %1 is the blackout jackpot as it stands, in credits
    jackpotLabel_->setAccessibleName(
        tr("Blackout bonus now: %1").arg(jackpotLabel_->text().trimmed()));

    for (const PatternInfo& info : kPatterns) {
        // Whether it is won, as a whole phrase.
        const QString pattern = PatternText(info.pattern);
        const QString name = game_->Won(info.pattern)
                                 //: A bonus pattern as a screen reader names it; %1 is its name
                                 ? tr("%1: won").arg(pattern)
                                 //: A bonus pattern as a screen reader names it; %1 is its name
                                 : tr("%1: not won").arg(pattern);
        const auto n = static_cast<std::size_t>(info.picture);
        patterns_[n]->setAccessibleName(name);
        if (patternsWon_[n])
            patternsWon_[n]->setAccessibleName(name);
    }
}

}  // namespace quillane
