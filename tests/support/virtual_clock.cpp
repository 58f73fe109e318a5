// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "virtual_clock.h"

#include <QCoreApplication>
#include <algorithm>

namespace quillane::testing {

struct VirtualClock::Entry {
    int interval = 0;
    bool enabled = false;
    bool alive = true;
    std::uint32_t due = 0;
    std::function<void()> onTick;
};

class VirtualClock::VirtualTimer : public Timer {
  public:
    VirtualTimer(VirtualClock& clock, std::shared_ptr<Entry> entry)
        : clock_(clock), entry_(std::move(entry)) {}
    ~VirtualTimer() override { entry_->alive = false; }

    void SetEnabled(bool enabled) override {
        if (enabled && !entry_->enabled)
            entry_->due = clock_.now_ + static_cast<std::uint32_t>(entry_->interval);
        entry_->enabled = enabled;
    }
    bool enabled() const override { return entry_->enabled; }
    void SetInterval(int intervalMs) override {
        entry_->interval = std::max(1, intervalMs);
        if (entry_->enabled)
            entry_->due = clock_.now_ + static_cast<std::uint32_t>(entry_->interval);
    }
    int interval() const override { return entry_->interval; }

  private:
    VirtualClock& clock_;
    std::shared_ptr<Entry> entry_;
};

void VirtualClock::ProcessEvents() {
    QCoreApplication::processEvents();
}

void VirtualClock::RunUntil(std::uint32_t tick) {
    ProcessEvents();
    for (;;) {
        std::erase_if(timers_, [](const auto& e) { return !e->alive; });
        std::shared_ptr<Entry> next;
        for (const auto& e : timers_) {
            if (e->enabled && static_cast<std::int32_t>(e->due - tick) <= 0 &&
                (!next || static_cast<std::int32_t>(e->due - next->due) < 0)) {
                next = e;
            }
        }
        if (!next)
            break;
        if (static_cast<std::int32_t>(next->due - now_) > 0)
            now_ = next->due;
        next->due += static_cast<std::uint32_t>(next->interval);
        next->onTick();
        ProcessEvents();
    }
    if (static_cast<std::int32_t>(tick - now_) > 0)
        now_ = tick;
}

std::unique_ptr<Timer> VirtualClock::NewTimer(int intervalMs, bool enabled,
                                              std::function<void()> onTick) {
    auto entry = std::make_shared<Entry>();
    entry->interval = std::max(1, intervalMs);
    entry->onTick = std::move(onTick);
    timers_.push_back(entry);
    auto timer = std::make_unique<VirtualTimer>(*this, entry);
    timer->SetEnabled(enabled);
    return timer;
}

}  // namespace quillane::testing
