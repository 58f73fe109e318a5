// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "core/counters.h"
#include "ui/cabinet/cabinet_window.h"
#include "ui/widgets/number_format.h"

namespace quillane {
namespace {

// The statistics' counters, each with what the message strip says once it stops at its limit.
struct CounterNews {
    std::int32_t Account::*counter;
    const char* text;
};
const CounterNews kCounterNews[] = {
    {&Account::spins,
     QT_TRANSLATE_NOOP("CabinetWindow",
                       "The spin count has reached its limit; the statistics stop counting.")},
    {&Account::totalBets,
     QT_TRANSLATE_NOOP("CabinetWindow",
                       "The total bets have reached their limit; the statistics stop counting.")},
    {&Account::bonusTotal,
     QT_TRANSLATE_NOOP("CabinetWindow",
                       "The bonus total has reached its limit; the statistics stop counting.")},
};

}  // namespace

void CabinetWindow::ShowShortcutHint() {
    //: In the message strip once, at the first start: the cabinet's keys. Keep it short
    painter_->WriteMessage(
        tr("Keys: Enter spins, M bets max, the arrows choose the bet, F1 opens the manual.")
            .toStdString());
    options_.shortcutHintShown = true;
    SaveOptions();
}

void CabinetWindow::TellLimits() {
    QStringList news;
    if (const std::int32_t unpaid = session_.unpaid(); unpaid > 0) {
        news << (unpaid == 1
                     //: In the message strip when the credits cannot take all of a win
                     ? tr("Credits are at their limit; 1 credit of this win could not be paid.")
                     //: In the message strip when the credits cannot take all of a win; %1 is
                     //: the credits lost
                     : tr("Credits are at their limit; %1 credits of this win could not be paid.")
                           .arg(WithThousands(unpaid)));
    }
    const Account& account = session_.state().account;
    for (const CounterNews& c : kCounterNews) {
        const bool told =
            std::ranges::find(countersToldAtLimit_, c.counter) != countersToldAtLimit_.end();
        if (!AtLimit(account.*c.counter) || told)
            continue;
        countersToldAtLimit_.push_back(c.counter);
        news << tr(c.text);
    }
    if (news.isEmpty())
        return;
    // The win display would write over the news at its next frame.
    cycle_->StopPresenting();
    painter_->WriteMessage(news.join(u' ').toStdString());
}

}  // namespace quillane
