// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillane {

// The number's digits in groups of three from the right with `separator` between the groups, and
// a leading "-" when it is negative.
std::string GroupedDigits(std::int64_t number, std::string_view separator);

}  // namespace quillane
