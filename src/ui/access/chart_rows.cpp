// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/access/chart_rows.h"

#include <QCoreApplication>
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
        //: A pay table row as a screen reader reads it; %1 is how many symbols, %2 what they pay
        const QString pays = QCoreApplication::translate("ChartRows", "%1 pays %2")
                                 .arg(QString::number(row.count), QString::number(row.pays));
        if (at == order.end()) {
            order.push_back(key);
            const QString symbol =
                key.second ? QStringLiteral("B I N G O") : SymbolText(row.symbol);
            //: A pay table line as a screen reader reads it; %1 is the symbol, %2 its first pay
            lines.push_back(QCoreApplication::translate("ChartRows", "%1: %2").arg(symbol, pays));
        } else {
            QString& line = lines[static_cast<std::size_t>(at - order.begin())];
            //: The pay table line's next pay after a comma; %1 is the line so far, %2 the pay
            line = QCoreApplication::translate("ChartRows", "%1, %2").arg(line, pays);
        }
    }
    QStringList scatter;
    for (int balls = kReelCount; balls >= 0; --balls) {
        if (const int pays = kScatterPays[static_cast<std::size_t>(balls)]; pays > 0)
            //: A scatter pay as a screen reader reads it; %1 is how many balls, %2 the multiple
            scatter << QCoreApplication::translate("ChartRows", "%1 pay %2")
                           .arg(QString::number(balls), QString::number(pays));
    }
    //: The scatter pays as a screen reader reads them; %1 is their list, "5 pay 50, 4 pay 10"
    lines.push_back(
        QCoreApplication::translate("ChartRows", "Scatter balls, times the total bet: %1")
            .arg(scatter.join(QStringLiteral(", "))));
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
