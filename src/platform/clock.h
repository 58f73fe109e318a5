// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

// The millisecond tick count and the timers that pace the game. Nothing waits on it: the game
// moves on when a timer fires.
class Clock {
  public:
    virtual ~Clock() = default;

    virtual std::uint32_t TickCount() const = 0;

    virtual std::unique_ptr<Timer> NewTimer(int intervalMs, bool enabled,
                                            std::function<void()> onTick) = 0;
};

}  // namespace quillane
