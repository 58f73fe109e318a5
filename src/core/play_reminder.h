// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "core/account.h"

namespace quillane {

// How a play reminder is given: a notice over the meters that play goes on beneath, or a window
// that holds autoplay until the player closes it.
enum class ReminderStyle { Notice, Window };

// The reminder intervals on offer, in minutes; 0 gives none.
inline constexpr int kReminderChoices[] = {15, 30, 60};

constexpr bool IsReminderChoice(long long minutes) {
    for (int choice : kReminderChoices)
        if (choice == minutes)
            return true;
    return minutes == 0;
}

// The play reminder's schedule and what it tells: how long this session has lasted and what it
// has won or lost. Times are the game's millisecond tick count; a borrow or a pay-back is not a
// win or a loss, and neither is a new game or an opened slot taking the place of the account.
class PlayReminder {
  public:
    PlayReminder(std::uint32_t startMs, const Account& account);

    // A reminder every `minutes` of play, counted from the session's start; 0 for none.
    void SetInterval(int minutes, std::uint32_t nowMs);
    int interval() const { return minutes_; }
    // With a reminder on, how long from `nowMs` until the next is due, 0 when it is.
    std::int64_t DueIn(std::uint32_t nowMs) const;
    bool Due(std::uint32_t nowMs) const { return minutes_ > 0 && DueIn(nowMs) == 0; }
    // The reminder due has been given: the next is due at the next whole interval of play.
    void Given(std::uint32_t nowMs);

    int MinutesPlayed(std::uint32_t nowMs) const;
    // How long from `nowMs` until the minutes played count one more.
    std::int64_t ToNextMinute(std::uint32_t nowMs) const;
    // `account` takes the place of `before`, which had come from the play so far.
    void Replace(const Account& before, const Account& account);
    // The credits won (or, below 0, lost) since the session's start.
    std::int64_t Net(const Account& now) const;

  private:
    std::uint32_t sinceStart(std::uint32_t nowMs) const { return nowMs - startMs_; }
    void ScheduleAfter(std::uint32_t nowMs);

    std::uint32_t startMs_;
    Account base_;
    std::int64_t carried_ = 0;  // the net of the accounts replaced
    int minutes_ = 0;
    std::int64_t nextDueMs_ = 0;  // from the session's start
};

}  // namespace quillane
