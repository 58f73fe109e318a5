// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cabinet/spin_cycle.h"

#include <algorithm>

#include "core/counters.h"
#include "core/paylines.h"
#include "ui/durations.h"

namespace quillane {
namespace {

// Whether tick `a` comes before tick `b`, the count wrapping round after 49 days.
bool Before(std::uint32_t a, std::uint32_t b) {
    return static_cast<std::int32_t>(a - b) < 0;
}

}  // namespace

SpinCycle::SpinCycle(Parts parts)
    : parts_(std::move(parts)),
      reels_(parts_.painter, parts_.audio, parts_.pictures),
      display_(parts_.painter, parts_.session),
      timer_(parts_.clock.NewTimer(1, false, [this] { OnTimer(); })) {}

SpinCycle::~SpinCycle() {
    timer_->SetEnabled(false);
}

void SpinCycle::Arm() {
    std::optional<std::uint32_t> next = stepAt_;
    if (frameAt_ && (!next || Before(*frameAt_, *next)))
        next = frameAt_;
    if (holds_ > 0 || !next) {
        timer_->SetEnabled(false);
        return;
    }
    const auto delay = static_cast<std::int32_t>(*next - Now());
    timer_->SetInterval(std::max(1, delay));
    timer_->SetEnabled(true);
}

void SpinCycle::OnTimer() {
    if (holds_ > 0)
        return;
    const std::uint32_t now = Now();
    // What is due runs in the order of its deadlines; the phase goes first on a tie.
    for (;;) {
        const bool stepDue = stepAt_ && !Before(now, *stepAt_);
        const bool frameDue = frameAt_ && !Before(now, *frameAt_);
        if (stepDue && (!frameDue || !Before(*frameAt_, *stepAt_))) {
            stepAt_.reset();
            Step();
        } else if (frameDue) {
            frameAt_ = *frameAt_ + durations::kWinDisplayTickMs;
            if (!Before(now, *frameAt_))
                frameAt_ = now + durations::kWinDisplayTickMs;
            display_.Frame();
        } else {
            break;
        }
    }
    Arm();
}

void SpinCycle::Step() {
    switch (phase_) {
        case Phase::Reels:
            ReelTick();
            break;
        case Phase::WinSound:
        case Phase::CountUp:
            CountStep();
            break;
        case Phase::BonusLaunch:
            LaunchBonus();
            break;
        case Phase::Idle:
        case Phase::BonusOpen:
            break;
    }
}

void SpinCycle::DrawButtons(bool ready) {
    parts_.painter.DrawButton(CabinetPainter::Button::BetMax, ready);
    parts_.painter.DrawButton(CabinetPainter::Button::Spin, ready);
}

void SpinCycle::Start() {
    if (phase_ != Phase::Idle)
        return;
    StopPresenting();
    CabinetPainter& painter = parts_.painter;
    painter.ClearMessageStrip();
    painter.DrawLineMarkers();
    painter.RestoreReelEdges();
    DrawButtons(false);
    painter.RestoreBadgeArea();
    painter.RedrawMeters();
    const bool still = parts_.reduceMotion();
    // Still reels stand on the last spin's stops until each stops again, without its marks.
    if (still) {
        for (int r = 0; r < kReelCount; ++r)
            painter.DrawReel(r);
    }
    const SpinDraw draw = parts_.session.PlaySpin(parts_.pictures.geometry().motionHeight);
    reels_.Begin(draw.motionOffsets, still);
    display_.SetSteady(still);
    phase_ = Phase::Reels;
    spinOpen_ = true;
    payingBonus_ = false;
    skip_ = false;
    // Still reels have nothing to show before the first one stops.
    tick_ = still ? ReelAnimation::kStopTick - 1 : 0;
    stepAt_ = Now() + (parts_.quickPlay() ? durations::kQuickReelTickMs : durations::kReelTickMs);
    Arm();
}

void SpinCycle::ReelTick() {
    // The outcome is shown only once it is stored; until then the reels go on turning.
    if ((skip_ || tick_ + 1 >= ReelAnimation::kStopTick) && !parts_.session.Written()) {
        reels_.Tick(std::min(tick_, ReelAnimation::kStopTick - 1));
        stepAt_ = Now() + durations::kStoreCheckMs;
        return;
    }
    if (skip_) {
        parts_.audio.Play(Sound::ReelStop);
        EndReels();
        return;
    }
    if (tick_ == ReelAnimation::kTicks) {
        EndReels();
        return;
    }
    reels_.Tick(++tick_);
    stepAt_ = Now() + (parts_.quickPlay() ? durations::kQuickReelTickMs : durations::kReelTickMs);
}

void SpinCycle::EndReels() {
    reels_.Finish();
    skip_ = false;
    display_.Restart();
    const SpinResult& spin = parts_.session.state().spin;
    for (int p = 1; p <= kPaylineCount; ++p)
        parts_.painter.DrawLineMarker(p, false);
    for (int p = 1; p <= kPaylineCount; ++p) {
        if (spin.lineWon[static_cast<std::size_t>(p - 1)])
            parts_.painter.DrawLineMarker(p, true);
    }
    StartPresenting();
    if (spin.winToPay == 0) {
        EndSpin();
        return;
    }
    PayOut(0);
}

void SpinCycle::PayOut(std::int32_t paidBefore) {
    paid_ = paidBefore;
    const auto length = static_cast<std::uint32_t>(parts_.audio.PlayWin().count());
    if (length == 0) {
        CountStep();
        return;
    }
    phase_ = Phase::WinSound;
    stepAt_ = Now() + length;
}

void SpinCycle::CountStep() {
    phase_ = Phase::CountUp;
    // Quick play pays the whole win at once, with one count sound; a skip pays what is left.
    const bool all = skip_ || parts_.quickPlay() || parts_.reduceMotion();
    const std::int32_t step = parts_.session.PayStep(all);
    if (step == 0) {
        EndCountUp();
        return;
    }
    paid_ = SaturatingAdd(paid_, step);
    parts_.audio.Play(Sound::Count);
    parts_.painter.DrawCreditsMeter();
    parts_.painter.DrawWinningsMeter(paid_);
    if (all) {
        EndCountUp();
        return;
    }
    stepAt_ = Now() + durations::kCountUpStepMs;
}

void SpinCycle::EndCountUp() {
    skip_ = false;
    if (payingBonus_) {
        Settle();
        return;
    }
    EndSpin();
}

void SpinCycle::EndSpin() {
    parts_.session.EndSpin();
    spinOpen_ = false;
    DrawButtons(true);
    const bool bonus = parts_.session.bonusTriggered();
    // The win display gives way to the bonus game before anyone is told the spin has ended.
    if (bonus)
        StopPresenting();
    if (spinEnded_)
        spinEnded_();
    if (!bonus) {
        Settle();
        return;
    }
    parts_.audio.Play(Sound::Bonus);
    phase_ = Phase::BonusLaunch;
    stepAt_ = Now() + durations::kBonusLaunchMs;
}

void SpinCycle::ResumeBonus() {
    if (phase_ != Phase::Idle || !parts_.session.pendingBonus())
        return;
    phase_ = Phase::BonusLaunch;
    payingBonus_ = false;
    stepAt_ = Now() + durations::kBonusLaunchMs;
    Arm();
}

void SpinCycle::LaunchBonus() {
    if (!bonusGame_) {
        bonusGame_ = parts_.session.DealBonusGame(parts_.timeOfDaySeed());
        bonusPayout_ = 0;
    }
    // The cards are shown only once the seed they were dealt from is stored.
    if (!parts_.session.Written()) {
        stepAt_ = Now() + durations::kStoreCheckMs;
        return;
    }
    phase_ = Phase::BonusOpen;
    const int round = ++bonusRound_;
    const auto current = [this, round] {
        return round == bonusRound_ && phase_ == Phase::BonusOpen;
    };
    BonusEvents events{
        [this, current](int card) {
            if (current())
                parts_.session.ChooseBonusCard(card);
        },
        [this, current] {
            if (current() && parts_.session.pendingBonus())
                bonusPayout_ = parts_.session.SettleBonus();
        },
        [this, current] {
            if (current())
                BonusClosed();
        },
    };
    const std::optional<PendingBonus>& pending = parts_.session.pendingBonus();
    if (openBonus_) {
        // A copy: the window may close, and the game be dropped here, before the call returns.
        const BingoGame game = *bonusGame_;
        openBonus_(game, pending ? pending->card : std::nullopt, parts_.quickPlay(), events);
    } else {
        events.closed();
    }
}

void SpinCycle::BonusClosed() {
    // A window closed without telling of its blackout still pays what the game pays.
    if (parts_.session.pendingBonus())
        bonusPayout_ = parts_.session.SettleBonus();
    bonusGame_.reset();
    StartPresenting();
    const std::int32_t previous = parts_.session.ApplyBonusWin(bonusPayout_);
    payingBonus_ = true;
    if (bonusPayout_ > 0)
        PayOut(previous);
    else
        Settle();
    Arm();
}

void SpinCycle::Settle() {
    phase_ = Phase::Idle;
    stepAt_.reset();
    payingBonus_ = false;
    bonusGame_.reset();
    if (settled_)
        settled_();
}

void SpinCycle::Abandon() {
    ++bonusRound_;
    if (phase_ == Phase::Reels)
        reels_.Finish();
    if (spinOpen_) {
        parts_.session.EndSpin();
        spinOpen_ = false;
    }
    if (phase_ != Phase::Idle)
        DrawButtons(true);
    phase_ = Phase::Idle;
    stepAt_.reset();
    skip_ = false;
    payingBonus_ = false;
    bonusGame_.reset();
    Arm();
}

bool SpinCycle::Skip() {
    if (phase_ != Phase::Reels && phase_ != Phase::WinSound && phase_ != Phase::CountUp)
        return false;
    // Taken at the phase's next step; the win sound's wait is cut to nothing.
    skip_ = true;
    if (phase_ == Phase::WinSound) {
        stepAt_ = Now();
        Arm();
    }
    return true;
}

void SpinCycle::Hold() {
    if (holds_++ == 0)
        heldAt_ = Now();
    Arm();
}

void SpinCycle::Release() {
    if (holds_ == 0 || --holds_ > 0)
        return;
    const std::uint32_t held = Now() - heldAt_;
    if (stepAt_)
        *stepAt_ += held;
    if (frameAt_)
        *frameAt_ += held;
    Arm();
}

void SpinCycle::StartPresenting() {
    if (!frameAt_)
        frameAt_ = Now() + durations::kWinDisplayTickMs;
    Arm();
}

void SpinCycle::StopPresenting() {
    frameAt_.reset();
    Arm();
}

void SpinCycle::FollowLayout() {
    if (phase_ == Phase::Reels)
        reels_.FollowLayout();
}

}  // namespace quillane
