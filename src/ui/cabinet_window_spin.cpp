#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "core/betting.h"
#include "core/count_up.h"
#include "core/counters.h"
#include "core/paytable.h"
#include "core/spin_draw.h"
#include "ui/bonus_game_window.h"
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
    if (trackIndex_ >= kPendingTrack)
        StartPendingTrack();
    const SessionState before = session_.state();
    const bool staked = session_.StakeSpin();
    if (session_.state().bet != before.bet) {
        DrawCreditsMeter();
        DrawCoinsMeter();
    }
    if (!staked) {
        env_.messages.Inform(std::string(kNoBetMessage));
        return;
    }
    RunCycle([this] {
        winDisplayTimer().SetEnabled(false);
        ClearMessageStrip();
        busy_ = true;
        DrawLineMarkers();
        RestoreReelEdges();
        DrawCabinetButton(CabinetButton::BetMax, false);
        DrawCabinetButton(CabinetButton::Spin, false);
        RestoreBadgeArea();
        RedrawMeters();
        SpinReels();
        EvaluateSpin();
        session_.EndSpin();
        busy_ = false;
        DrawCabinetButton(CabinetButton::BetMax, true);
        DrawCabinetButton(CabinetButton::Spin, true);
    });
    Relayout();
}

void CabinetWindow::SpinReels() {
    busy_ = true;
    const SpinDraw draw = session_.StartReels(motionHeight_);
    std::array<int, kReelCount> offsets = draw.motionOffsets;
    const int c = cellSize_;
    const int workHeight = 3 * c - 8;
    std::array<QImage, kReelCount> work;
    closing_ = false;

    auto columnLeft = [this](int r) { return reelLeft_ + r * reelPitch_; };
    auto drawWork = [&](int r, int dy) {
        canvas_.SetCopyMode(Canvas::CopyMode::Copy);
        canvas_.Draw(QRect(columnLeft(r), reelTop_ + dy, c, workHeight),
                     work[static_cast<std::size_t>(r)], work[static_cast<std::size_t>(r)].rect());
    };

    int t = 0;
    std::uint32_t last = env_.clock.TickCount();
    while (t < kAnimationTicks) {
        if (closing_)
            break;
        if (env_.clock.TickCount() - last >= durations::kReelTickMs) {
            last = env_.clock.TickCount();
            ++t;
            for (int r = 0; r < kReelCount && !closing_; ++r) {
                const int p = t - kReelPhaseStep * r;
                auto& offset = offsets[static_cast<std::size_t>(r)];
                if (p <= kStopPhase - 1) {
                    DrawReelMotion(r, offset);
                    offset -= ScaleToScreen(61);
                    if (offset < 0)
                        offset += motionHeight_;
                } else if (p == kStopPhase) {
                    PlayReelStopSound();
                    DrawReel(r);
                } else if (p == kStopPhase + 1) {
                    work[static_cast<std::size_t>(r)] =
                        surface_.copy(columnLeft(r), reelTop_, c, workHeight);
                    drawWork(r, kBounce[0]);
                } else if (p >= kStopPhase + 2 && p <= kStopPhase + 7) {
                    drawWork(r, kBounce[p - kStopPhase - 1]);
                } else if (p == kStopPhase + 8) {
                    drawWork(r, 0);
                    DrawReel(r);
                }
            }
        }
        if (closing_)
            break;
        env_.clock.WaitUntil(last + durations::kReelTickMs);
    }
    for (int r = 0; r < kReelCount; ++r)
        DrawReel(r);
}

void CabinetWindow::EvaluateSpin() {
    cursorTicks_ = 0;
    for (int p = 1; p <= kPaylineCount; ++p)
        DrawLineMarker(p, false);
    const SpinResult& spin = session_.Score();
    for (int p = 1; p <= kPaylineCount; ++p) {
        if (spin.lineWon[static_cast<std::size_t>(p - 1)])
            DrawLineMarker(p, true);
    }

    winDisplayTimer().SetEnabled(true);
    if (spin.winToPay == 0)
        return;
    if (!closing_)
        PlayWinSound(true);
    CountUpWin(0);
    if (session_.bonusTriggered() && !closing_) {
        PlayBonusSound();
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
            PlayCountSound();
        DrawCreditsMeter();
        DrawWinningsMeter(paid);
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
        std::move(game), env_.clock, [this](Sound effect) { PlayEffect(effect); }, this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        bonus.setGeometry(screen->availableGeometry());
    }
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
                PlayWinSound(true);
            CountUpWin(previous);
        }
    });
}

}  // namespace quillane
