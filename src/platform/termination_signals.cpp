// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace quillane {
namespace {

constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe the handler writes to; an atomic int is safe to read in a signal handler.
std::atomic<int> gWriteEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

// A signal handler may only do async-signal-safe work: it leaves the rest to the event loop.
void OnSignal(int signal) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal);
    // A full pipe already holds thousands of unhandled signals: dropping one more loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(gWriteEnd.load(), &byte, 1);
    errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void(int signal)> onSignal)
    : onSignal_(std::move(onSignal)) {
    int ends[2];
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("cannot make a pipe for signals: ") +
                                 std::strerror(errno));
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { Deliver(); });
    previousWriteEnd_ = gWriteEnd.exchange(writeEnd_);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &action, &previous_[i]);
}

TerminationSignals::~TerminationSignals() {
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &previous_[i], nullptr);
    gWriteEnd.store(previousWriteEnd_);
    notifier_.reset();
    ::close(readEnd_);
    ::close(writeEnd_);
}

void TerminationSignals::Deliver() {
    unsigned char received[64];
    const ssize_t count = ::read(readEnd_, received, sizeof received);
    const std::weak_ptr<bool> alive = alive_;
    for (ssize_t i = 0; i < count; ++i) {
        if (alive.expired())
            return;
        onSignal_(received[i]);
    }
}

}  // namespace quillane
