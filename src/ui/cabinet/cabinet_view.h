// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

namespace quillane {

// Shows the cabinet's surface, centred in the window both ways, and hands clicks (in surface
// pixels), keys and resizes on. The surface has one pixel for each of the screen's.
class CabinetView : public QWidget {
  public:
    // Around the cabinet where the window's shape is not the cabinet's.
    static constexpr QRgb kMarginColour = qRgb(16, 8, 24);

    // What a painted key says when the mouse rests on it, and where it stands (in surface
    // pixels), so that the tip goes as the mouse leaves the key.
    struct Tip {
        QString text;
        QRect area;
    };
    struct Handlers {
        std::function<void(int x, int y)> click;
        std::function<void(int key)> key;
        std::function<void()> resized;
        std::function<std::optional<Tip>(int x, int y)> tip;
    };

    CabinetView(const QImage& surface, Handlers handlers);

    // Where the surface's origin lies in the view.
    QPointF origin() const;
    // The view's size in the screen's own pixels, which the surface is drawn in, so that it
    // stays sharp on a screen that doubles every pixel.
    QSize deviceSize() const;
    // Shows again an area of the surface, given in its pixels.
    void ShowArea(const QRect& area);

  protected:
    // Shows the tooltip of the key under the mouse.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab moves the focus ring over the cabinet's keys, never away from the cabinet.
    bool focusNextPrevChild(bool next) override;

  private:
    const QImage& surface_;
    Handlers handlers_;
};

}  // namespace quillane
