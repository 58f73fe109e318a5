#pragma once

#include <QWidget>

namespace quillane {

class TForm1;

// Shows the cabinet's surface, centred across the window, and hands clicks and keys to it.
class CabinetView : public QWidget {
  public:
    explicit CabinetView(TForm1& form);

    // Where the surface's origin lies in the view.
    QPoint origin() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TForm1& form_;
};

}  // namespace quillane
