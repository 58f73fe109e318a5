// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

namespace quillane {

// The least contrast ratio at which normal-sized text reads well, as WCAG has it.
inline constexpr double kReadableContrast = 4.5;
inline constexpr double kEnhancedContrast = 7;

// WCAG's contrast ratio between two colours, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);
// Black or white, whichever reads better on `background`.
QColor TextColourOn(const QColor& background);
// `colour` mixed with white, or with black on a light background, until it stands 7:1 against
// `background` (WCAG's enhanced level), so that small smoothed letters still keep 4.5:1.
QColor ReadableOn(const QColor& colour, const QColor& background);

}  // namespace quillane
