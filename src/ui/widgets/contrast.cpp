// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/contrast.h"

#include <algorithm>
#include <cmath>

namespace quillane {
namespace {

double Channel(double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Channel(c.redF()) + 0.7152 * Channel(c.greenF()) + 0.0722 * Channel(c.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TextColourOn(const QColor& background) {
    const QColor black(0, 0, 0), white(255, 255, 255);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

QColor ReadableOn(const QColor& colour, const QColor& background) {
    const QColor toward = TextColourOn(background);
    constexpr int kSteps = 20;
    for (int step = 0; step < kSteps; ++step) {
        const double t = static_cast<double>(step) / kSteps;
        const QColor mixed = QColor::fromRgbF(
            static_cast<float>(colour.redF() + (toward.redF() - colour.redF()) * t),
            static_cast<float>(colour.greenF() + (toward.greenF() - colour.greenF()) * t),
            static_cast<float>(colour.blueF() + (toward.blueF() - colour.blueF()) * t));
        if (ContrastRatio(mixed, background) >= kEnhancedContrast)
            return mixed;
    }
    return toward;
}

}  // namespace quillane
