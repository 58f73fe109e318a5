// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QApplication>

#include "ui/cabinet/cabinet_window.h"
#include "ui/options/autoplay_dialog.h"
#include "ui/widgets/refusal_text.h"

namespace quillane {

void CabinetWindow::AutoplayCommand() {
    if (autoplay_.running()) {
        StopAutoplay(AutoplayStop::Player);
        return;
    }
    auto* dialog = new AutoplayDialog(options_.autoplay, this);
    ShowDialog(dialog, [this, dialog](int result) {
        if (result != QDialog::Accepted)
            return;
        options_.autoplay = dialog->plan();
        SaveOptions();
        RunAutoplay(options_.autoplay);
    });
}

void CabinetWindow::RunAutoplay(std::optional<AutoplayPlan> plan) {
    if (!plan) {
        StopAutoplay(AutoplayStop::Player);
        return;
    }
    autoplay_.Start(*plan, session_.state().account);
    ShowAutoplayCommand();
    AutoplayNext();
}

void CabinetWindow::AutoplayNext() {
    autoplayTimer_->SetEnabled(false);
    if (!autoplay_.running())
        return;
    // A play reminder due is given first; its window, like any of the player's, holds the run.
    RemindIfDue();
    // A spin, the bonus game or a window of the player's comes first; autoplay waits for it.
    if (busy() || QApplication::activeModalWidget() != nullptr) {
        autoplayTimer_->SetEnabled(true);
        return;
    }
    if (!session_.CanStakeSpin()) {
        StopAutoplay(AutoplayStop::NoBet);
        return;
    }
    Spin();
}

void CabinetWindow::AfterAutoplaySpin() {
    if (!autoplay_.running())
        return;
    const SessionState& game = session_.state();
    if (const auto stop =
            autoplay_.AfterSpin(game.gamePaid, session_.bonusTriggered(), game.account))
        StopAutoplay(*stop);
}

void CabinetWindow::AfterAutoplayBonus() {
    const SessionState& game = session_.state();
    if (const auto stop = autoplay_.AfterBonus(game.gamePaid, game.account))
        StopAutoplay(*stop);
}

SpinCycle::BonusOpener CabinetWindow::WithAutoplayCard(SpinCycle::BonusOpener open) {
    return [this, open = std::move(open)](const BingoGame& game, std::optional<int> card,
                                          bool quickPlay, SpinCycle::BonusEvents events) {
        const std::optional<PendingBonus>& pending = session_.pendingBonus();
        if (!card && autoplay_.bonusChoice() && pending && pending->seed) {
            card =
                AutoplayBonusCard(*autoplay_.bonusChoice(), options_.lastBonusCard, *pending->seed);
        } else if (!card) {
            // Only a card the player chose is the one "my last card" plays again.
            events.chosen = [this, chosen = std::move(events.chosen)](int chosenCard) {
                chosen(chosenCard);
                if (options_.lastBonusCard != chosenCard) {
                    options_.lastBonusCard = chosenCard;
                    SaveOptions();
                }
            };
        }
        open(game, card, quickPlay, std::move(events));
    };
}

void CabinetWindow::StopAutoplay(AutoplayStop why) {
    autoplayTimer_->SetEnabled(false);
    const bool wasRunning = autoplay_.running();
    autoplay_.Stop(why);
    ShowAutoplayCommand();
    if (!(wasRunning || why != AutoplayStop::Player) || !cycle_)
        return;
    // A win on show keeps the strip, as its next frame writes over it, so a limit the player set
    // is told over the meters instead; otherwise the strip says why autoplay ended.
    const bool winOnShow = session_.state().spin.winCursor >= 0;
    if (!winOnShow)
        painter_->WriteMessage(AutoplayStopText(why).toStdString());
    else if (why != AutoplayStop::Player && why != AutoplayStop::Finished)
        ShowNotice(AutoplayStopText(why));
}

void CabinetWindow::ShowAutoplayCommand() {
    autoplayAction_->setText(autoplay_.running() ?
                                                 //: Menu item: ends the autoplay run under way
                                 tr("Stop &Autoplay")
                                                 //: Menu item: opens the autoplay window
                                                 : tr("&Autoplay\u2026"));
}

}  // namespace quillane
