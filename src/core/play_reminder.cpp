// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/play_reminder.h"

#include <algorithm>

namespace quillane {
namespace {

constexpr std::int64_t kMinuteMs = 60'000;

// Every credit came in either borrowed or won, so what is left beside the debt is the play's.
std::int64_t Balance(const Account& account) {
    return std::int64_t{account.credits} - account.borrowed;
}

}  // namespace

PlayReminder::PlayReminder(std::uint32_t startMs, const Account& account)
    : startMs_(startMs), base_(account) {}

void PlayReminder::SetInterval(int minutes, std::uint32_t nowMs) {
    minutes_ = IsReminderChoice(minutes) ? minutes : 0;
    ScheduleAfter(nowMs);
}

std::int64_t PlayReminder::DueIn(std::uint32_t nowMs) const {
    return std::max<std::int64_t>(0, nextDueMs_ - sinceStart(nowMs));
}

void PlayReminder::Given(std::uint32_t nowMs) {
    ScheduleAfter(nowMs);
}

void PlayReminder::ScheduleAfter(std::uint32_t nowMs) {
    if (minutes_ == 0)
        return;
    const std::int64_t every = minutes_ * kMinuteMs;
    nextDueMs_ = (sinceStart(nowMs) / every + 1) * every;
}

int PlayReminder::MinutesPlayed(std::uint32_t nowMs) const {
    return static_cast<int>(sinceStart(nowMs) / kMinuteMs);
}

std::int64_t PlayReminder::ToNextMinute(std::uint32_t nowMs) const {
    return kMinuteMs - sinceStart(nowMs) % kMinuteMs;
}

void PlayReminder::Replace(const Account& before, const Account& account) {
    carried_ = Net(before);
    base_ = account;
}

std::int64_t PlayReminder::Net(const Account& now) const {
    return carried_ + Balance(now) - Balance(base_);
}

}  // namespace quillane
