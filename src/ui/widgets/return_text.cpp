// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/return_text.h"

#include <algorithm>
#include <cmath>

#include "ui/widgets/number_format.h"

namespace quillane {

QString BetText(int lines, int credits) {
    return QStringLiteral("%1 %2 × %3 %4")
        .arg(lines)
        .arg(lines == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
        .arg(credits)
        .arg(credits == 1 ? QStringLiteral("credit") : QStringLiteral("credits"));
}

QString ReturnPercentage(double share) {
    return Percentage(100 * share);
}

QString EstimatedBonus(const TheoreticalReturn& figures) {
    if (!figures.bonus)
        return QStringLiteral("not estimated");
    const double error = std::max(0.01, std::ceil(100 * 100 * figures.bonusError) / 100);
    return QStringLiteral("≈ ") + ReturnPercentage(*figures.bonus) + QStringLiteral(" ± ") +
           Percentage(error);
}

QString TheoreticalTotal(const TheoreticalReturn& figures) {
    const QString total = ReturnPercentage(figures.Total());
    return figures.bonus ? QStringLiteral("≈ ") + total : total;
}

QString SimulatedGames(const TheoreticalReturn& figures) {
    return WithThousands(static_cast<std::int64_t>(figures.bonusGames)) +
           QStringLiteral(" simulated games");
}

QString ReturnLine(const TheoreticalReturn& figures) {
    QString line = QStringLiteral("Return at ") + BetText(figures.lines, figures.credits) +
                   QStringLiteral(": base game ") + ReturnPercentage(figures.base) +
                   QStringLiteral(" (exact)");
    if (figures.bonus) {
        line += QStringLiteral(", bonus ") + EstimatedBonus(figures) +
                QStringLiteral(" (estimated from ") + SimulatedGames(figures) + QStringLiteral(")");
    }
    return line;
}

}  // namespace quillane
