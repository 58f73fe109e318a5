#include "ui/cabinet_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

namespace quillane {

CabinetView::CabinetView(const QImage& surface, Handlers handlers)
    : surface_(surface), handlers_(std::move(handlers)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

QPoint CabinetView::origin() const {
    return {std::max(0, (width() - surface_.width()) / 2), 0};
}

void CabinetView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QImage& surface = surface_;
    const QRect cabinet(origin(), surface.size());
    const QRegion outside = QRegion(event->rect()).subtracted(cabinet);
    for (const QRect& r : outside)
        p.fillRect(r, QColor(16, 8, 24));
    const QRect shown = event->rect().intersected(cabinet);
    if (!shown.isEmpty())
        p.drawImage(shown, surface, shown.translated(-cabinet.topLeft()));
}

// A click or key may start a spin that runs for seconds; it runs after the event is done with,
// so that Qt is not left inside a press whose release has long come and gone.
void CabinetView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() - origin();
    QTimer::singleShot(0, this, [this, at] { handlers_.click(at.x(), at.y()); });
}

void CabinetView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    QTimer::singleShot(0, this, [this, key] { handlers_.key(key); });
}

void CabinetView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    handlers_.resized();
}

}  // namespace quillane
