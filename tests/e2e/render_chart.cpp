// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "core/return_figures.h"
#include "ui/chart/payoff_chart.h"

// render_chart WIDTH HEIGHT OUT.png [TEXTS.txt [LANGUAGE.qm]]: the payoff chart drawn for a screen
// area of that size, with the figures for nine lines at one credit, on plain grey symbol cells;
// TEXTS.txt gets every text written on it with its place and size, a line each, and LANGUAGE.qm
// is a translation to draw it in. For looking at the chart's layout on any screen and in any
// language, and for telling two builds' charts apart.
int main(int argc, char** argv) {
    if (argc < 4 || argc > 6) {
        std::fprintf(stderr,
                     "usage: render_chart WIDTH HEIGHT OUT.png [TEXTS.txt [LANGUAGE.qm]]\n");
        return 2;
    }
    QApplication app(argc, argv);
    QTranslator language;
    if (argc == 6) {
        if (!language.load(QString::fromLocal8Bit(argv[5]))) {
            std::fprintf(stderr, "render_chart: cannot read %s\n", argv[5]);
            return 1;
        }
        QApplication::installTranslator(&language);
    }
    using namespace quillane;
    constexpr int kSheetWidth = 800;
    constexpr int kCell = 48;
    QImage sheet(4 * kCell, 4 * kCell, QImage::Format_RGB32);
    sheet.fill(Qt::darkGray);
    PayoffChart chart(kSheetWidth, sheet, kCell,
                      QRect(0, 0, std::atoi(argv[1]), std::atoi(argv[2])), {});
    chart.ShowReturn(ComputeTheoreticalReturn(9, 1));
    if (!chart.surface().save(QString::fromLocal8Bit(argv[3])))
        return 1;
    if (argc >= 5) {
        QFile file(QString::fromLocal8Bit(argv[4]));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
            return 1;
        QTextStream out(&file);
        for (const PayoffChart::WrittenText& t : chart.written()) {
            out << t.area.x() << ' ' << t.area.y() << ' ' << t.area.width() << ' '
                << t.area.height() << ' ' << t.points << ' ' << t.text << '\n';
        }
    }
    return 0;
}
