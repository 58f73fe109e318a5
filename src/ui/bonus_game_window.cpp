#include "ui/bonusgame.h"

#include <QCloseEvent>
#include <QPainter>

#include "ui/Unit1.h"
#include "ui/number_format.h"
#include "ui/window_style.h"

// The bonus window's pictures are compiled into this static library.
static void RegisterBonusPictures() {
    Q_INIT_RESOURCE(bonus);
}

namespace quillane {

TBonusGameForm::TBonusGameForm(TForm1& main, Clock& clock)
    : QDialog(&main), main_(main), clock_(clock) {
    RegisterBonusPictures();
    setWindowTitle(QStringLiteral("Bingo Bonus Game"));
    UseDialogFrame(*this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(862, 613);
    BuildComponents();
    timers_[0] = clock_.NewTimer(10, false, [this] { Timer1Timer(); });
    timers_[1] = clock_.NewTimer(200, true, [this] { Timer2Timer(); });
    timers_[2] = clock_.NewTimer(kCloseDelayMs, false, [this] { Timer3Timer(); });
    timers_[3] = clock_.NewTimer(200, true, [this] { Timer4Timer(); });
    FormCreate();
    built_ = true;
    FormPaint();
}

TBonusGameForm::~TBonusGameForm() {
    for (auto& t : timers_)
        t->SetEnabled(false);
}

void TBonusGameForm::FormCreate() {
    main_.random().Seed(main_.TimeOfDaySeed());
    cardChosen_ = false;
    gameOver_ = false;
    quickPlay_ = false;
    main_.state().bonusWin = 0;
    const std::int32_t lastSlotBet = main_.state().creditsPerLine * main_.state().linesBet;
    game_ = std::make_unique<BingoGame>(main_.random(), lastSlotBet);
    ShowJackpot(true);
    const QString pays = "Pays " + QString::number(game_->patternPay());
    for (int n = 1; n < kPatternCount; ++n)
        pays_[static_cast<std::size_t>(n)]->setText(pays);
    label3_->setText(QStringLiteral("Numbers\nCalled"));
    for (int c = 0; c < kCardCount; ++c)
        DrawCard(c);
    DrawCallBoard();
}

void TBonusGameForm::ShowJackpot(bool padded) {
    const QString text = WithThousands(JackpotCredits(game_->jackpot()));
    label6_->setText(padded ? text.rightJustified(10, ' ') : text);
}

void TBonusGameForm::CardClick(int card) {
    if (cardChosen_ || card < 0 || card >= kCardCount)
        return;
    quickPlayLabel_->show();
    chosenCard_ = card;
    PictureBox* chosen = cards_[static_cast<std::size_t>(card)];
    label1_->move(chosen->x(), chosen->y() - label1_->height());
    cardChosen_ = true;
    for (QLabel* score : scores_)
        score->show();
    label1_->show();
    timer(2).SetEnabled(false);
    label2_->hide();
    timer(1).SetInterval(10);
    timer(1).SetEnabled(true);
}

void TBonusGameForm::MonitorClick() {
    if (!cardChosen_)
        return;
    quickPlay_ = !quickPlay_;
    quickPlayLabel_->setText(quickPlay_ ? QStringLiteral("Click Monitor for Normal Play")
                                        : QStringLiteral("Click Monitor for Quick Play"));
}

void TBonusGameForm::Timer1Timer() {
    if (game_->Over())
        return;
    timer(1).SetInterval(quickPlay_ ? kQuickCallMs : kNormalCallMs);
    for (int p = 0; p < kPatternCount; ++p) {
        if (!newlyWon_[static_cast<std::size_t>(p)])
            continue;
        const int n = kPatterns[static_cast<std::size_t>(p)].picture;
        patterns_[static_cast<std::size_t>(n)]->hide();
        patternsWon_[static_cast<std::size_t>(n)]->show();
    }
    newlyWon_ = {};
    timer(4).SetEnabled(false);

    const BingoGame::CallResult call = game_->Call();
    label4_->setText(QString::number(call.call));
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
    if (!quickPlay_)
        timer(4).SetEnabled(true);
    for (const BingoGame::PatternWin& win : call.wins) {
        if (win.pattern == Pattern::Blackout)
            PresentWin(win);
    }
    if (blackout) {
        gameOver_ = true;
        timer(1).SetEnabled(false);
        timer(3).SetEnabled(true);
    }
}

void TBonusGameForm::PresentWin(const BingoGame::PatternWin& win) {
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
            timer(1).SetInterval(kPauseAfterWinMs);
    }
    if (win.pattern == Pattern::Blackout) {
        main_.PlayStartSound();
    } else {
        main_.PlayBonusSound();
    }
    for (int card : win.cards) {
        QLabel* score = scores_[static_cast<std::size_t>(card)];
        score->setText(QString::number(game_->total(card)));
        score->repaint();
    }
}

void TBonusGameForm::Timer2Timer() {
    QPalette palette = label2_->palette();
    const bool red = palette.color(QPalette::WindowText) == QColor(255, 0, 0);
    palette.setColor(QPalette::WindowText, red ? QColor(0, 0, 0) : QColor(255, 0, 0));
    label2_->setPalette(palette);
}

void TBonusGameForm::Timer3Timer() {
    timer(3).SetEnabled(false);
    close();
}

void TBonusGameForm::Timer4Timer() {
    blinkOn_ = !blinkOn_;
    for (int p = 0; p < kPatternCount; ++p) {
        if (!newlyWon_[static_cast<std::size_t>(p)])
            continue;
        const int n = kPatterns[static_cast<std::size_t>(p)].picture;
        patterns_[static_cast<std::size_t>(n)]->setVisible(blinkOn_);
        patternsWon_[static_cast<std::size_t>(n)]->setVisible(!blinkOn_);
    }
}

void TBonusGameForm::closeEvent(QCloseEvent* event) {
    // The bonus game cannot be left before a card is blacked out.
    if (!gameOver_) {
        event->ignore();
        return;
    }
    for (auto& t : timers_)
        t->SetEnabled(false);
    main_.state().bonusWin = game_->total(chosenCard_);
    event->accept();
    done(QDialog::Accepted);
}

void TBonusGameForm::reject() {
    close();
}

}  // namespace quillane
