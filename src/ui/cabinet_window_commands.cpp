#include "ui/borrow_window.h"
#include "ui/cabinet_window.h"
#include "ui/payoff_chart.h"
#include "ui/slot_dialog.h"
#include "ui/statistics_window.h"

namespace quillane {

void CabinetWindow::SaveGameCommand() {
    RunSlotDialog(SlotDialog::kSave);
}

void CabinetWindow::OpenGameCommand() {
    StopAutoplay(AutoplayStop::Player);
    RunSlotDialog(SlotDialog::kOpen);
    Redraw();
}

void CabinetWindow::RunSlotDialog(int mode) {
    // The live game waits in the current-game section while the player chooses; it stays in
    // memory all the same, so a refused store loses nothing.
    StoreGame(kCurrentGameSlot, "CurrentGame");
    std::array<SavedGame, kSavedSlotCount> games;
    for (int slot = 0; slot < kSavedSlotCount; ++slot)
        games[static_cast<std::size_t>(slot)] = session_.ReadSlot(slot);
    SlotDialog dialog(static_cast<SlotDialog::Mode>(mode), games,
                      QString::fromStdString(settings_.productName), env_.messages, help_.get(),
                      this);
    dialog.exec();
    const auto& choice = dialog.choice();
    if (!choice)
        return;
    if (mode == SlotDialog::kSave) {
        if (StoreGame(choice->slot, choice->name))
            history_->SaveTo(choice->slot);
    } else if (session_.Open(choice->slot)) {
        history_->OpenFrom(choice->slot);
        StoreGame(kCurrentGameSlot, "CurrentGame");
    }
}

void CabinetWindow::BorrowCommand() {
    {
        BorrowWindow dialog(session_, pictures_->digitsSmall, pictures_->greenSmall, env_.messages,
                            help_.get(), this);
        dialog.exec();
    }
    Redraw();
}

void CabinetWindow::ShowStatistics() {
    const BetSettings& bet = session_.state().settings;
    StatisticsWindow dialog(session_.TakeStatistics(),
                            ComputeTheoreticalReturn(bet.linesBet, bet.creditsPerLine),
                            recentCredits(), this);
    dialog.exec();
}

void CabinetWindow::ShowPayoffChart() {
    PayoffChart chart(
        cabinetGeometry().layoutWidth, pictures_->symbolSheet, cabinetGeometry().cellSize,
        env_.screen.Info().available,
        [this](int topic) {
            if (help_)
                help_->ShowTopic(topic);
        },
        this);
    const BetSettings& bet = session_.state().settings;
    chart.ShowReturn(ComputeTheoreticalReturn(bet.linesBet, bet.creditsPerLine));
    chart.exec();
}

}  // namespace quillane
