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
        QString name = QStringLiteral("Card %1").arg(c + 1);
        if (cardChosen_) {
            if (c == chosenCard_)
                name += QStringLiteral(", your card");
            name += ": " + WithThousands(game_->total(c));
        }
        cards_[static_cast<std::size_t>(c)]->setAccessibleName(name);
    }
    monitor_->setAccessibleName(QStringLiteral("Monitor: quick play"));
    monitor_->setProperty("checked", quickPlay_);

    const int calls = game_->callsMade();
    QStringList called;
    for (int call = calls; call >= 1; --call)
        called << Ball(game_->CallNumber(call));
    callBoard_->setAccessibleName(calls == 0 ? QStringLiteral("Call board: no call yet")
                                             : QStringLiteral("Call board: call %1, %2")
                                                   .arg(calls)
                                                   .arg(Ball(game_->CallNumber(calls))));
    callBoard_->setAccessibleDescription(called.join(QStringLiteral(", ")));

    callCountLabel_->setAccessibleName(QStringLiteral("Calls made: %1").arg(calls));
    jackpotLabel_->setAccessibleName("Blackout bonus now: " + jackpotLabel_->text().trimmed());

    for (const PatternInfo& info : kPatterns) {
        const QString name =
            PatternText(info.pattern) +
            (game_->Won(info.pattern) ? QStringLiteral(": won") : QStringLiteral(": not won"));
        const auto n = static_cast<std::size_t>(info.picture);
        patterns_[n]->setAccessibleName(name);
        if (patternsWon_[n])
            patternsWon_[n]->setAccessibleName(name);
    }
}

}  // namespace quillane
