// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/bingo.h"
#include "core/return_figures.h"
#include "platform/canvas.h"
#include "ui/chart/payoff_chart_layout.h"
#include "ui/widgets/picture_view.h"

namespace quillane {

// The payoff chart: the pay table with the main window's own symbol pictures, the rules of
// play, the scatter pays and the bingo bonus with its thirteen patterns. Laid out on the
// cabinet's design grid at the widest layout that fits its own window, centred there and laid
// out again when the window changes size; closed with Close or Escape.
class PayoffChart : public QDialog {
  public:
    static constexpr int kHelpTopic = 41010;

    // A text as Redraw wrote it on the surface.
    struct WrittenText {
        QString text;
        QRect area;
        QColor colour;
        int points;
    };

    // The chart is drawn with the cabinet's symbol sheet, whose cells are `cellSize` pixels on
    // the cabinet's layout `sheetWidth` wide, and fills `area`, the screen's.
    PayoffChart(int sheetWidth, const QImage& symbolSheet, int cellSize, const QRect& area,
                std::function<void(int)> showHelpTopic, QWidget* parent = nullptr);

    // Writes the game's own figures for a bet in a line across the chart's foot.
    void ShowReturn(const TheoreticalReturn& figures);
    void Redraw();
    void CloseChart();
    void DrawSymbolBox(int x, int y, int n);
    void DrawSmallSymbolBox(int x, int y, int n);

    // For tests.
    const PaychartLayout& layout() const { return layout_; }
    const QImage& surface() const { return surface_; }
    // Where the surface's origin lies in the window.
    QPoint origin() const;
    const std::vector<WrittenText>& written() const { return written_; }
    QPushButton* closeButton() const { return closeButton_; }
    PictureView* diagram(int place) const { return diagrams_[static_cast<std::size_t>(place)]; }
    QLabel* caption(int place) const { return captions_[static_cast<std::size_t>(place)]; }

  protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildComponents();
    // The window's own texts, in the player's language.
    void SetTexts();
    void DrawCell(int x, int y, int side, int n);
    void DrawFrame(int x, int y, int side);
    void Write(const ChartText& text);
    void PlaceComponents(const PaychartLayout& layout);

    int sheetWidth_;
    QImage symbolSheet_;
    int cellSize_;
    PaychartLayout layout_{};
    QImage Diagram(std::size_t place, int side, double ratio) const;

    std::array<QImage, kPatternCount> diagramPictures_;       // at their own size
    std::array<QImage, kPatternCount> largeDiagramPictures_;  // at twice their size
    std::function<void(int)> showHelpTopic_;
    std::optional<TheoreticalReturn> figures_;  // written across the foot when there are some
    QImage surface_;
    Canvas canvas_{surface_};
    std::vector<WrittenText> written_;
    QPushButton* closeButton_ = nullptr;
    std::array<PictureView*, kPatternCount> diagrams_{};
    std::array<QLabel*, kPatternCount> captions_{};
    bool built_ = false;
};

}  // namespace quillane
