// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "core/bingo.h"
#include "core/game_session.h"
#include "platform/clock.h"
#include "ui/cabinet/cabinet_audio.h"
#include "ui/cabinet/cabinet_painter.h"
#include "ui/cabinet/cabinet_pictures.h"
#include "ui/cabinet/reel_animation.h"
#include "ui/cabinet/win_display.h"

namespace quillane {

// One spin, from the stake to the last credit of its pay-out, as states advanced by one timer:
// the reels turning and stopping, the win sound, the count-up, the bonus game's launch, its
// window and its own pay-out. The win display runs beside them on the same timer. The session
// settles and stores the spin before the reels turn; the cycle only shows it, and the reels do
// not stop on the outcome until it is stored. Nothing here waits: each state has a deadline and
// the timer is set for the next one.
class SpinCycle {
  public:
    enum class Phase {
        Idle,         // no spin under way; the win display may be running
        Reels,        // the reels turn and stop
        WinSound,     // the win sound plays before the count-up
        CountUp,      // the win moves into the credits
        BonusLaunch,  // the bonus game opens shortly
        BonusOpen,    // the bonus game's window is up
    };

    // What the bonus game's window tells of the game it shows.
    struct BonusEvents {
        std::function<void(int card)> chosen;
        std::function<void()> blackout;
        std::function<void()> closed;
    };
    // Shows `game` in its window; `card` is already chosen when the player chose it before the
    // game was interrupted; with `quickPlay` the calls come at the quick pace from the first.
    using BonusOpener = std::function<void(const BingoGame& game, std::optional<int> card,
                                           bool quickPlay, BonusEvents events)>;

    struct Parts {
        Clock& clock;
        GameSession& session;
        CabinetPainter& painter;
        CabinetAudio& audio;
        const CabinetPictures& pictures;
        std::function<std::uint32_t()> timeOfDaySeed;  // a bonus game is dealt from it
        std::function<bool()> quickPlay;
        // The reels step to their stops, wins are marked steadily and counted up at once.
        std::function<bool()> reduceMotion;
    };

    explicit SpinCycle(Parts parts);
    ~SpinCycle();
    SpinCycle(const SpinCycle&) = delete;
    SpinCycle& operator=(const SpinCycle&) = delete;

    void SetBonusOpener(BonusOpener opener) { openBonus_ = std::move(opener); }
    // Told when a spin's own pay-out is over, before any bonus game of it.
    void OnSpinEnded(std::function<void()> told) { spinEnded_ = std::move(told); }
    // Told when the cycle is idle again, the spin and its bonus game paid.
    void OnSettled(std::function<void()> told) { settled_ = std::move(told); }

    Phase phase() const { return phase_; }
    bool idle() const { return phase_ == Phase::Idle; }
    bool presenting() const { return frameAt_.has_value(); }
    bool held() const { return holds_ > 0; }
    int wildFrame() const { return display_.wildFrame(); }

    // Plays the spin whose bet the session has taken. Only when idle.
    void Start();
    // Cuts the turning reels, the win sound or the count-up short at their next step; false
    // when there is nothing to cut.
    bool Skip();
    // A window of the player's covers the cabinet: everything stays where it stands until it
    // is released as often as it was held.
    void Hold();
    void Release();
    // Drops what is left to show of the spin under way: the reels stand at rest and the count-up
    // and any bonus game to come are dropped. The session's settled game is not touched.
    void Abandon();
    // A bet key stops the win display where it is.
    void StopPresenting();
    // Plays the bonus game the session keeps from an earlier run.
    void ResumeBonus();
    // The cabinet was laid out at another size.
    void FollowLayout();

  private:
    void OnTimer();
    void Arm();
    std::uint32_t Now() const { return parts_.clock.TickCount(); }
    void Step();
    void ReelTick();
    void EndReels();
    void PayOut(std::int32_t paidBefore);
    void CountStep();
    void EndCountUp();
    void EndSpin();
    void LaunchBonus();
    void BonusClosed();
    void Settle();
    void StartPresenting();
    void DrawButtons(bool ready);

    Parts parts_;
    ReelAnimation reels_;
    WinDisplay display_;
    std::unique_ptr<Timer> timer_;
    BonusOpener openBonus_;
    std::function<void()> spinEnded_;
    std::function<void()> settled_;

    Phase phase_ = Phase::Idle;
    std::optional<std::uint32_t> stepAt_;   // the phase's next step
    std::optional<std::uint32_t> frameAt_;  // the win display's next frame
    int holds_ = 0;
    std::uint32_t heldAt_ = 0;
    int tick_ = 0;  // the reels'
    bool skip_ = false;
    bool payingBonus_ = false;
    bool spinOpen_ = false;  // the spin's bet is not yet the last bet
    std::int32_t paid_ = 0;  // what the winnings meter shows
    std::int32_t bonusPayout_ = 0;
    std::optional<BingoGame> bonusGame_;
    int bonusRound_ = 0;  // tells the window of a dropped bonus game from the current one
};

}  // namespace quillane
