// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/bonus/bonus_game_window.h"

#include <QCloseEvent>
#include <QPainter>

#include "platform/asset_files.h"
#include "ui/access/accessibility.h"
#include "ui/access/spoken_results.h"
#include "ui/durations.h"
#include "ui/widgets/number_format.h"
#include "ui/widgets/window_style.h"

// The bonus window's pictures are compiled into this static library.
static void RegisterBonusPictures() {
    Q_INIT_RESOURCE(bonus);
}

namespace quillane {

BonusGameWindow::BonusGameWindow(BingoGame game, Clock& clock,
                                 std::function<void(Sound)> playEffect, QWidget* parent,
                                 bool quickPlay)
    : QDialog(parent),
      clock_(clock),
      playEffect_(std::move(playEffect)),
      game_(std::make_unique<BingoGame>(std::move(game))) {
    RegisterBonusPictures();
    quickFromStart_ = quickPlay;
    //: The bonus game window's title
    setWindowTitle(tr("Bingo Bonus Game"));
    UseDialogFrame(*this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kDesignClientSize);
    BuildComponents();
    callTimer_ = clock_.NewTimer(durations::kFirstCallMs, false, [this] { MakeCall(); });
    promptTimer_ = clock_.NewTimer(durations::kPromptFlashMs, true, [this] { FlashPrompt(); });
    closingTimer_ = clock_.NewTimer(durations::kClosingMs, false, [this] { CloseAfterBlackout(); });
    blinkTimer_ = clock_.NewTimer(durations::kPatternBlinkMs, true, [this] { BlinkNewPatterns(); });
    StartGame();
    built_ = true;
    Redraw();
    NameParts();
}

void BonusGameWindow::PreparePictures() {
    RegisterBonusPictures();
    PrepareSharedPictures(QStringLiteral(":/bonus"));
}

BonusGameWindow::~BonusGameWindow() {
    for (Timer* t : {callTimer_.get(), promptTimer_.get(), closingTimer_.get(), blinkTimer_.get()})
        t->SetEnabled(false);
}

void BonusGameWindow::StartGame() {
    cardChosen_ = false;
    gameOver_ = false;
    quickPlay_ = false;
    payout_ = 0;
    ShowJackpot(true);
    //: Bonus game caption under a pattern, in a small box; %1 is what the pattern pays
    const QString pays = tr("Pays %1").arg(game_->patternPay());
    for (int n = 1; n < kPatternCount; ++n)
        SetCaption(pays_[static_cast<std::size_t>(n)], pays);
    //: Bonus game caption over the count of balls called, on two short lines
    SetCaption(numbersCalledLabel_, tr("Numbers\nCalled"));
}

void BonusGameWindow::ShowJackpot(bool padded) {
    constexpr int kPaddedWidth = 10;  // characters, the first jackpot set to the right
    const QString text = WithThousands(JackpotCredits(game_->jackpot()));
    jackpotLabel_->setText(padded ? text.rightJustified(kPaddedWidth, ' ') : text);
}

void BonusGameWindow::ChooseCard(int card) {
    if (cardChosen_ || card < 0 || card >= kCardCount)
        return;
    quickPlayLabel_->show();
    chosenCard_ = card;
    PictureView* chosen = cards_[static_cast<std::size_t>(card)];
    yourCardLabel_->move(chosen->x(), chosen->y() - yourCardLabel_->height());
    cardChosen_ = true;
    Pick(std::nullopt);
    if (quickFromStart_ && !quickPlay_)
        ToggleQuickPlay();
    for (QLabel* score : scores_)
        score->show();
    yourCardLabel_->show();
    promptTimer().SetEnabled(false);
    selectCardLabel_->hide();
    callTimer().SetInterval(durations::kFirstCallMs);
    callTimer().SetEnabled(true);
    NameParts();
    //: Told to a screen reader; %1 is the card's number, 1 to 5
    Announce(this, tr("You chose card %1").arg(card + 1));
    if (chosenTold_)
        chosenTold_(card);
}

void BonusGameWindow::ToggleQuickPlay() {
    if (!cardChosen_)
        return;
    quickPlay_ = !quickPlay_;
    SetCaption(quickPlayLabel_,
               quickPlay_
                   //: Bonus game caption under the monitor: a click on it calls at normal pace
                   ? tr("Click Monitor for Normal Play")
                   //: Bonus game caption under the monitor: a click on it calls the balls quickly
                   : tr("Click Monitor for Quick Play"));
    NameParts();
}

void BonusGameWindow::SetSteady(bool steady) {
    steady_ = steady;
    if (!steady || cardChosen_)
        return;
    promptTimer().SetEnabled(false);
    QPalette palette = selectCardLabel_->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    selectCardLabel_->setPalette(palette);
}

void BonusGameWindow::MakeCall() {
    if (game_->Over())
        return;
    callTimer().SetInterval(quickPlay_ ? durations::kQuickCallMs : durations::kNormalCallMs);
    for (int p = 0; p < kPatternCount; ++p) {
        if (!newlyWon_[static_cast<std::size_t>(p)])
            continue;
        const int n = kPatterns[static_cast<std::size_t>(p)].picture;
        patterns_[static_cast<std::size_t>(n)]->hide();
        patternsWon_[static_cast<std::size_t>(n)]->show();
    }
    newlyWon_ = {};
    blinkTimer().SetEnabled(false);

    const BingoGame::CallResult call = game_->Call();
    callCountLabel_->setText(QString::number(call.call));
    ShowJackpot(false);
    ShowBall(call.number);
    DrawCallBoard();
    for (int c : call.dobbed)
        DrawCard(c);
    bool blackout = false;
    for (const BingoGame::PatternWin& win : call.wins) {
        if (win.pattern == Pattern::Blackout) {
            blackout = true;
            continue;
        }
        PresentWin(win);
    }
    if (!quickPlay_ && !steady_)
        blinkTimer().SetEnabled(true);
    for (const BingoGame::PatternWin& win : call.wins) {
        if (win.pattern == Pattern::Blackout)
            PresentWin(win);
    }
    NameParts();
    QString told = CallReport(call, chosenCard_);
    if (blackout)
        //: Told to a screen reader after the call that ended the bonus game; %1 is what
        //: the game paid. Follows the call's report after a semicolon
        told += tr("; the bonus game pays %1").arg(WithThousands(game_->total(chosenCard_)));
    Announce(this, told);
    if (blackout) {
        gameOver_ = true;
        callTimer().SetEnabled(false);
        closingTimer().SetEnabled(true);
        if (blackout_)
            blackout_();
    }
}

void BonusGameWindow::PresentWin(const BingoGame::PatternWin& win) {
    const auto index = static_cast<std::size_t>(win.pattern);
    const int n = kPatterns[index].picture;
    int place = 0;
    for (int card : win.cards) {
        const WinCircle circle{n, place++, card};
        circles_.push_back(circle);
        DrawWinCircle(circle);
        if (win.pattern == Pattern::Blackout)
            continue;
        newlyWon_[index] = true;
        patterns_[static_cast<std::size_t>(n)]->hide();
        patternsWon_[static_cast<std::size_t>(n)]->show();
        QLabel* name = names_[static_cast<std::size_t>(n)];
        QPalette palette = name->palette();
        palette.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
        name->setPalette(palette);
        pays_[static_cast<std::size_t>(n)]->hide();
        if (!quickPlay_)
            callTimer().SetInterval(durations::kPauseAfterWinMs);
    }
    if (win.pattern == Pattern::Blackout) {
        playEffect_(Sound::Start);
    } else {
        playEffect_(Sound::Bonus);
    }
    for (int card : win.cards) {
        QLabel* score = scores_[static_cast<std::size_t>(card)];
        score->setText(QString::number(game_->total(card)));
        score->repaint();
    }
}

void BonusGameWindow::FlashPrompt() {
    QPalette palette = selectCardLabel_->palette();
    const bool red = palette.color(QPalette::WindowText) == QColor(255, 0, 0);
    palette.setColor(QPalette::WindowText, red ? QColor(0, 0, 0) : QColor(255, 0, 0));
    selectCardLabel_->setPalette(palette);
}

void BonusGameWindow::CloseAfterBlackout() {
    closingTimer().SetEnabled(false);
    close();
}

void BonusGameWindow::BlinkNewPatterns() {
    blinkOn_ = !blinkOn_;
    for (int p = 0; p < kPatternCount; ++p) {
        if (!newlyWon_[static_cast<std::size_t>(p)])
            continue;
        const int n = kPatterns[static_cast<std::size_t>(p)].picture;
        patterns_[static_cast<std::size_t>(n)]->setVisible(blinkOn_);
        patternsWon_[static_cast<std::size_t>(n)]->setVisible(!blinkOn_);
    }
}

void BonusGameWindow::Dismiss() {
    dismissed_ = true;
    close();
}

void BonusGameWindow::closeEvent(QCloseEvent* event) {
    // The bonus game cannot be left before a card is blacked out.
    if (!gameOver_ && !dismissed_) {
        event->ignore();
        return;
    }
    for (Timer* t : {callTimer_.get(), promptTimer_.get(), closingTimer_.get(), blinkTimer_.get()})
        t->SetEnabled(false);
    if (gameOver_)
        payout_ = game_->total(chosenCard_);
    event->accept();
    done(gameOver_ ? QDialog::Accepted : QDialog::Rejected);
}

void BonusGameWindow::reject() {
    close();
}

}  // namespace quillane
