// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "core/bingo.h"
#include "platform/clock.h"
#include "platform/sound.h"
#include "ui/widgets/picture_view.h"

namespace quillane {

// The bingo bonus game: the player picks a card, the calls play out by themselves at a normal
// or a quick pace until a card is blacked out, and six seconds later the window hands the
// chosen card's total back as the bonus win. On a window larger than its designed client
// area the whole layout grows with it, keeping its proportions; on a smaller one it keeps its
// designed size, centred.
class BonusGameWindow : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(BonusGameWindow)

  public:
    static constexpr int kLayoutWidth = 800;
    static constexpr int kLayoutHeight = 550;
    static constexpr QSize kDesignClientSize{862, 613};
    // A caption's box and font size on the designed layout; both grow with the layout.
    struct CaptionDesign {
        QSize size;
        int pixelSize;
    };

    // `game` is dealt and ready; `playEffect` sounds the pattern and blackout effects.
    // With `quickPlay` the calls come at the quick pace from the first.
    BonusGameWindow(BingoGame game, Clock& clock, std::function<void(Sound)> playEffect,
                    QWidget* parent = nullptr, bool quickPlay = false);
    ~BonusGameWindow() override;

    // Decodes the window's pictures in the background, so that it opens without a wait.
    static void PreparePictures();

    void StartGame();
    void Redraw();
    void ChooseCard(int card);
    void BlueCardClick() { ChooseCard(0); }
    void RedCardClick() { ChooseCard(1); }
    void WhiteCardClick() { ChooseCard(2); }
    void GreenCardClick() { ChooseCard(3); }
    void YellowCardClick() { ChooseCard(4); }
    void ToggleQuickPlay();
    // Reduce Motion: the prompt stands red and the patterns won stand dimmed, neither flashing.
    void SetSteady(bool steady);
    // The numbers dobbed on the cards in black or white, whichever reads better on the dob.
    void SetHighContrast(bool on) { highContrast_ = on; }
    void MakeCall();
    void FlashPrompt();
    void CloseAfterBlackout();
    void BlinkNewPatterns();

    // Told of the card the player chooses, and of the call that blacks a card out.
    void OnCardChosen(std::function<void(int card)> told) { chosenTold_ = std::move(told); }
    void OnBlackout(std::function<void()> told) { blackout_ = std::move(told); }
    // Closes the window before its game is over, handing nothing back: the game is kept and
    // played again at the next start.
    void Dismiss();
    // F1 opens the manual where the cabinet's own F1 does.
    void OnHelp(std::function<void()> help) { help_ = std::move(help); }

    // The keyboard's player: the card (0 to 4) or the monitor (kMonitorStop) highlighted for
    // Enter, none until a key picks one.
    static constexpr int kMonitorStop = kCardCount;
    std::optional<int> candidate() const { return candidate_; }

    // For the main window and for tests.
    const BingoGame& game() const { return *game_; }
    bool cardChosen() const { return cardChosen_; }
    int chosenCard() const { return chosenCard_; }
    // The chosen card's total, once the game is over; 0 before.
    std::int32_t payout() const { return payout_; }
    bool gameOver() const { return gameOver_; }
    bool quickPlay() const { return quickPlay_; }
    Timer& callTimer() { return *callTimer_; }
    Timer& promptTimer() { return *promptTimer_; }
    Timer& closingTimer() { return *closingTimer_; }
    Timer& blinkTimer() { return *blinkTimer_; }
    QLabel* label(const char* objectName) const;
    PictureView* picture(const char* objectName) const;
    const QImage& surface() const { return surface_; }
    QPoint origin() const;

    // Escape: leaving is refused like any other close until the game is over.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The arrows or 1 to 5 pick a card and Enter or Space chooses it; M switches quick play as
    // the monitor does; Tab steps through the cards until one is chosen, then to the monitor.
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct WinCircle {
        int picture;  // the pattern's diagram, 0 to 12
        int place;    // the how-manieth winner of that pattern on its call
        int card;
    };

