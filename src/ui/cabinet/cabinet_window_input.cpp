// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/betting.h"
#include "ui/access/accessibility.h"
#include "ui/access/spoken_results.h"
#include "ui/cabinet/cabinet_keys.h"
#include "ui/cabinet/cabinet_layout.h"
#include "ui/cabinet/cabinet_view.h"
#include "ui/cabinet/cabinet_window.h"
#include "ui/widgets/number_format.h"
#include "ui/widgets/refusal_text.h"

namespace quillane {

void CabinetWindow::Click(int x, int y) {
    namespace layout = cabinet_layout;
    if (InterruptWith(true) || busy())
        return;
    const int w = cabinetGeometry().layoutWidth;
    if (layout::kBetMaxButton.Contains(x, y, w)) {
        BetMax();
    } else if (layout::kSpinButton.Contains(x, y, w)) {
        Spin();
    }
    for (int key = 1; key <= kLastCreditsKey; ++key) {
        if (layout::HitBox(key).Contains(x, y, w))
            PressBetKey(key);
    }
}

void CabinetWindow::PressKey(int key) {
    if (TakeFocusKey(key))
        return;
    const bool spinKey = IsSpinKey(key);
    if (InterruptWith(spinKey) || busy())
        return;
    if (spinKey) {
        Spin();
    } else if (key == kBetMaxKey) {
        BetMax();
    }
}

void CabinetWindow::Refuse(const std::string& refusal) {
    Announce(view_, QString::fromStdString(refusal));
    env_.messages.Inform(refusal);
}

void CabinetWindow::AnnounceSpin(bool settled) {
    const SessionState& game = session_.state();
    if (!settled) {
        Announce(view_, SpinReport(game, session_.bonusTriggered()));
    } else if (session_.bonusTriggered() && game.bonusWin > 0) {
        //: Told to a screen reader once the bonus game is over
        Announce(view_, tr("Bonus game paid %1; game paid %2")
                            .arg(WithThousands(game.bonusWin), WithThousands(game.gamePaid)));
    }
}

bool CabinetWindow::InterruptWith(bool skipInput) {
    if (autoplay_.running()) {
        StopAutoplay(AutoplayStop::Player);
        return true;
    }
    return skipInput && options_.quickPlay && started_ && cycle_->Skip();
}

void CabinetWindow::Spin() {
    audio_->StartPendingTrack();
    const SessionState before = session_.state();
    const bool staked = session_.StakeSpin();
    if (session_.state().bet != before.bet) {
        painter_->DrawCreditsMeter();
        painter_->DrawCoinsMeter(session_.state().bet);
    }
    if (!staked) {
        Refuse(RefusalText(Refusal{Refusal::Kind::NoBet}).toStdString());
        return;
    }
    cycle_->Start();
    if (autoplay_.running())
        painter_->WriteMessage(AutoplayProgressText(autoplay_.spinsLeft()).toStdString());
}

void CabinetWindow::PressBetKey(int key) {
    cycle_->StopPresenting();
    painter_->ClearMessageStrip();
    const BetKeyOutcome outcome = session_.SelectBetKey(key);
    if (outcome.refusal)
        Refuse(RefusalText(*outcome.refusal).toStdString());
    if (!outcome.accepted)
        return;
    ShowBetSelection(key);
    KeepBet();
    if (IsLinesKey(key))
        return;
    session_.StakeShownBet();
    painter_->DrawCoinsMeter(session_.state().bet);
    painter_->DrawCreditsMeter();
    Spin();
}

void CabinetWindow::ShowBetSelection(int key) {
    const bool lines = IsLinesKey(key);
    const int first = lines ? 1 : kFirstCreditsKey;
    for (int k = first; k < first + kLinesKeyCount; ++k)
        painter_->DrawBetLabel(k == key, k);
    if (lines) {
        painter_->RestoreReelEdges();
        for (int r = 0; r < kReelCount; ++r)
            painter_->DrawReel(r);
        for (int p = 1; p <= session_.state().settings.linesBet; ++p)
            painter_->DrawPayline(p);
    }
    painter_->DrawCoinsMeter(session_.shownBet());
    painter_->DrawLineMarkers();
    Refresh(view_);
}

void CabinetWindow::BetMax() {
    cycle_->StopPresenting();
    if (!session_.SelectBetMax())
        return;
    for (int k = 1; k < kLinesKeyCount; ++k)
        painter_->DrawBetLabel(false, k);
    painter_->DrawBetLabel(true, kLinesKeyCount);
    PressBetKey(kLastCreditsKey);
}

void CabinetWindow::StepBet(bool lines, int step) {
    if (busy())
        return;
    const BetSettings& settings = session_.state().settings;
    const int key = (lines ? settings.linesKey : settings.creditsKey) + step;
    const int first = lines ? 1 : kFirstCreditsKey;
    if (key < first || key >= first + kLinesKeyCount)
        return;
    cycle_->StopPresenting();
    painter_->ClearMessageStrip();
    const BetKeyOutcome outcome = session_.SelectBetKey(key);
    if (outcome.refusal)
        Refuse(RefusalText(*outcome.refusal).toStdString());
    if (outcome.accepted) {
        ShowBetSelection(key);
        KeepBet();
    }
}

}  // namespace quillane
