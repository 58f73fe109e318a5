#include <QAction>
#include <QApplication>

#include "ui/autoplay_dialog.h"
#include "ui/cabinet_window.h"

namespace quillane {

bool CabinetWindow::InterruptWith(bool skipInput) {
    if (autoplay_.running()) {
        StopAutoplay(AutoplayStop::Player);
        return true;
    }
    if (busy_ && skipInput && options_.quickPlay && cycleDepth_ > 0) {
        skip_ = true;
        return true;
    }
    return false;
}

void CabinetWindow::AutoplayCommand() {
    if (autoplay_.running()) {
        StopAutoplay(AutoplayStop::Player);
        return;
    }
    AutoplayDialog dialog(options_.autoplay, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    options_.autoplay = dialog.plan();
    SaveOptions();
    RunAutoplay(options_.autoplay);
}

void CabinetWindow::RunAutoplay(std::optional<AutoplayPlan> plan) {
    if (!plan) {
        StopAutoplay(AutoplayStop::Player);
        return;
    }
    autoplay_.Start(*plan);
    autoplayAction_->setText(QStringLiteral("Stop &Autoplay"));
    AutoplayNext();
}

void CabinetWindow::AutoplayNext() {
    autoplayTimer().SetEnabled(false);
    if (!autoplay_.running())
        return;
    // A spin, the bonus game or a window of the player's comes first; autoplay waits for it.
    if (busy_ || cycleDepth_ > 0 || bonusLaunchTimer().enabled() ||
        QApplication::activeModalWidget() != nullptr) {
        autoplayTimer().SetEnabled(true);
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
            autoplay_.AfterSpin(game.gamePaid, session_.bonusTriggered(), game.account.credits)) {
        StopAutoplay(*stop);
        return;
    }
    autoplayTimer().SetEnabled(true);
}

void CabinetWindow::StopAutoplay(AutoplayStop why) {
    autoplayTimer().SetEnabled(false);
    const bool wasRunning = autoplay_.running();
    autoplay_.Stop(why);
    autoplayAction_->setText(QString::fromUtf8("&Autoplay\u2026"));
    // A win on show keeps the strip; otherwise it says why autoplay ended.
    if ((wasRunning || why != AutoplayStop::Player) && !winDisplayTimer().enabled() && painter_)
        painter_->WriteMessage(AutoplayStopText(why));
}

}  // namespace quillane