    struct LabelDesign {
        QLabel* label;
        QSize size;
        int pixelSize;
    };

    void BuildComponents();
    QLabel* NewLabel(const char* name, const CaptionDesign& design, bool bold, const QColor& colour,
                     Qt::Alignment alignment, const QString& text = {});
    // Lengths of the designed layout in pixels at the present scale.
    int Scaled(int designPixels) const;
    // One of the window's pictures at the present scale.
    QImage Picture(const QString& name) const;
    // Brings the pictures, label boxes and fonts to a new scale.
    void Rescale();
    // Sizes a caption's box to the scale and its font to the box.
    void FitCaption(const LabelDesign& design);
    // Sets a caption's text and fits its font to its box again.
    void SetCaption(QLabel* label, const QString& text);
    void DrawCallBoard();
    void DrawCard(int card);
    void ShowBall(int number);
    void PresentWin(const BingoGame::PatternWin& win);
    void DrawWinCircle(const WinCircle& circle);
    void ShowJackpot(bool padded);
    // Names the cards, monitor, call board and patterns as they now stand, for screen readers.
    void NameParts();
    void Pick(std::optional<int> stop);
    // Puts the ring round the candidate, over whatever lies beside it, or hides it.
    void PlaceCandidateRing();

    Clock& clock_;
    std::function<void(Sound)> playEffect_;
    std::function<void(int)> chosenTold_;
    std::function<void()> blackout_;
    std::function<void()> help_;
    std::optional<int> candidate_;
    QWidget* candidateRing_ = nullptr;
    bool dismissed_ = false;
    std::unique_ptr<BingoGame> game_;
    std::int32_t payout_ = 0;
    std::unique_ptr<Timer> callTimer_;
    std::unique_ptr<Timer> promptTimer_;  // flashes "Select Your Card"
    std::unique_ptr<Timer> closingTimer_;
    std::unique_ptr<Timer> blinkTimer_;  // the patterns won on the last call

    bool built_ = false;
    double scale_ = 0;       // none yet: the first layout sets every size
    double pixelRatio_ = 1;  // device pixels per logical pixel of the screen shown on
    bool cardChosen_ = false;
    int chosenCard_ = 0;
    bool gameOver_ = false;
    bool quickPlay_ = false;
    bool quickFromStart_ = false;
    bool blinkOn_ = false;
    bool steady_ = false;
    bool highContrast_ = false;
    std::array<bool, kPatternCount> newlyWon_{};
    std::vector<WinCircle> circles_;
    int lastBall_ = 0;  // the number on the monitor, 0 before the first call
    std::vector<LabelDesign> labelDesigns_;

    QImage surface_;
    std::array<PictureView*, kCardCount> cards_{};
    std::array<QImage, kCardCount> blankCards_;
    std::array<QLabel*, kCardCount> scores_{};
    PictureView* callBoard_ = nullptr;
    QImage blankCallBoard_;
    PictureView* monitor_ = nullptr;
    QImage blankMonitor_;
    std::array<QImage, kCardCount> balls_;
    std::array<PictureView*, kPatternCount> patterns_{};     // by diagram number
    std::array<PictureView*, kPatternCount> patternsWon_{};  // dimmed copies; none for 0
    std::array<QLabel*, kPatternCount> names_{};             // by diagram number, 1 to 12
    std::array<QLabel*, kPatternCount> pays_{};              // likewise
    QLabel* yourCardLabel_ = nullptr;
    QLabel* selectCardLabel_ = nullptr;
    QLabel* numbersCalledLabel_ = nullptr;
    QLabel* callCountLabel_ = nullptr;
    QLabel* blackoutBonusLabel_ = nullptr;
    QLabel* jackpotLabel_ = nullptr;
    QLabel* quickPlayLabel_ = nullptr;
};

}  // namespace quillane
