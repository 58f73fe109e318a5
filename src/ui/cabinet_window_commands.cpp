#include "ui/borrow_window.h"
#include "ui/cabinet_window.h"
#include "ui/payoff_chart.h"
#include "ui/slot_dialog.h"
#include "ui/statistics_window.h"

namespace quillane {

void CabinetWindow::SaveGameCommand() {
    SlotDialog dialog(*this, SlotDialog::kSave);
    dialog.exec();
}

void CabinetWindow::OpenGameCommand() {
    {
        SlotDialog dialog(*this, SlotDialog::kOpen);
        dialog.exec();
    }
    Redraw();
}

void CabinetWindow::BorrowCommand() {
    {
        BorrowWindow dialog(*this);
        dialog.exec();
    }
    Redraw();
}

void CabinetWindow::ShowStatistics() {
    StatisticsWindow dialog(*this);
    dialog.exec();
}

void CabinetWindow::ShowPayoffChart() {
    PayoffChart chart(*this, [this](int topic) {
        if (help_)
            help_->ShowTopic(topic);
    });
    chart.exec();
}

}  // namespace quillane
