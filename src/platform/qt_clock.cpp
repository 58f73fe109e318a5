// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt_clock.h"

#include <QTimer>

namespace quillane {
namespace {

class QtTimer : public Timer {
  public:
    QtTimer(int intervalMs, bool enabled, std::function<void()> onTick) {
        // The default coarse timer may fire up to 5% early.
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
        if (enabled)
            timer_.start();
    }

    void SetEnabled(bool enabled) override {
        if (enabled && !timer_.isActive())
            timer_.start();
        if (!enabled)
            timer_.stop();
    }
    bool enabled() const override { return timer_.isActive(); }
    void SetInterval(int intervalMs) override {
        timer_.setInterval(intervalMs);
        if (timer_.isActive())
            timer_.start();
    }
    int interval() const override { return timer_.interval(); }

  private:
    QTimer timer_;
};

}  // namespace

QtClock::QtClock() {
    elapsed_.start();
}

std::uint32_t QtClock::TickCount() const {
    return static_cast<std::uint32_t>(elapsed_.elapsed());
}

std::unique_ptr<Timer> QtClock::NewTimer(int intervalMs, bool enabled,
                                         std::function<void()> onTick) {
    return std::make_unique<QtTimer>(intervalMs, enabled, std::move(onTick));
}

}  // namespace quillane
