// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cabinet/reminder_notice.h"

#include <QMouseEvent>
#include <algorithm>

#include "ui/cabinet/cabinet_view.h"
#include "ui/widgets/window_style.h"

namespace quillane {

ReminderNotice::ReminderNotice(CabinetView* view) : QLabel(view), view_(view) {
    setObjectName(QStringLiteral("reminderNotice"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    // White on a deep blue inside a gold rim: well over 4.5:1, and plainly not part of the meters.
    setStyleSheet(
        QStringLiteral("QLabel { color: #ffffff; background: #14143c; "
                       "border: 2px solid #e8b830; border-radius: 6px; padding: 2px; }"));
    setCursor(Qt::PointingHandCursor);
    hide();
}

void ReminderNotice::Show(const QString& text, int pixelSize) {
    setFont(GameFont(pixelSize, true));
    setText(text);
    show();
    raise();
}

void ReminderNotice::Place(const QRect& panel) {
    const double ratio = view_->devicePixelRatioF();
    const QRectF area(view_->origin() + QPointF(panel.topLeft()) / ratio,
                      QSizeF(panel.size()) / ratio);
    const QRect box = area.toAlignedRect();
    // As tall as its words need, and never shorter than the panel it covers.
    setFixedWidth(box.width());
    setFixedHeight(std::max(box.height(), heightForWidth(box.width())));
    move(box.topLeft());
}

void ReminderNotice::mousePressEvent(QMouseEvent* event) {
    event->accept();
    hide();
}

}  // namespace quillane
