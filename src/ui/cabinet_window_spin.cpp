#include <QTimer>

#include "core/betting.h"
#include "core/count_up.h"
#include "core/counters.h"
#include "core/paytable.h"
#include "core/spin_draw.h"
#include "ui/bonus_game_window.h"
#include "ui/cabinet_layout.h"
#include "ui/cabinet_window.h"
#include "ui/durations.h"

namespace quillane {
namespace {

constexpr int kAnimationTicks = 47;
constexpr int kReelPhaseStep = 6;  // each reel stops this many ticks after the one before
constexpr int kStopPhase = 21;
// How far the work picture of a stopped reel stands below its rest, phase by phase.
constexpr int kBounce[] = {1, 2, 1, 0, -1, -2, -1};

}  // namespace

void CabinetWindow::RunCycle(const std::function<void()>& cycle) {
    ++cycleDepth_;
    cycle();
    --cycleDepth_;
    if (cycleDepth_ == 0 && closeRequested_) {
        closeRequested_ = false;
        // Deferred: this may run inside a timer or a click that Qt is still delivering.
        QTimer::singleShot(0, this, [this] { close(); });
    }
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
        env_.messages.Inform(std::string(kNoBetMessage));
        return;
    }
    RunCycle([this] {
        winDisplayTimer().SetEnabled(false);
        painter_->ClearMessageStrip();
        busy_ = true;
        painter_->DrawLineMarkers();
        painter_->RestoreReelEdges();
        painter_->DrawButton(CabinetPainter::Button::BetMax, false);
        painter_->DrawButton(CabinetPainter::Button::Spin, false);
        painter_->RestoreBadgeArea();
        painter_->RedrawMeters();
        SpinReels();
        EvaluateSpin();
        session_.EndSpin();
        recentCredits_.push_back(session_.state().account.credits);
        if (recentCredits_.size() > kRecentCreditsKept)
            recentCredits_.pop_front();
        busy_ = false;
        painter_->DrawButton(CabinetPainter::Button::BetMax, true);
        painter_->DrawButton(CabinetPainter::Button::Spin, true);
    });
    Relayout();
}

void CabinetWindow::SpinReels() {
    busy_ = true;
    int motionHeight = cabinetGeometry().motionHeight;
    const SpinDraw draw = session_.StartReels(motionHeight);
    std::array<int, kReelCount> offsets = draw.motionOffsets;
    // Each stopped reel's column, redrawn up and down as it settles.
    std::array<QImage, kReelCount> work;
    closing_ = false;
    auto drawWork = [&](int r, int dy) {
        QImage& column = work[static_cast<std::size_t>(r)];
        if (column.isNull())
            column = painter_->CopyReel(r);
        painter_->DrawReelPicture(r, column, dy);
    };
    // The window may be resized while the reels turn: they go on at the new size.
    int generation = layoutGeneration_;
    auto followLayout = [&] {
        if (generation == layoutGeneration_)
            return;
        generation = layoutGeneration_;
        const int height = cabinetGeometry().motionHeight;
        for (int& offset : offsets)
            offset = static_cast<int>(static_cast<long long>(offset) * height / motionHeight);
        motionHeight = height;
        for (QImage& column : work) {
            if (!column.isNull())
                column = QImage();
        }
    };

    int t = 0;
    std::uint32_t last = env_.clock.TickCount();
    while (t < kAnimationTicks) {
        if (closing_)
            break;
        if (env_.clock.TickCount() - last >= durations::kReelTickMs) {
            last = env_.clock.TickCount();
            ++t;
            followLayout();
            for (int r = 0; r < kReelCount && !closing_; ++r) {
                const int p = t - kReelPhaseStep * r;
                auto& offset = offsets[static_cast<std::size_t>(r)];
                if (p <= kStopPhase - 1) {
                    painter_->DrawReelMotion(r, offset);
                    offset -= cabinetGeometry().Scale(cabinet_layout::kReelStep);
                    if (offset < 0)
                        offset += motionHeight;
                } else if (p == kStopPhase) {
                    audio_->Play(Sound::ReelStop);
                    painter_->DrawReel(r);
                } else if (p == kStopPhase + 1) {
                    work[static_cast<std::size_t>(r)] = QImage();
                    drawWork(r, kBounce[0]);
                } else if (p >= kStopPhase + 2 && p <= kStopPhase + 7) {
                    drawWork(r, kBounce[p - kStopPhase - 1]);
                } else if (p == kStopPhase + 8) {
                    drawWork(r, 0);
                    painter_->DrawReel(r);
                }
            }
        }
        if (closing_)
            break;
        env_.clock.WaitUntil(last + durations::kReelTickMs);
    }
    for (int r = 0; r < kReelCount; ++r)
        painter_->DrawReel(r);
}

void CabinetWindow::EvaluateSpin() {
    cursorTicks_ = 0;
    for (int p = 1; p <= kPaylineCount; ++p)
        painter_->DrawLineMarker(p, false);
    const SpinResult& spin = session_.Score();
    for (int p = 1; p <= kPaylineCount; ++p) {
        if (spin.lineWon[static_cast<std::size_t>(p - 1)])
            painter_->DrawLineMarker(p, true);
    }

    winDisplayTimer().SetEnabled(true);
    if (spin.winToPay == 0)
        return;
    if (!closing_)
        audio_->PlayWin(true);
    CountUpWin(0);
    if (session_.bonusTriggered() && !closing_) {
        audio_->Play(Sound::Bonus);
        winDisplayTimer().SetEnabled(false);
        bonusLaunchTimer().SetEnabled(true);
    }
}

void CabinetWindow::CountUpWin(std::int32_t paid) {
    busy_ = true;
    // Closing pays the rest at once: the game is stored as soon as the cycle ends.
    while (const std::int32_t step = session_.PayStep(closing_)) {
        paid = SaturatingAdd(paid, step);
        if (!closing_)
            audio_->Play(Sound::Count);
        painter_->DrawCreditsMeter();
        painter_->DrawWinningsMeter(paid);
        if (!closing_)
            Pause(durations::kCountUpStepMs);
    }
    busy_ = false;
}

void CabinetWindow::Pause(std::uint32_t ms) {
    env_.clock.WaitUntil(env_.clock.TickCount() + ms);
}

void CabinetWindow::PlayBonusGame() {
    BingoGame game = session_.DealBonusGame(env_.timeOfDaySeed());
    if (bonusPlayer_) {
        session_.ApplyBonusWin(bonusPlayer_(game));
        return;
    }
    BonusGameWindow bonus(
        std::move(game), env_.clock, [audio = audio_.get()](Sound effect) { audio->Play(effect); },
        this);
    bonus.setGeometry(env_.screen.Info().available);
    bonus.setWindowState(bonus.windowState() | Qt::WindowMaximized);
    bonus.exec();
    session_.ApplyBonusWin(bonus.payout());
}

void CabinetWindow::OpenBonusGame() {
    bonusLaunchTimer().SetEnabled(false);
    RunCycle([this] {
        const std::int32_t previous = session_.state().gamePaid;
        PlayBonusGame();
        winDisplayTimer().SetEnabled(true);
        if (session_.state().bonusWin > 0) {
            if (!closing_)
                audio_->PlayWin(true);
            CountUpWin(previous);
        }
        // The bonus game's payout belongs to the spin that opened it.
        if (!recentCredits_.empty())
            recentCredits_.back() = session_.state().account.credits;
    });
}

}  // namespace quillane
