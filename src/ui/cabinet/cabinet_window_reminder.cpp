// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QStatusBar>

#include "ui/access/accessibility.h"
#include "ui/cabinet/cabinet_layout.h"
#include "ui/cabinet/cabinet_view.h"
#include "ui/cabinet/cabinet_window.h"
#include "ui/cabinet/reminder_notice.h"
#include "ui/cabinet/reminder_window.h"
#include "ui/durations.h"
#include "ui/options/reminder_dialog.h"
#include "ui/widgets/reminder_text.h"

namespace quillane {

const QLabel* CabinetWindow::reminderNotice() const {
    return reminderNotice_;
}

void CabinetWindow::ReminderCommand() {
    auto* dialog = new ReminderDialog(options_.reminderMinutes, options_.reminderStyle, this);
    ShowDialog(dialog, [this, dialog](int result) {
        if (result != QDialog::Accepted)
            return;
        options_.reminderMinutes = dialog->minutes();
        options_.reminderStyle = dialog->style();
        SaveOptions();
        ApplyReminder();
    });
}

void CabinetWindow::ApplyReminder() {
    reminder_->SetInterval(options_.reminderMinutes, env_.clock.TickCount());
    ScheduleReminder();
    ShowSessionClock();
}

void CabinetWindow::ScheduleReminder() {
    if (reminder_->interval() == 0) {
        reminderTimer_->SetEnabled(false);
        return;
    }
    const auto dueIn = reminder_->DueIn(env_.clock.TickCount());
    reminderTimer_->SetInterval(static_cast<int>(std::max<std::int64_t>(1, dueIn)));
    reminderTimer_->SetEnabled(true);
}

bool CabinetWindow::RemindIfDue() {
    const std::uint32_t now = env_.clock.TickCount();
    if (!reminder_->Due(now)) {
        ScheduleReminder();
        return false;
    }
    // Given between spins, over no other window, so that its figures are the meters' own.
    if (busy() || ending_ != Ending::Playing || QApplication::activeModalWidget() != nullptr) {
        reminderTimer_->SetInterval(durations::kReminderRetryMs);
        reminderTimer_->SetEnabled(true);
        return false;
    }
    const QString text =
        ReminderText(reminder_->MinutesPlayed(now), reminder_->Net(session_.settled().account));
    reminder_->Given(now);
    ScheduleReminder();
    if (options_.reminderStyle == ReminderStyle::Window) {
        ShowReminderWindow(text);
        return true;
    }
    ShowNotice(text);
    return true;
}

void CabinetWindow::ShowNotice(const QString& text) {
    if (reminderNotice_ == nullptr)
        reminderNotice_ = new ReminderNotice(view_);
    reminderNotice_->Show(
        text, std::max(1, cabinetGeometry().Scale(cabinet_layout::kReminderTextHeight)));
    PlaceReminderNotice();
    noticeTimer_->SetEnabled(false);
    noticeTimer_->SetEnabled(true);
    Announce(view_, text);
}

void CabinetWindow::ShowReminderWindow(const QString& text) {
    auto* window = new ReminderWindow(text, autoplay_.running(), this);
    ShowDialog(window, [this](int result) {
        if (result == ReminderWindow::kStopAutoplay)
            StopAutoplay(AutoplayStop::Player);
    });
}

void CabinetWindow::PlaceReminderNotice() {
    if (reminderNotice_ == nullptr || !created_)
        return;
    const design_grid::Box panel = design_grid::kMeterPanel;
    const CabinetGeometry& g = cabinetGeometry();
    reminderNotice_->Place(QRect(QPoint(g.Scale(panel.left), g.Scale(panel.top)),
                                 QPoint(g.Scale(panel.right) - 1, g.Scale(panel.bottom) - 1)));
}

void CabinetWindow::ShowSessionClock() {
    const bool on = reminder_->interval() > 0;
    if (!on && sessionClock_ == nullptr)
        return;
    if (sessionClock_ == nullptr) {
        sessionClock_ = new QLabel(this);
        sessionClock_->setObjectName(QStringLiteral("sessionClock"));
        statusBar()->addPermanentWidget(sessionClock_);
    }
    const std::uint32_t now = env_.clock.TickCount();
    // A permanent widget, changed once a minute, so that assistive technology hears no stream of
    // news from it and the message strip's announcements stay its own.
    sessionClock_->setText(SessionClockText(reminder_->MinutesPlayed(now)));
    statusBar()->setVisible(on);
    sessionClockTimer_->SetInterval(static_cast<int>(reminder_->ToNextMinute(now)));
    sessionClockTimer_->SetEnabled(on);
    LimitWindowSize();
}

void CabinetWindow::ReplaceAccount(const std::function<void()>& replace) {
    const Account before = session_.settled().account;
    replace();
    reminder_->Replace(before, session_.settled().account);
}

void CabinetWindow::SetRememberBet(bool on) {
    options_.rememberBet = on;
    rememberBetAction_->setChecked(on);
    if (!on || !KeepBet())
        SaveOptions();
}

bool CabinetWindow::KeepBet() {
    const BetSettings& bet = session_.state().settings;
    if (!options_.rememberBet ||
        (options_.betLines == bet.linesBet && options_.betCredits == bet.creditsPerLine))
        return false;
    options_.betLines = bet.linesBet;
    options_.betCredits = bet.creditsPerLine;
    SaveOptions();
    return true;
}

}  // namespace quillane
