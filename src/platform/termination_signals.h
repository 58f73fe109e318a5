// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <signal.h>

#include <QSocketNotifier>
#include <array>
#include <functional>
#include <memory>

namespace quillane {

// While it lives, SIGTERM, SIGHUP and SIGINT do not end the program at once: each one received is
// handed to `onSignal` on the thread that made this object, from its event loop, so the game can
// end in order. A signal that comes while an earlier one is being handled is handed on again.
// One object at a time should own the signals; a nested one hands them back when it ends.
class TerminationSignals {
  public:
    // Throws std::runtime_error when the process has no file descriptors left for its pipe.
    explicit TerminationSignals(std::function<void(int signal)> onSignal);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

  private:
    void Deliver();

    std::function<void(int signal)> onSignal_;
    int readEnd_ = -1;
    int writeEnd_ = -1;
    int previousWriteEnd_ = -1;
    std::array<struct sigaction, 3> previous_{};
    std::unique_ptr<QSocketNotifier> notifier_;
    // Expires with this object, so Deliver notices a callback that ended it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>();
};

}  // namespace quillane
