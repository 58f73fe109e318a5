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

namespace quillane {
namespace {

constexpr int kAnimationTicks = 47;
constexpr std::uint32_t kAnimationTickMs = 25;
constexpr int kReelPhaseStep = 6;  // each reel stops this many ticks after the one before
constexpr int kStopPhase = 21;
constexpr double kCountUpStepSeconds = 0.075;
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
    const SpinStake stake = PlaceSpinBet(state_.bet, state_.lastBet, state_.account.credits,
                                         state_.linesBet, state_.creditsPerLine);
    if (stake.bet != state_.bet) {
        state_.bet = stake.bet;
        state_.account.credits = stake.credits;
        DrawCreditsMeter();
        DrawCoinsMeter();
    }
    if (state_.bet <= 0) {
        env_.messages.Inform(std::string(kNoBetMessage));
        return;
    }
    RunCycle([this] {
        winDisplayTimer().SetEnabled(false);
        ClearMessageStrip();
        state_.busy = true;
        DrawLineMarkers();
        RestoreReelEdges();
        DrawCabinetButton(CabinetButton::BetMax, false);
        DrawCabinetButton(CabinetButton::Spin, false);
        RestoreBadgeArea();
        RedrawMeters();
        SpinReels();
        EvaluateSpin();
        state_.lastBet = state_.bet;
        state_.bet = 0;
        state_.busy = false;
        DrawCabinetButton(CabinetButton::BetMax, true);
        DrawCabinetButton(CabinetButton::Spin, true);
    });
    Relayout();
}

void CabinetWindow::SpinReels() {
    state_.busy = true;
    state_.account.totalBets = SaturatingAdd(state_.account.totalBets, state_.bet);
    const SpinDraw draw = DrawSpin(random_, std::max(1, motionHeight_));
    state_.reelStops = draw.stops;
    std::array<int, kReelCount> offsets = draw.motionOffsets;
    const int c = cellSize_;
    const int workHeight = 3 * c - 8;
    std::array<QImage, kReelCount> work;
    state_.closing = false;
    state_.account.spins = SaturatingAdd(state_.account.spins, 1);

    auto columnLeft = [this](int r) { return reelLeft_ + r * reelPitch_; };
    auto drawWork = [&](int r, int dy) {
        canvas_.SetCopyMode(Canvas::CopyMode::Copy);
        canvas_.Draw(QRect(columnLeft(r), reelTop_ + dy, c, workHeight),
                     work[static_cast<std::size_t>(r)], work[static_cast<std::size_t>(r)].rect());
    };

    int t = 0;
    std::uint32_t last = env_.clock.TickCount();
    while (t < kAnimationTicks) {
        if (state_.closing)
            break;
        if (env_.clock.TickCount() - last >= kAnimationTickMs) {
            last = env_.clock.TickCount();
            ++t;
            for (int r = 0; r < kReelCount && !state_.closing; ++r) {
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
        if (state_.closing)
            break;
        env_.clock.WaitUntil(last + kAnimationTickMs);
    }
    for (int r = 0; r < kReelCount; ++r)
        DrawReel(r);
}

void CabinetWindow::EvaluateSpin() {
    state_.spin.lineWon = {};
    state_.gamePaid = 0;
    state_.cursorTicks = 0;
    state_.bonusWin = 0;
    for (int p = 1; p <= kPaylineCount; ++p)
        DrawLineMarker(p, false);
    state_.spin =
        ScoreSpin(state_.reelSymbols, state_.reelStops, state_.linesBet, state_.creditsPerLine);
    for (int p = 1; p <= kPaylineCount; ++p) {
        if (state_.spin.lineWon[static_cast<std::size_t>(p - 1)])
            DrawLineMarker(p, true);
    }
    state_.gamePaid = state_.spin.winToPay;

    winDisplayTimer().SetEnabled(true);
    if (state_.spin.winToPay == 0)
        return;
    if (!state_.closing)
        PlayWinSound(true);
    CountUpWin(0);
    if (state_.spin.ballCount >= kBonusBallCount && !state_.closing) {
        PlayBonusSound();
        winDisplayTimer().SetEnabled(false);
        bonusLaunchTimer().SetEnabled(true);
    }
}

void CabinetWindow::CountUpWin(std::int32_t paid) {
    state_.busy = true;
    while (state_.spin.winToPay > 0) {
        // Closing pays the rest at once: the game is stored as soon as the cycle ends.
        const std::int32_t step =
            state_.closing ? state_.spin.winToPay : CountUpStep(state_.spin.winToPay);
        state_.account.credits = SaturatingAdd(state_.account.credits, step);
        state_.spin.winToPay -= step;
        paid = SaturatingAdd(paid, step);
        if (!state_.closing)
            PlayCountSound();
        DrawCreditsMeter();
        DrawWinningsMeter(paid);
        if (!state_.closing)
            Pause(kCountUpStepSeconds);
    }
    state_.busy = false;
}

void CabinetWindow::Pause(double seconds) {
    const std::uint32_t start = env_.clock.TickCount();
    env_.clock.WaitUntil(start + static_cast<std::uint32_t>(seconds * 1000.0 + 0.5));
}

void CabinetWindow::PlayBonusGame() {
    if (bonusPlayer_) {
        bonusPlayer_();
        return;
    }
    BonusGameWindow bonus(*this, env_.clock);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        bonus.setGeometry(screen->availableGeometry());
    }
    bonus.setWindowState(bonus.windowState() | Qt::WindowMaximized);
    bonus.exec();
}

void CabinetWindow::OpenBonusGame() {
    bonusLaunchTimer().SetEnabled(false);
    RunCycle([this] {
        PlayBonusGame();
        winDisplayTimer().SetEnabled(true);
        const std::int32_t previous = state_.gamePaid;
        state_.spin.winToPay = state_.bonusWin;
        state_.gamePaid = SaturatingAdd(state_.gamePaid, state_.bonusWin);
        state_.account.bonusTotal = SaturatingAdd(state_.account.bonusTotal, state_.bonusWin);
        if (state_.bonusWin > 0) {
            if (!state_.closing)
                PlayWinSound(true);
            CountUpWin(previous);
        }
    });
}

}  // namespace quillane
