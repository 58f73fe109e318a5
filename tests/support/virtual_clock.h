// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <vector>

#include "platform/clock.h"

namespace quillane::testing {

// Time that moves only when a test moves it: a whole spin runs in an instant and always the
// same way. Timers fire in order of their due times as the clock passes them, and the events
// they post are handled after each.
class VirtualClock : public Clock {
  public:
    std::uint32_t TickCount() const override { return now_; }
    std::unique_ptr<Timer> NewTimer(int intervalMs, bool enabled,
                                    std::function<void()> onTick) override;

    // Moves time on to `tick`, or by `ms`, firing the timers due meanwhile.
    void RunUntil(std::uint32_t tick);
    void Advance(std::uint32_t ms) { RunUntil(now_ + ms); }
    // Handles the events already posted, such as a window's queued calls.
    void ProcessEvents();

  private:
    struct Entry;
    class VirtualTimer;

    std::uint32_t now_ = 0;
    std::vector<std::shared_ptr<Entry>> timers_;
};

}  // namespace quillane::testing
