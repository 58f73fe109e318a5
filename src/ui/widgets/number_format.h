// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdint>

namespace quillane {

// Groups of three digits with the locale's thousands separator ("," where it has none).
QString WithThousands(std::int64_t value);
// "%10.0n": the same, right-aligned in ten places.
QString GroupedNumber(std::int64_t value);
// "%4.2f" and "%", with the locale's decimal point.
QString Percentage(double value);

}  // namespace quillane
