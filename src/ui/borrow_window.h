#pragma once

#include <QDialog>
#include <QImage>
#include <QRadioButton>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quillane {

class CabinetWindow;

// Borrowing credits, or paying back what was borrowed, in fixed amounts. Every press works on
// the live game's credits and borrowed counters at once.
class BorrowWindow : public QDialog {
  public:
    static constexpr std::array<std::int32_t, 4> kAmounts = {1000, 100, 10, 1};
    static constexpr int kWindowTopic = 41003;
    static constexpr int kControlsTopic = 41005;

    explicit BorrowWindow(CabinetWindow& main);

    // An amount button; `tag` 0 to 3 picks 1000, 100, 10 or 1.
    void PressAmount(int tag);
    void ShowHelpText();
    void Redraw();

    QRadioButton* borrowMode() const { return borrowMode_; }
    QRadioButton* payBackMode() const { return payBackMode_; }
    const QImage& surface() const { return surface_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    CabinetWindow& main_;
    QRadioButton* borrowMode_ = nullptr;
    QRadioButton* payBackMode_ = nullptr;
    QImage surface_;
};

// The refusal of a pay-back, or nothing when it may go ahead.
std::optional<std::string> PayBackRefusal(std::int32_t amount, std::int32_t credits,
                                          std::int32_t borrowed);
// The refusal of a borrow that would take a counter past its largest value.
std::optional<std::string> BorrowRefusal(std::int32_t amount, std::int32_t credits,
                                         std::int32_t borrowed);

}  // namespace quillane
