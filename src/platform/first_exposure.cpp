// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/first_exposure.h"

#include <QEvent>
#include <QWindow>

namespace quillane {

namespace {

// The native window exists only once the widget is shown: the watch moves on to it then.
class ExposureWatch : public QObject {
  public:
    ExposureWatch(QWidget& window, std::function<void()> exposed)
        : QObject(&window), window_(window), exposed_(std::move(exposed)) {
        if (window_.windowHandle() != nullptr)
            window_.windowHandle()->installEventFilter(this);
        else
            window_.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show &&
            window_.windowHandle() != nullptr) {
            window_.removeEventFilter(this);
            window_.windowHandle()->installEventFilter(this);
        } else if (watched == window_.windowHandle() && event->type() == QEvent::Expose &&
                   window_.windowHandle()->isExposed() && exposed_) {
            const std::function<void()> exposed = std::move(exposed_);
            exposed_ = nullptr;
            watched->removeEventFilter(this);
            exposed();
        }
        return false;
    }

  private:
    QWidget& window_;
    std::function<void()> exposed_;
};

}  // namespace

void OnFirstExposure(QWidget& window, std::function<void()> exposed) {
    new ExposureWatch(window, std::move(exposed));
}

}  // namespace quillane
