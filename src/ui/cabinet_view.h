#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace quillane {

// Shows the cabinet's surface, centred across the window, and hands clicks (in surface
// coordinates), keys and resizes on.
class CabinetView : public QWidget {
  public:
    struct Handlers {
        std::function<void(int x, int y)> click;
        std::function<void(int key)> key;
        std::function<void()> resized;
    };

    CabinetView(const QImage& surface, Handlers handlers);

    // Where the surface's origin lies in the view.
    QPoint origin() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const QImage& surface_;
    Handlers handlers_;
};

}  // namespace quillane
