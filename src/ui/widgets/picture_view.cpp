// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/picture_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace quillane {

PictureView::PictureView(QWidget* parent, QImage picture) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetPicture(std::move(picture));
}

void PictureView::SetPicture(QImage picture) {
    picture_ = std::move(picture);
    // A picture drawn for a screen that doubles pixels is shown at its logical size.
    setFixedSize(picture_.isNull() ? QSize(1, 1) : picture_.deviceIndependentSize().toSize());
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    // After the press is delivered: the handler may run for a while.
    if (onClick_)
        QTimer::singleShot(0, this, onClick_);
}

}  // namespace quillane
