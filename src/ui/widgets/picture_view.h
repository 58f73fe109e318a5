// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace quillane {

// Shows its picture at its own size and reports clicks.
class PictureView : public QWidget {
  public:
    explicit PictureView(QWidget* parent, QImage picture = {});

    QImage& picture() { return picture_; }
    void SetPicture(QImage picture);
    // Shows changes made to picture().
    void Changed() { update(); }
    void SetClickHandler(std::function<void()> onClick) { onClick_ = std::move(onClick); }
    bool clickable() const { return static_cast<bool>(onClick_); }
    // What a click does, for assistive technology's press.
    void Press() {
        if (onClick_)
            onClick_();
    }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
    std::function<void()> onClick_;
};

}  // namespace quillane
