// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace quillane {

int FontPixelSize(int pointSize) {
    return static_cast<int>(std::lround(pointSize * 96.0 / 72.0));
}

Canvas::Canvas(QImage& surface) : surface_(surface) {
    // A condensed face keeps the captions inside the cabinet's small keys.
    font_.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    SetFont(8, false);
}

void Canvas::SetChangeListener(std::function<void(const QRect&)> listener) {
    listener_ = std::move(listener);
}

void Canvas::SetWillChangeListener(std::function<void(const QRect&)> listener) {
    willChange_ = std::move(listener);
}

void Canvas::SetFont(int pointSize, bool bold) {
    font_.setPixelSize(FontPixelSize(pointSize));
    font_.setBold(bold);
}

void Canvas::SetTextListener(std::function<void(const QString&, const QRect&)> listener) {
    textListener_ = std::move(listener);
}

void Canvas::WillChange(const QRect& area) {
    if (willChange_)
        willChange_(area);
}

void Canvas::Changed(const QRect& area) {
    if (listener_)
        listener_(area.intersected(QRect(QPoint(), surface_.deviceIndependentSize().toSize())));
}

void Canvas::Draw(const QRect& dest, const QImage& picture, const QRect& source) {
    if (dest.isEmpty() || source.isEmpty() || picture.isNull())
        return;
    WillChange(dest);
    QPainter p(&surface_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(dest, picture, source);
    Changed(dest);
}

void Canvas::DrawMasked(const QRect& dest, const QImage& picture, const QImage& mask,
                        const QRect& source) {
    if (dest.isEmpty() || source.isEmpty() || picture.isNull() || mask.isNull())
        return;
    WillChange(dest);
    QPainter p(&surface_);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(dest, mask, source);
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(dest, picture, source);
    Changed(dest);
}

void Canvas::PaintBox(int left, int top, int right, int bottom,
                      const std::function<void(QPainter&, const QRect&)>& paint) {
    const QRect area(QPoint(left, top), QPoint(right - 1, bottom - 1));
    if (area.isEmpty())
        return;
    WillChange(area);
    QPainter p(&surface_);
    paint(p, area);
    Changed(area);
}

void Canvas::FillRect(int left, int top, int right, int bottom) {
    PaintBox(left, top, right, bottom,
             [this](QPainter& p, const QRect& area) { p.fillRect(area, brushColor_); });
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    PaintBox(left, top, right, bottom, [this](QPainter& p, const QRect& area) {
        if (!brushClear_)
            p.fillRect(area, brushColor_);
        p.setPen(QPen(penColor_, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(area.adjusted(0, 0, -1, -1));
    });
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
    PaintBox(left, top, right, bottom, [this](QPainter& p, const QRect& area) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(penColor_, penWidth_));
        p.setBrush(brushClear_ ? QBrush(Qt::NoBrush) : QBrush(brushColor_));
        const qreal inset = penWidth_ / 2.0;
        p.drawEllipse(QRectF(area).adjusted(inset, inset, -inset, -inset));
    });
}

void Canvas::LineTo(int x, int y) {
    const QPoint to(x, y);
    if (to != at_) {
        const int margin = penWidth_ / 2 + 1;
        const QRect area = QRect(at_, to).normalized().adjusted(-margin, -margin, margin, margin);
        WillChange(area);
        QPainter p(&surface_);
        QPen pen(penColor_, penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        if (penWidth_ <= 1 || !penDashes_.isEmpty())
            pen.setCapStyle(Qt::FlatCap);
        if (!penDashes_.isEmpty())
            pen.setDashPattern(penDashes_);
        p.setPen(pen);
        p.drawLine(at_, to);
        Changed(area);
    }
    at_ = to;
}

QRgb Canvas::Pixel(int x, int y) const {
    if (!surface_.rect().contains(x, y))
        return qRgb(0, 0, 0);
    return surface_.pixel(x, y);
}

void Canvas::SetPixel(int x, int y, QColor color) {
    if (!surface_.rect().contains(x, y))
        return;
    WillChange(QRect(x, y, 1, 1));
    surface_.setPixel(x, y, color.rgb());
    Changed(QRect(x, y, 1, 1));
}

void Canvas::DrawText(int x, int y, const QString& text) {
    if (text.isEmpty())
        return;
    const QRect area(QPoint(x, y), TextSize(text));
    const int reach = area.height();
    WillChange(area.adjusted(-reach, -reach, reach, reach));
    QPainter p(&surface_);
    if (!brushClear_)
        p.fillRect(area, brushColor_);
    p.setFont(font_);
    p.setPen(fontColor_);
    p.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    Changed(area);
    if (textListener_)
        textListener_(text, TextInk(text).translated(x, y));
}

QSize Canvas::TextSize(const QString& text) const {
    const QFontMetrics metrics(font_);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

QRect Canvas::TextInk(const QString& text) const {
    const QFontMetrics metrics(font_);
    return metrics.tightBoundingRect(text).translated(0, metrics.ascent());
}

}  // namespace quillane
