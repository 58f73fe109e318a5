// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/return_text.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "ui/widgets/number_format.h"

namespace quillane {

QString BetText(int lines, int credits) {
    // A bet: the paylines played times the credits bet on each.
    if (lines == 1 && credits == 1)
        return QCoreApplication::translate("ReturnText", "1 line × 1 credit");
    if (lines == 1)
        return QCoreApplication::translate("ReturnText", "1 line × %1 credits").arg(credits);
    if (credits == 1)
        return QCoreApplication::translate("ReturnText", "%1 lines × 1 credit").arg(lines);
    return QCoreApplication::translate("ReturnText", "%1 lines × %2 credits")
        .arg(lines)
        .arg(credits);
}

QString ReturnPercentage(double share) {
    return Percentage(100 * share);
}

QString EstimatedBonus(const TheoreticalReturn& figures) {
    if (!figures.bonus) {
        //: The bonus game's share of the return, when no simulation gives it for this bet.
        return QCoreApplication::translate("ReturnText", "not estimated");
    }
    const double error = std::max(0.01, std::ceil(100 * 100 * figures.bonusError) / 100);
    //: An estimated percentage and its standard error, "≈ 65.90% ± 0.01%".
    return QCoreApplication::translate("ReturnText", "≈ %1 ± %2")
        .arg(ReturnPercentage(*figures.bonus), Percentage(error));
}

QString TheoreticalTotal(const TheoreticalReturn& figures) {
    const QString total = ReturnPercentage(figures.Total());
    //: An approximate percentage, "≈ 208.53%".
    return figures.bonus ? QCoreApplication::translate("ReturnText", "≈ %1").arg(total) : total;
}

QString SimulatedGames(const TheoreticalReturn& figures) {
    return QCoreApplication::translate("ReturnText", "%1 simulated games")
        .arg(WithThousands(static_cast<std::int64_t>(figures.bonusGames)));
}

QString ReturnLine(const TheoreticalReturn& figures) {
    const QString bet = BetText(figures.lines, figures.credits);
    const QString base = ReturnPercentage(figures.base);
    if (!figures.bonus) {
        //: One line across the foot of the payoff chart: %1 is a bet, "9 lines × 1 credit".
        return QCoreApplication::translate("ReturnText", "Return at %1: base game %2 (exact)")
            .arg(bet, base);
    }
    //: One line across the foot of the payoff chart: %1 is a bet, "9 lines × 1 credit", %3 an
    //: estimate, "≈ 65.90% ± 0.01%", %4 a count, "1,000,000 simulated games".
    return QCoreApplication::translate(
               "ReturnText", "Return at %1: base game %2 (exact), bonus %3 (estimated from %4)")
        .arg(bet, base, EstimatedBonus(figures), SimulatedGames(figures));
}

}  // namespace quillane
