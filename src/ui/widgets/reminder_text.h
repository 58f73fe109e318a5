// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdint>

namespace quillane {

// The play reminder's sentences: how long the session has lasted, and what it has won or lost.
QString PlayedText(int minutesPlayed);
QString SessionResultText(std::int64_t net);
// Both, a line each.
QString ReminderText(int minutesPlayed, std::int64_t net);
// The session clock in the status bar, hours and minutes.
QString SessionClockText(int minutesPlayed);

}  // namespace quillane
