#include <chrono>

#include "core/counters.h"
#include "core/spin_record.h"
#include "ui/cabinet_window.h"
#include "ui/history_window.h"

namespace quillane {

void CabinetWindow::RecordSpinInHistory() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    history_->Add(RecordSpin(session_.state(),
                             std::chrono::duration_cast<std::chrono::seconds>(now).count()));
}

void CabinetWindow::RecordBonusInHistory(const BingoGame& dealt, std::optional<int> card) {
    const SessionState& state = session_.state();
    // The bonus win waits to be counted up; the balance counts it as paid.
    history_->AttachBonus(RecordBonus(dealt, card, state.bonusWin),
                          SaturatingAdd(state.account.credits, state.spin.winToPay));
}

void CabinetWindow::ShowHistory() {
    HistoryWindow window(history_->records(), pictures_->symbolSheet, cabinetGeometry().cellSize,
                         history_->problem(), this);
    window.exec();
}

}  // namespace quillane
