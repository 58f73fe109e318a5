// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>

#include "platform/clock.h"

namespace quillane {

// Real time: the tick count runs from the clock's creation; timers are Qt's precise ones.
class QtClock : public Clock {
  public:
    QtClock();

    std::uint32_t TickCount() const override;
    std::unique_ptr<Timer> NewTimer(int intervalMs, bool enabled,
                                    std::function<void()> onTick) override;

  private:
    QElapsedTimer elapsed_;
};

}  // namespace quillane
