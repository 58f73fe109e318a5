#pragma once

#include <QWidget>

namespace quillane {

class CabinetWindow;

// Shows the cabinet's surface, centred across the window, and hands clicks and keys to it.
class CabinetView : public QWidget {
  public:
    explicit CabinetView(CabinetWindow& form);

    // Where the surface's origin lies in the view.
    QPoint origin() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    CabinetWindow& form_;
};

}  // namespace quillane
