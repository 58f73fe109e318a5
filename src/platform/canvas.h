// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;

namespace quillane {

// Drawing on a window's retained surface: a brush, a pen and a font are set, then rectangles,
// lines, text and pictures are drawn with them. Rectangles are given by their left, top, right
// and bottom edges; right and bottom are outside.
class Canvas {
  public:
    explicit Canvas(QImage& surface);

    // Told the area each operation changed, so the window can show it.
    void SetChangeListener(std::function<void(const QRect&)> listener);
    // Told the area an operation may change before it changes it, with room around a text for
    // letters that reach past their advance, so that what lies there can be kept first.
    void SetWillChangeListener(std::function<void(const QRect&)> listener);
    // Told every text written and the rectangle its letters cover, for checking a layout.
    void SetTextListener(std::function<void(const QString&, const QRect&)> listener);

    QImage& surface() { return surface_; }
    int width() const { return surface_.width(); }
    int height() const { return surface_.height(); }

    void SetBrushColor(QColor color) { brushColor_ = color; }
    QColor brushColor() const { return brushColor_; }
    // A clear brush fills nothing: text goes on a transparent background.
    void SetBrushClear(bool clear) { brushClear_ = clear; }
    bool brushClear() const { return brushClear_; }
    void SetPenColor(QColor color) { penColor_ = color; }
    QColor penColor() const { return penColor_; }
    void SetPenWidth(int width) { penWidth_ = width; }
    // Lines drawn as dashes and gaps of these lengths, in pen widths; none draws them solid.
    void SetPenDashes(QList<qreal> dashes) { penDashes_ = std::move(dashes); }
    void SetFont(int pointSize, bool bold);
    void SetFontColor(QColor color) { fontColor_ = color; }

    // Copies `source` from the picture stretched into `dest`, pixel for pixel when the sizes
    // match, nearest-neighbour otherwise.
    void Draw(const QRect& dest, const QImage& picture, const QRect& source);
    // A sprite: the surface is kept where the mask is white and cleared where it is black, then
    // the picture (black outside its shape) is laid over it. Both share `source`.
    void DrawMasked(const QRect& dest, const QImage& picture, const QImage& mask,
                    const QRect& source);

    void FillRect(int left, int top, int right, int bottom);
    // Outlined with the pen, filled with the brush unless it is clear.
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);

    void MoveTo(int x, int y) { at_ = {x, y}; }
    // The end point is not drawn; the pen moves there.
    void LineTo(int x, int y);

    QRgb Pixel(int x, int y) const;
    void SetPixel(int x, int y, QColor color);

    // Text whose top-left corner is at (x, y); on the brush colour unless the brush is clear.
    void DrawText(int x, int y, const QString& text);
    QSize TextSize(const QString& text) const;
    // The rectangle the letters of `text` cover, from the top-left corner it is drawn at.
    QRect TextInk(const QString& text) const;

  private:
    void WillChange(const QRect& area);
    void Changed(const QRect& area);
    // Paints the box from (left, top) up to but not including (right, bottom), unless it is
    // empty, and reports it changed.
    void PaintBox(int left, int top, int right, int bottom,
                  const std::function<void(QPainter&, const QRect&)>& paint);

    QImage& surface_;
    std::function<void(const QRect&)> listener_;
    std::function<void(const QRect&)> willChange_;
    std::function<void(const QString&, const QRect&)> textListener_;
    QColor brushColor_ = Qt::white;
    bool brushClear_ = false;
    QColor penColor_ = Qt::black;
    int penWidth_ = 1;
    QList<qreal> penDashes_;
    QFont font_;
    QColor fontColor_ = Qt::black;
    QPoint at_;
};

// The point size of a window font as pixels on a 96-pixels-per-inch surface.
int FontPixelSize(int pointSize);

}  // namespace quillane
