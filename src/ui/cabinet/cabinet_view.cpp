// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cabinet/cabinet_view.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QTimer>
#include <QToolTip>

namespace quillane {

CabinetView::CabinetView(const QImage& surface, Handlers handlers)
    : surface_(surface), handlers_(std::move(handlers)) {
    // The view paints every pixel itself, and its background is the margin's colour wherever Qt
    // shows it instead; what shows before Qt paints is the window's (SetWindowBackground).
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette margin = palette();
    margin.setColor(QPalette::Window, QColor::fromRgb(kMarginColour));
    setPalette(margin);
    setFocusPolicy(Qt::StrongFocus);
}

QPointF CabinetView::origin() const {
    // On a whole screen pixel, so that the surface is shown pixel for pixel.
    const QSize room = deviceSize();
    return QPointF(std::max(0, (room.width() - surface_.width()) / 2),
                   std::max(0, (room.height() - surface_.height()) / 2)) /
           devicePixelRatioF();
}

QSize CabinetView::deviceSize() const {
    const double ratio = devicePixelRatioF();
    return {static_cast<int>(width() * ratio), static_cast<int>(height() * ratio)};
}

void CabinetView::ShowArea(const QRect& area) {
    const double ratio = devicePixelRatioF();
    update(QRectF(origin() + QPointF(area.topLeft()) / ratio, QSizeF(area.size()) / ratio)
               .toAlignedRect());
}

bool CabinetView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || !handlers_.tip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const double ratio = devicePixelRatioF();
    const QPoint at = ((QPointF(help->pos()) - origin()) * ratio).toPoint();
    if (const std::optional<Tip> tip = handlers_.tip(at.x(), at.y())) {
        const QRectF area(origin() + QPointF(tip->area.topLeft()) / ratio,
                          QSizeF(tip->area.size()) / ratio);
        // As rich text, which a tooltip wraps, so that a long tip is a few short lines.
        QToolTip::showText(help->globalPos(),
                           QStringLiteral("<p>%1</p>").arg(tip->text.toHtmlEscaped()), this,
                           area.toAlignedRect());
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

void CabinetView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const double ratio = devicePixelRatioF();
    const QRectF cabinet(origin(), QSizeF(surface_.size()) / ratio);
    const QRegion outside = QRegion(event->rect()).subtracted(QRegion(cabinet.toAlignedRect()));
    for (const QRect& r : outside)
        p.fillRect(r, QColor::fromRgb(kMarginColour));
    const QRectF shown = QRectF(event->rect()).intersected(cabinet);
    if (!shown.isEmpty()) {
        const QRectF source((shown.topLeft() - cabinet.topLeft()) * ratio, shown.size() * ratio);
        // The surface's pixels as they are: an edge the pictures leave part-transparent does not
        // let the margin's colour through.
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(shown, surface_, source);
    }
}

// A click or key may start a spin that runs for seconds; it runs after the event is done with,
// so that Qt is not left inside a press whose release has long come and gone.
void CabinetView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = ((event->position() - origin()) * devicePixelRatioF()).toPoint();
    QTimer::singleShot(0, this, [this, at] { handlers_.click(at.x(), at.y()); });
}

void CabinetView::keyPressEvent(QKeyEvent* event) {
    const bool backtab = event->key() == Qt::Key_Tab && event->modifiers() & Qt::ShiftModifier;
    const int key = backtab ? Qt::Key_Backtab : event->key();
    QTimer::singleShot(0, this, [this, key] { handlers_.key(key); });
}

bool CabinetView::focusNextPrevChild(bool) {
    return false;
}

void CabinetView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    handlers_.resized();
}

}  // namespace quillane
