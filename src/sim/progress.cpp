// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/progress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quillane::sim {
namespace {

constexpr auto kFirstDrawn = std::chrono::seconds(1);
constexpr auto kRedrawn = std::chrono::milliseconds(200);
constexpr int kBarWidth = 30;

std::string Rate(double perSecond) {
    char text[32];
    if (perSecond >= 1e6)
        std::snprintf(text, sizeof text, "%.2f M", perSecond / 1e6);
    else if (perSecond >= 1e3)
        std::snprintf(text, sizeof text, "%.1f k", perSecond / 1e3);
    else
        std::snprintf(text, sizeof text, "%.0f", perSecond);
    return text;
}

std::string Duration(double seconds) {
    const auto s = static_cast<long long>(std::ceil(seconds));
    char text[32];
    if (s >= 3600)
        std::snprintf(text, sizeof text, "%lld h %lld min", s / 3600, s % 3600 / 60);
    else if (s >= 60)
        std::snprintf(text, sizeof text, "%lld min %lld s", s / 60, s % 60);
    else
        std::snprintf(text, sizeof text, "%lld s", s);
    return text;
}

}  // namespace

std::string ProgressLine(std::uint64_t done, std::uint64_t total, double seconds) {
    const double share = total == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
    const int filled = std::clamp(static_cast<int>(share * kBarWidth), 0, kBarWidth);
    std::string line(kBarWidth + 3, '.');
    line.front() = '[';
    line.replace(1, static_cast<std::size_t>(filled), static_cast<std::size_t>(filled), '#');
    line.replace(kBarWidth + 1, 2, "] ");
    char percent[16];
    std::snprintf(percent, sizeof percent, "%3.0f%%", std::floor(100 * share));
    line += percent;
    if (done == 0 || seconds <= 0)
        return line;
    const double rate = static_cast<double>(done) / seconds;
    line += "  " + Rate(rate) + " spins/s  " +
            Duration(static_cast<double>(total - std::min(done, total)) / rate) + " left";
    return line;
}

Progress::Progress(std::uint64_t total, bool shown) : total_(total), shown_(shown) {}

Progress::~Progress() {
    Clear();
}

void Progress::Update(std::uint64_t done) {
    if (!shown_)
        return;
    const Clock::time_point now = Clock::now();
    if (now - start_ < kFirstDrawn || (drawn_ && now - lastDrawn_ < kRedrawn))
        return;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    std::fprintf(stderr, "\r%s\033[K", ProgressLine(done, total_, seconds).c_str());
    std::fflush(stderr);
    drawn_ = true;
    lastDrawn_ = now;
}

void Progress::Clear() {
    if (!drawn_)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    drawn_ = false;
}

}  // namespace quillane::sim
