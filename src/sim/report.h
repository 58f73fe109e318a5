// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "core/exact_return.h"
#include "sim/spin.h"
#include "sim/summary.h"

namespace quillane::sim {

std::string SpinJson(std::uint64_t number, const Spin& spin);
// With `spread`, the figures of the run's spread follow the totals.
std::string SummaryJson(const Summary& summary, bool spread);
std::string SummaryText(const Summary& summary, std::uint32_t seed, int lines, int credits);
std::string ExactJson(const ExactReturn& exact, int lines);
std::string ExactText(const ExactReturn& exact, int lines);

}  // namespace quillane::sim
