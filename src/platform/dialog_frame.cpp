// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/dialog_frame.h"

#include <QEvent>
#include <QWindowStateChangeEvent>

namespace quillane {
namespace {

class StayRestored : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::WindowStateChange || dialog == nullptr ||
            !dialog->isMinimized()) {
            return false;
        }
        const Qt::WindowStates before =
            static_cast<QWindowStateChangeEvent*>(event)->oldState() & ~Qt::WindowMinimized;
        // Once the window system has finished minimising; the parent first, so the dialog
        // comes back on top of it.
        QMetaObject::invokeMethod(
            dialog,
            [dialog, before] {
                if (QWidget* parent = dialog->parentWidget()) {
                    QWidget* main = parent->window();
                    main->setWindowState(main->windowState() & ~Qt::WindowMinimized);
                }
                dialog->setWindowState(before);
            },
            Qt::QueuedConnection);
        return false;
    }
};

}  // namespace

void UseDialogFrame(QDialog& dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    dialog.setModal(true);
    dialog.installEventFilter(new StayRestored(&dialog));
}

}  // namespace quillane
