#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "core/bingo.h"
#include "platform/clock.h"
#include "ui/picture_box.h"

namespace quillane {

class TForm1;

// The bingo bonus game: the player picks a card, the calls play out by themselves at a normal
// or a quick pace until a card is blacked out, and six seconds later the window hands the
// chosen card's total back to the main window as the bonus win.
class TBonusGameForm : public QDialog {
  public:
    static constexpr int kLayoutWidth = 800;
    static constexpr int kLayoutHeight = 550;
    static constexpr int kNormalCallMs = 1000;
    static constexpr int kQuickCallMs = 100;
    static constexpr int kPauseAfterWinMs = 5000;
    static constexpr int kCloseDelayMs = 6000;

    TBonusGameForm(TForm1& main, Clock& clock);
    ~TBonusGameForm() override;

    void FormCreate();
    void FormPaint();
    void CardClick(int card);
    void BlueCardClick() { CardClick(0); }
    void RedCardClick() { CardClick(1); }
    void WhiteCardClick() { CardClick(2); }
    void GreenCardClick() { CardClick(3); }
    void YellowCardClick() { CardClick(4); }
    void MonitorClick();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();

    // For the main window and for tests.
    const BingoGame& game() const { return *game_; }
    bool cardChosen() const { return cardChosen_; }
    int chosenCard() const { return chosenCard_; }
    bool gameOver() const { return gameOver_; }
    bool quickPlay() const { return quickPlay_; }
    Timer& timer(int n) { return *timers_[static_cast<std::size_t>(n - 1)]; }
    QLabel* label(const char* objectName) const;
    PictureBox* picture(const char* objectName) const;
    const QImage& surface() const { return surface_; }
    QPoint origin() const;

    // Escape: leaving is refused like any other close until the game is over.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct WinCircle {
        int picture;  // the pattern's diagram, 0 to 12
        int place;    // the how-manieth winner of that pattern on its call
        int card;
    };

    void BuildComponents();
    QLabel* NewLabel(const char* name, int width, int height, int pixelSize, bool bold,
                     const QColor& colour, Qt::Alignment alignment, const QString& text = {});
    void DrawCallBoard();
    void DrawCard(int card);
    void ShowBall(int number);
    void PresentWin(const BingoGame::PatternWin& win);
    void DrawWinCircle(const WinCircle& circle);
    void ShowJackpot(bool padded);

    TForm1& main_;
    Clock& clock_;
    std::unique_ptr<BingoGame> game_;
    std::array<std::unique_ptr<Timer>, 4> timers_;

    bool built_ = false;
    bool cardChosen_ = false;
    int chosenCard_ = 0;
    bool gameOver_ = false;
    bool quickPlay_ = false;
    bool blinkOn_ = false;
    std::array<bool, kPatternCount> newlyWon_{};
    std::vector<WinCircle> circles_;

    QImage surface_;
    std::array<PictureBox*, kCardCount> cards_{};
    std::array<QImage, kCardCount> blankCards_;
    std::array<QLabel*, kCardCount> scores_{};
    PictureBox* callBoard_ = nullptr;
    QImage blankCallBoard_;
    PictureBox* monitor_ = nullptr;
    std::array<QImage, kCardCount> balls_;
    std::array<PictureBox*, kPatternCount> patterns_{};     // by diagram number
    std::array<PictureBox*, kPatternCount> patternsWon_{};  // dimmed copies; none for 0
    std::array<QLabel*, kPatternCount> names_{};            // B1 to B12
    std::array<QLabel*, kPatternCount> pays_{};             // GP1 to GP12
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* label6_ = nullptr;
    QLabel* quickPlayLabel_ = nullptr;
};

}  // namespace quillane
