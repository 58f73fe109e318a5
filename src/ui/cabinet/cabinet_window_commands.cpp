// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDialog>

#include "platform/notice_text.h"

#include "ui/account/borrow_window.h"
#include "ui/account/history_window.h"
#include "ui/account/slot_dialog.h"
#include "ui/account/statistics_window.h"
#include "ui/bonus/bonus_game_window.h"
#include "ui/cabinet/cabinet_window.h"
#include "ui/chart/payoff_chart.h"
#include "ui/widgets/refusal_text.h"

namespace quillane {

void CabinetWindow::ShowDialog(QDialog* dialog, std::function<void(int result)> done) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    cycle_->Hold();
    connect(dialog, &QDialog::finished, this, [this, done = std::move(done)](int result) {
        if (done)
            done(result);
        cycle_->Release();
    });
    dialog->open();
}

void CabinetWindow::OpenBonusWindow(const BingoGame& game, std::optional<int> card, bool quickPlay,
                                    SpinCycle::BonusEvents events) {
    auto* bonus = new BonusGameWindow(
        game, env_.clock, [audio = audio_.get()](Sound effect) { audio->Play(effect); }, this,
        quickPlay);
    bonus->setAttribute(Qt::WA_DeleteOnClose);
    bonus->SetSteady(options_.reduceMotion);
    bonus->SetHighContrast(options_.highContrast);
    bonus->OnCardChosen(std::move(events.chosen));
    bonus->OnBlackout(std::move(events.blackout));
    bonus->OnHelp([this] { ShowWindowHelp(); });
    connect(bonus, &QDialog::finished, this,
            [closed = std::move(events.closed)](int) { closed(); });
    bonus->setGeometry(env_.screen.Info().available);
    bonus->setWindowState(bonus->windowState() | Qt::WindowMaximized);
    bonusWindow_ = bonus;
    // Shown from the next turn of the event loop: making the window and laying it out at its
    // size are each a few milliseconds, and apart they hold up nothing else for long.
    QMetaObject::invokeMethod(
        bonus,
        [bonus, card] {
            bonus->open();
            // Interrupted after the card was chosen: the game goes on with it.
            if (card)
                bonus->ChooseCard(*card);
        },
        Qt::QueuedConnection);
}

void CabinetWindow::RunSlotDialog(int mode) {
    std::array<SavedGame, kSavedSlotCount> games;
    for (int slot = 0; slot < kSavedSlotCount; ++slot)
        games[static_cast<std::size_t>(slot)] = session_.ReadSlot(slot);
    auto* dialog = new SlotDialog(static_cast<SlotDialog::Mode>(mode), games,
                                  QString::fromStdString(settings_.productName), env_.messages,
                                  help_.get(), this);
    ShowDialog(dialog, [this, dialog, mode](int) {
        const auto& choice = dialog->choice();
        if (mode == SlotDialog::kSave) {
            // The slot takes the game as it is stored: a spin under way counts whole.
            if (choice) {
                if (auto refusal = session_.Store(choice->slot, choice->name))
                    env_.messages.Error(RefusalText(*refusal).toStdString());
            }
            return;
        }
        if (choice) {
            StopAutoplay(AutoplayStop::Player);
            cycle_->Abandon();
            ReplaceAccount([this, slot = choice->slot] { session_.Open(slot); });
        }
        Redraw();
    });
}

void CabinetWindow::BorrowCommand() {
    ShowDialog(new BorrowWindow(session_, pictures_->digitsSmall, pictures_->greenSmall,
                                env_.messages, help_.get(), this),
               [this](int) { Redraw(); });
}

void CabinetWindow::ShowStatistics() {
    const BetSettings& bet = session_.state().settings;
    ShowDialog(new StatisticsWindow(session_.TakeStatistics(),
                                    ComputeTheoreticalReturn(bet.linesBet, bet.creditsPerLine),
                                    history().Balances(), this));
}

void CabinetWindow::ShowPayoffChart() {
    auto* chart = new PayoffChart(
        cabinetGeometry().layoutWidth, pictures_->symbolSheet, cabinetGeometry().cellSize,
        env_.screen.Info().available,
        [this](int topic) {
            if (help_)
                help_->ShowTopic(topic);
        },
        this);
    const BetSettings& bet = session_.state().settings;
    chart->ShowReturn(ComputeTheoreticalReturn(bet.linesBet, bet.creditsPerLine));
    ShowDialog(chart);
}

void CabinetWindow::ShowHistory() {
    std::optional<std::string> problem;
    if (const auto notice = env_.ledger.historyProblem())
        problem = NoticeText(*notice).toStdString();
    ShowDialog(new HistoryWindow(history().records(), pictures_->symbolSheet,
                                 cabinetGeometry().cellSize, problem, this));
}

}  // namespace quillane
