#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace quillane {

// A repeating window timer; created disabled or enabled, like a timer component.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
    // A running timer starts its count again from now.
    virtual void SetInterval(int intervalMs) = 0;
    virtual int interval() const = 0;
};

// The millisecond tick count and the waits the game's loops pace themselves on. Waiting lets
// window events through (timers, paints, menu commands) but never spins the processor.
class Clock {
  public:
    virtual ~Clock() = default;

    virtual std::uint32_t TickCount() const = 0;

    // Returns once the tick count has reached `tick`, handling events meanwhile.
    virtual void WaitUntil(std::uint32_t tick) = 0;

    // Handles the events already pending, without waiting.
    virtual void ProcessEvents() = 0;

    virtual std::unique_ptr<Timer> NewTimer(int intervalMs, bool enabled,
                                            std::function<void()> onTick) = 0;
};

}  // namespace quillane
