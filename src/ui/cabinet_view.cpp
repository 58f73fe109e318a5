#include "ui/cabinet_view.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/Unit1.h"

namespace quillane {

CabinetView::CabinetView(TForm1& form) : form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

QPoint CabinetView::origin() const {
    return {std::max(0, (width() - form_.surface().width()) / 2), 0};
}

void CabinetView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QImage& surface = form_.surface();
    const QRect cabinet(origin(), surface.size());
    const QRegion outside = QRegion(event->rect()).subtracted(cabinet);
    for (const QRect& r : outside)
        p.fillRect(r, QColor(16, 8, 24));
    const QRect shown = event->rect().intersected(cabinet);
    if (!shown.isEmpty())
        p.drawImage(shown, surface, shown.translated(-cabinet.topLeft()));
}

void CabinetView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    form_.Relayout();
}

}  // namespace quillane
