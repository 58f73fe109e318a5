// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/access/chart_rows.h"

#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>

#include "core/paytable.h"
#include "ui/chart/payoff_chart.h"
#include "ui/widgets/game_names.h"

namespace quillane {
namespace {

struct ChartLine {
    QString text;
    QRect area;  // in the chart's window
};

// The pay table, a line a symbol and one for the scatter: "Elephant: 5 pays 2500, 4 pays 500, ...".
// The chart shows it as symbol pictures over columns of numbers, which read as nothing in the order
// drawn.
std::vector<QString> PayLines() {
    std::vector<QString> lines;
    std::vector<std::pair<Symbol, bool>> order;  // the symbol, and whether it is the B I N G O row
    for (const PayRow& row : kPayTable) {
        const std::pair<Symbol, bool> key{row.symbol, row.combination == Combination::BingoBalls};
        auto at = std::ranges::find(order, key);
        const QString pays = QStringLiteral("%1 pays %2").arg(row.count).arg(row.pays);
        if (at == order.end()) {
            order.push_back(key);
            lines.push_back((key.second ? QStringLiteral("B I N G O") : SymbolText(row.symbol)) +
                            ": " + pays);
        } else {
            lines[static_cast<std::size_t>(at - order.begin())] += ", " + pays;
        }
    }
    QStringList scatter;
    for (int balls = kReelCount; balls >= 0; --balls) {
        if (const int pays = kScatterPays[static_cast<std::size_t>(balls)]; pays > 0)
            scatter << QStringLiteral("%1 pay %2").arg(balls).arg(pays);
    }
    lines.push_back("Scatter balls, times the total bet: " + scatter.join(QStringLiteral(", ")));
    return lines;
}

// The chart's written rules and explanation as paragraphs, top to bottom: the lines of a column
// that start at one left edge and follow each other. Bare numbers are the pays under the
// symbols, which PayLines tells.
std::vector<ChartLine> Paragraphs(const PayoffChart& chart) {
    static const QRegularExpression bareNumber(QStringLiteral("^[-0-9,.]+$"));
    std::vector<ChartLine> rows;
    for (const PayoffChart::WrittenText& w : chart.written()) {
        const QString text = w.text.simplified();
        if (text.isEmpty() || bareNumber.match(text).hasMatch())
            continue;
        auto same = std::ranges::find_if(rows, [&](const ChartLine& r) {
            return r.area.left() == w.area.left() &&
                   std::abs(w.area.top() - r.area.bottom()) <= w.area.height();
        });
        if (same == rows.end()) {
            rows.push_back({text, w.area});
        } else {
            same->text += ' ' + text;
            same->area |= w.area;
        }
    }
    std::ranges::stable_sort(
        rows, [](const ChartLine& a, const ChartLine& b) { return a.area.top() < b.area.top(); });
    for (ChartLine& row : rows)
        row.area.translate(chart.origin());
    std::vector<ChartLine> all;
    for (const QString& line : PayLines())
        all.push_back({line, {}});
    all.insert(all.end(), rows.begin(), rows.end());
    return all;
}

}  // namespace

std::vector<ElementModel> ChartRows(PayoffChart* chart) {
    std::vector<ElementModel> models;
    const std::size_t count = Paragraphs(*chart).size();
    for (std::size_t i = 0; i < count; ++i) {
        ElementModel m;
        m.role = QAccessible::StaticText;
        m.name = [chart, i] {
            const std::vector<ChartLine> rows = Paragraphs(*chart);
            return i < rows.size() ? rows[i].text : QString();
        };
        m.area = [chart, i] {
            const std::vector<ChartLine> rows = Paragraphs(*chart);
            return i < rows.size() ? rows[i].area : QRect();
        };
        models.push_back(std::move(m));
    }
    return models;
}

}  // namespace quillane
