// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cmath>

#include "ui/chart/payoff_chart.h"
#include "ui/widgets/return_text.h"

namespace quillane {
namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGrey(0x80, 0x80, 0x80);

}  // namespace

void PayoffChart::Redraw() {
    const int w = ChartWidthFor(size());
    layout_ = LayOutPaychart(w, ChartCellFor(w, sheetWidth_, cellSize_),
                             figures_ ? ReturnLine(*figures_) : QString());
    const PaychartLayout& layout = layout_;
    // In the screen's own pixels, so text and symbols stay sharp where it doubles them.
    const double ratio = devicePixelRatioF();
    if (surface_.deviceIndependentSize().toSize() != layout.size ||
        surface_.devicePixelRatio() != ratio) {
        surface_ = QImage(layout.size * ratio, QImage::Format_ARGB32);
        surface_.setDevicePixelRatio(ratio);
    }
    surface_.fill(Qt::black);
    written_.clear();

    for (const ChartSymbolBox& box : layout.jackpotBalls)
        DrawSymbolBox(box.x, box.y, box.cell);
    for (const ChartSymbolBox& box : layout.symbolBoxes)
        DrawSymbolBox(box.x, box.y, box.cell);
    for (const ChartSymbolBox& box : layout.smallSymbolBoxes)
        DrawSmallSymbolBox(box.x, box.y, box.cell);

    canvas_.SetBrushClear(true);
    for (const ChartText& text : layout.texts)
        Write(text);

    canvas_.SetPenColor(kSilver);
    canvas_.SetPenWidth(layout.separatorWidth);
    for (int y : layout.separators) {
        canvas_.MoveTo(0, y);
        canvas_.LineTo(layout.separatorLength, y);
    }
    for (const ChartText& text : layout.explanation)
        Write(text);

    PlaceComponents(layout);
    update();
}

void PayoffChart::PlaceComponents(const PaychartLayout& layout) {
    const QPoint o = origin();
    const double ratio = devicePixelRatioF();
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(FontPixelSize(layout.closeButtonPoints));
    font.setBold(true);
    closeButton_->setFont(font);
    closeButton_->setGeometry(layout.closeButton.translated(o));

    font.setPixelSize(FontPixelSize(layout.captionPoints));
    const int side = layout.diagramSide;
    for (int k = 0; k < kPatternCount; ++k) {
        const auto place = static_cast<std::size_t>(k);
        PictureView* diagram = diagrams_[place];
        if (diagram->width() != side || diagram->picture().devicePixelRatio() != ratio)
            diagram->SetPicture(Diagram(place, side, ratio));
        diagram->move(layout.diagrams[place] + o);
        QLabel* caption = captions_[place];
        caption->setFont(font);
        caption->adjustSize();
    }
    for (int k = 0; k < kPatternCount; ++k) {
        const PictureView* diagram = diagrams_[static_cast<std::size_t>(k)];
        QLabel* caption = captions_[static_cast<std::size_t>(k)];
        const int top = k < 6 ? diagrams_[0]->y() - captions_[0]->height() - kCaptionGap
                              : diagrams_[6]->y() + diagrams_[6]->height() + kCaptionGap;
        // Centred on its diagram, but a caption at the chart's side is drawn in to stay whole.
        const int centred = diagram->x() + (diagram->width() - caption->width()) / 2;
        const int rightmost = o.x() + layout.size.width() - caption->width();
        caption->move(std::max(o.x(), std::min(centred, rightmost)), top);
    }
}

QImage PayoffChart::Diagram(std::size_t place, int side, double ratio) const {
    const int pixels = static_cast<int>(std::lround(side * ratio));
    const QImage& own = diagramPictures_[place];
    if (pixels == own.width())
        return own;
    // The large drawing where the diagram is shown larger than its own size.
    const QImage& source = pixels > own.width() ? largeDiagramPictures_[place] : own;
    QImage diagram = source.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    diagram.setDevicePixelRatio(ratio);
    return diagram;
}

void PayoffChart::Write(const ChartText& text) {
    canvas_.SetFont(text.points, true);
    canvas_.SetFontColor(text.colour);
    const QSize extent = canvas_.TextSize(text.text);
    int left = text.x;
    if (text.anchor == ChartText::Anchor::Right)
        left -= extent.width();
    else if (text.anchor == ChartText::Anchor::Centre)
        left -= extent.width() / 2;
    const int top = text.bottomAtY ? text.y - extent.height() : text.y;
    canvas_.DrawText(left, top, text.text);
    written_.push_back({text.text, QRect(QPoint(left, top), extent), text.colour, text.points});
}

void PayoffChart::DrawSymbolBox(int x, int y, int n) {
    DrawCell(x, y, layout_.cell, n);
}

void PayoffChart::DrawSmallSymbolBox(int x, int y, int n) {
    DrawCell(x, y, layout_.smallSide, n);
}

void PayoffChart::DrawCell(int x, int y, int side, int n) {
    const int c = cellSize_;
    const QRect source((n % 4) * c, (n / 4) * c, c, c);
    const int pixels = static_cast<int>(std::lround(side * surface_.devicePixelRatio()));
    if (pixels == c) {
        canvas_.Draw(QRect(x, y, side, side), symbolSheet_, source);
    } else {
        // Scaled smoothly: picked pixels break up the symbols' lettering.
        const QImage cell = symbolSheet_.copy(source).scaled(pixels, pixels, Qt::IgnoreAspectRatio,
                                                             Qt::SmoothTransformation);
        canvas_.Draw(QRect(x, y, side, side), cell, cell.rect());
    }
    DrawFrame(x, y, side);
}

void PayoffChart::DrawFrame(int x, int y, int side) {
    // Light left and top edges, dark right and bottom ones, and a dark inner outline.
    canvas_.SetPenColor(kSilver);
    canvas_.SetPenWidth(2);
    canvas_.MoveTo(x, y + side);
    canvas_.LineTo(x, y);
    canvas_.LineTo(x + side, y);
    canvas_.SetPenColor(kGrey);
    canvas_.LineTo(x + side, y + side);
    canvas_.LineTo(x + 1, y + side);
    canvas_.MoveTo(x + 1, y + side - 2);
    canvas_.SetPenWidth(1);
    canvas_.LineTo(x + 1, y + 1);
    canvas_.LineTo(x + side - 2, y + 1);
    canvas_.LineTo(x + side - 2, y + side - 2);
    canvas_.LineTo(x + 1, y + side - 2);
}

}  // namespace quillane
