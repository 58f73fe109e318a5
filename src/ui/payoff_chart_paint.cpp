#include "core/scale.h"
#include "ui/payoff_chart.h"

namespace quillane {
namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGrey(0x80, 0x80, 0x80);

}  // namespace

void PayoffChart::Redraw() {
    const int w = layoutWidth_;
    const PaychartLayout layout = LayOutPaychart(w, cellSize_);
    const QSize size(w, ScaleToScreen(kDesignHeight, layoutWidth_));
    if (surface_.size() != size)
        surface_ = QImage(size, QImage::Format_ARGB32);
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
    canvas_.SetPenWidth(3);
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
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(FontPixelSize(layout.closeButtonPoints));
    font.setBold(true);
    closeButton_->setFont(font);
    closeButton_->setGeometry(layout.closeButton.translated(o));

    for (int k = 0; k < kPatternCount; ++k) {
        const auto place = static_cast<std::size_t>(k);
        PictureBox* diagram = diagrams_[place];
        diagram->move(layout.diagrams[place] + o);
        QLabel* caption = captions_[place];
        const int top = k < 6 ? diagrams_[0]->y() - captions_[0]->height() - 2
                              : diagrams_[6]->y() + diagrams_[6]->height() + 2;
        caption->move(diagram->x() + (diagram->width() - caption->width()) / 2, top);
    }
}

void PayoffChart::Write(const ChartText& text) {
    canvas_.SetFont(text.points, true);
    canvas_.SetFontColor(text.colour);
    const QSize extent = canvas_.TextExtent(text.text);
    int left = text.x;
    if (text.anchor == ChartText::Anchor::Right)
        left -= extent.width();
    else if (text.anchor == ChartText::Anchor::Centre)
        left -= extent.width() / 2;
    const int top = text.bottomAtY ? text.y - extent.height() : text.y;
    canvas_.TextOut(left, top, text.text);
    written_.push_back({text.text, QRect(QPoint(left, top), extent), text.colour, text.points});
}

void PayoffChart::DrawSymbolBox(int x, int y, int n) {
    const int c = cellSize_;
    canvas_.SetCopyMode(Canvas::CopyMode::Copy);
    canvas_.Draw(QRect(x, y, c, c), symbolSheet_, QRect((n % 4) * c, (n / 4) * c, c, c));
    DrawFrame(x, y, c);
}

void PayoffChart::DrawSmallSymbolBox(int x, int y, int n) {
    const int c = cellSize_;
    const int s = (c / 4) * 3;
    // Shrunk smoothly: picked pixels break up the small symbols' lettering.
    const QImage cell = symbolSheet_.copy((n % 4) * c, (n / 4) * c, c, c)
                            .scaled(s, s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    canvas_.SetCopyMode(Canvas::CopyMode::Copy);
    canvas_.Draw(QRect(x, y, s, s), cell, cell.rect());
    DrawFrame(x, y, s);
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
