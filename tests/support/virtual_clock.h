#pragma once

#include <memory>
#include <vector>

#include "platform/clock.h"

namespace quillane::testing {

// Time that moves only when the game waits: a whole spin runs in an instant and always the
// same way. Timers fire in order of their due times as the clock passes them.
class VirtualClock : public Clock {
  public:
    std::uint32_t TickCount() const override { return now_; }
    void WaitUntil(std::uint32_t tick) override;
    void ProcessEvents() override;
    std::unique_ptr<Timer> NewTimer(int intervalMs, bool enabled,
                                    std::function<void()> onTick) override;

    void Advance(std::uint32_t ms) { WaitUntil(now_ + ms); }
    // How often the game waited: a loop that never waits would spin the processor.
    int waits() const { return waits_; }

  private:
    struct Entry;
    class VirtualTimer;

    std::uint32_t now_ = 0;
    int waits_ = 0;
    std::vector<std::shared_ptr<Entry>> timers_;
};

}  // namespace quillane::testing
