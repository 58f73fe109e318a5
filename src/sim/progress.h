// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace quillane::sim {

// A progress bar on standard error, for a run that has lasted a second: how far it is, the
// spins a second and the time left, redrawn a few times a second and wiped at the end. Only
// shown when asked for, that is when standard error is a terminal.
class Progress {
  public:
    Progress(std::uint64_t total, bool shown);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void Update(std::uint64_t done);
    // Wipes the bar, if it was drawn.
    void Clear();

  private:
    using Clock = std::chrono::steady_clock;

    std::uint64_t total_;
    bool shown_;
    bool drawn_ = false;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastDrawn_;
};

// The bar for `done` spins of `total` after `seconds`.
std::string ProgressLine(std::uint64_t done, std::uint64_t total, double seconds);

}  // namespace quillane::sim
