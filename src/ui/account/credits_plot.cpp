// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/account/credits_plot.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "ui/widgets/number_format.h"
#include "ui/widgets/window_style.h"

namespace quillane {
namespace {

constexpr int kFigurePixels = 11;
constexpr int kMargin = 6;  // inside the frame, around the line and the figures

QFont FigureFont() {
    return GameFont(kFigurePixels, false);
}

}  // namespace

QString CreditsPlot::NoSpinsText() {
    //: Written small across the empty plot of the credits.
    return QCoreApplication::translate("CreditsPlot", "No spins yet");
}

CreditsPlot::CreditsPlot(std::vector<std::int64_t> credits, QWidget* parent)
    : QWidget(parent), credits_(std::move(credits)) {
    setObjectName(QStringLiteral("CreditsPlot"));
}

QRect CreditsPlot::LineArea() const {
    const QRect inside = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (credits_.empty())
        return inside;
    const auto [low, high] = std::minmax_element(credits_.begin(), credits_.end());
    const QFontMetrics metrics(FigureFont());
    const int figures = std::max(metrics.horizontalAdvance(WithThousands(*low)),
                                 metrics.horizontalAdvance(WithThousands(*high)));
    // Half a line of figure above and below, so the figures at the ends line up with the line's.
    const int half = metrics.height() / 2;
    return inside.adjusted(figures + kMargin, half, 0, -half);
}

void CreditsPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(0xa0, 0xa0, 0xa0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(FigureFont());
    if (credits_.empty()) {
        painter.setPen(kQuietColour);
        painter.drawText(rect(), Qt::AlignCenter, NoSpinsText());
        return;
    }

    const QRect area = LineArea();
    const auto [lowIt, highIt] = std::minmax_element(credits_.begin(), credits_.end());
    const std::int64_t low = *lowIt, high = *highIt;
    // One spin, or credits that never moved, draw a level line across the middle.
    auto yOf = [&](std::int64_t value) {
        if (high == low)
            return area.top() + area.height() / 2.0;
        const double share = static_cast<double>(value - low) / static_cast<double>(high - low);
        return area.bottom() - share * area.height();
    };
    const auto count = static_cast<int>(credits_.size());
    auto xOf = [&](int i) {
        return count == 1 ? area.left() + area.width() / 2.0
                          : area.left() + static_cast<double>(i) * area.width() / (count - 1);
    };

    const QFontMetrics metrics(FigureFont());
    const int figuresRight = area.left() - kMargin;
    painter.setPen(kQuietColour);
    auto figure = [&](std::int64_t value) {
        const QString text = WithThousands(value);
        const int baseline =
            static_cast<int>(yOf(value)) + (metrics.ascent() - metrics.descent()) / 2;
        painter.drawText(figuresRight - metrics.horizontalAdvance(text), baseline, text);
    };
    figure(high);
    if (high != low)
        figure(low);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kLineColour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (count == 1) {
        painter.setBrush(kLineColour);
        painter.drawEllipse(QPointF(xOf(0), yOf(credits_[0])), 2.5, 2.5);
        return;
    }
    QPainterPath line(QPointF(xOf(0), yOf(credits_[0])));
    for (int i = 1; i < count; ++i)
        line.lineTo(xOf(i), yOf(credits_[static_cast<std::size_t>(i)]));
    painter.drawPath(line);
}

}  // namespace quillane
