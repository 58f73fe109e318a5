#pragma once

#include <QDialog>
#include <QImage>
#include <QRadioButton>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quillane {

class TForm1;

// Borrowing credits, or paying back what was borrowed, in fixed amounts. Every press works on
// the live game's credits and borrowed counters at once.
class TBorrowC : public QDialog {
  public:
    static constexpr std::array<std::int32_t, 4> kAmounts = {1000, 100, 10, 1};
    static constexpr int kWindowTopic = 41003;
    static constexpr int kControlsTopic = 41005;

    explicit TBorrowC(TForm1& main);

    // An amount button; `tag` 0 to 3 picks 1000, 100, 10 or 1.
    void BitBtn1Click(int tag);
    void BitBtn7Click();
    void FormPaint();

    QRadioButton* borrowMode() const { return radio1_; }
    QRadioButton* payBackMode() const { return radio2_; }
    const QImage& surface() const { return surface_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TForm1& main_;
    QRadioButton* radio1_ = nullptr;
    QRadioButton* radio2_ = nullptr;
    QImage surface_;
};

// The refusal of a pay-back, or nothing when it may go ahead.
std::optional<std::string> PayBackRefusal(std::int32_t amount, std::int32_t credits,
                                          std::int32_t borrowed);
// The refusal of a borrow that would take a counter past its largest value.
std::optional<std::string> BorrowRefusal(std::int32_t amount, std::int32_t credits,
                                         std::int32_t borrowed);

}  // namespace quillane
