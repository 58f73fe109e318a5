#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "platform/asset_files.h"
#include "platform/canvas.h"
#include "ui/bonus_game_window.h"
#include "ui/window_style.h"

namespace quillane {
namespace {

constexpr std::array<const char*, kCardCount> kCardNames = {"BlueCard", "RedCard", "WhiteCard",
                                                            "GreenCard", "YellowCard"};
constexpr std::array<const char*, kCardCount> kColourFiles = {"blue", "red", "white", "green",
                                                              "yellow"};
constexpr std::array<const char*, kCardCount> kScoreNames = {"BlueScore", "RedScore", "WhiteScore",
                                                             "GreenScore", "YellowScore"};
const std::array<QColor, kCardCount> kCardColours = {QColor(0, 0, 255), QColor(255, 0, 0),
                                                     QColor(255, 255, 255), QColor(0, 128, 0),
                                                     QColor(255, 255, 0)};
const std::array<QColor, kCardCount> kDobColours = {QColor(0, 0, 255), QColor(255, 0, 0),
                                                    QColor(0x80, 0x80, 0x80), QColor(0, 128, 0),
                                                    QColor(255, 255, 0)};
const QColor kWhite(255, 255, 255);
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kBlack(0, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);

QImage Bonus(const QString& name) {
    return LoadBuiltinPicture(":/bonus/" + name + ".png");
}

}  // namespace

QLabel* BonusGameWindow::NewLabel(const char* name, int width, int height, int pixelSize, bool bold,
                                  const QColor& colour, Qt::Alignment alignment,
                                  const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFixedSize(width, height);
    QFont font = GameFont(pixelSize, bold);
    // The boxes are fixed: a caption wider than its box is set a little smaller, not cut.
    while (!text.contains('\n') && font.pixelSize() > 6 &&
           QFontMetrics(font).horizontalAdvance(text) > width) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Window, kBlack);
    label->setPalette(palette);
    label->setAlignment(alignment);
    return label;
}

void BonusGameWindow::BuildComponents() {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBlack);
    setPalette(palette);
    setAutoFillBackground(false);

    for (int c = 0; c < kCardCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        blankCards_[i] = Bonus(QString::fromLatin1(kColourFiles[i]) + "_card");
        cards_[i] = new PictureBox(this, blankCards_[i]);
        cards_[i]->setObjectName(QString::fromLatin1(kCardNames[i]));
        cards_[i]->SetClickHandler([this, c] { ChooseCard(c); });
        balls_[i] = Bonus(QString::fromLatin1(kColourFiles[i]) + "_ball");
        scores_[i] = NewLabel(kScoreNames[i], 153, 28, 24, false, kCardColours[i], Qt::AlignCenter);
        scores_[i]->hide();
    }
    blankCallBoard_ = Bonus(QStringLiteral("callboard"));
    callBoard_ = new PictureBox(this, blankCallBoard_);
    callBoard_->setObjectName(QStringLiteral("CallBoard"));
    monitor_ = new PictureBox(this, Bonus(QStringLiteral("monitor")));
    monitor_->setObjectName(QStringLiteral("Monitor"));
    monitor_->SetClickHandler([this] { ToggleQuickPlay(); });

    for (int n = 0; n < kPatternCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        patterns_[i] = new PictureBox(this, Bonus("bingo" + QString::number(n)));
        patterns_[i]->setObjectName("Pattern" + QString::number(n));
        if (n == 0)
            continue;
        patternsWon_[i] = new PictureBox(this, Bonus("bingo" + QString::number(n) + "x"));
        patternsWon_[i]->setObjectName("Pattern" + QString::number(n) + "Won");
        patternsWon_[i]->hide();
    }
    for (const PatternInfo& info : kPatterns) {
        if (info.pattern == Pattern::Blackout)
            continue;
        const auto i = static_cast<std::size_t>(info.picture);
        const QByteArray name = "PatternName" + QByteArray::number(info.picture);
        const QByteArray pays = "PatternPay" + QByteArray::number(info.picture);
        names_[i] =
            NewLabel(name.constData(), 113, 18, 11, true, kWhite, Qt::AlignLeft | Qt::AlignTop,
                     QString::fromUtf8(info.name.data(), static_cast<int>(info.name.size())));
        pays_[i] =
            NewLabel(pays.constData(), 113, 18, 11, true, kYellow, Qt::AlignLeft | Qt::AlignTop);
        pays_[i]->setAttribute(Qt::WA_TranslucentBackground);
    }

    yourCardLabel_ = NewLabel("YourCard", 153, 17, 13, true, kYellow, Qt::AlignCenter,
                              QStringLiteral("Your Card"));
    yourCardLabel_->hide();
    selectCardLabel_ =
        NewLabel("SelectCard", 261, 37, 32, true, kRed, Qt::AlignLeft | Qt::AlignVCenter,
                 QStringLiteral("Select Your Card"));
    numbersCalledLabel_ = NewLabel("NumbersCalled", 105, 49, 13, true, kRed, Qt::AlignCenter,
                                   QStringLiteral("Numbers Called"));
    numbersCalledLabel_->setWordWrap(true);
    numbersCalledLabel_->setAutoFillBackground(true);
    callCountLabel_ =
        NewLabel("CallCount", 105, 33, 32, true, kWhite, Qt::AlignCenter, QStringLiteral("0"));
    callCountLabel_->setAutoFillBackground(true);
    blackoutBonusLabel_ =
        NewLabel("BlackoutBonus", 153, 33, 16, true, kWhite, Qt::AlignLeft | Qt::AlignVCenter,
                 QStringLiteral("Blackout Bonus"));
    jackpotLabel_ =
        NewLabel("Jackpot", 105, 25, 16, true, kYellow, Qt::AlignLeft | Qt::AlignVCenter);
    quickPlayLabel_ = NewLabel("QuickPlayLabel", 169, 18, 11, true, kRed, Qt::AlignCenter,
                               QStringLiteral("Click Monitor for Quick Play"));
    quickPlayLabel_->setAttribute(Qt::WA_TranslucentBackground);
    quickPlayLabel_->hide();
}

QPoint BonusGameWindow::origin() const {
    return {(width() - kLayoutWidth) / 2, (height() - kLayoutHeight) / 2};
}

void BonusGameWindow::Redraw() {
    const QPoint o = origin();
    const int ox = o.x(), oy = o.y();
    int left = ox + 6;
    for (int c = 0; c < kCardCount; ++c) {
        PictureBox* card = cards_[static_cast<std::size_t>(c)];
        card->move(left, oy + 336);
        QLabel* score = scores_[static_cast<std::size_t>(c)];
        score->setFixedWidth(card->width());
        score->move(card->x(), card->y() + card->height());
        left += card->width() + 6;
    }
    callBoard_->move(ox + 10, oy + 10);
    monitor_->move(callBoard_->x() + callBoard_->width() + 16, callBoard_->y());
    numbersCalledLabel_->move(monitor_->x() + monitor_->width(), oy + 16);
    callCountLabel_->move(numbersCalledLabel_->x(),
                          monitor_->y() + monitor_->height() - callCountLabel_->height());
    blackoutBonusLabel_->move(ox + kLayoutWidth - blackoutBonusLabel_->width() - 10, oy + 10);
    PictureBox* blackout = patterns_[0];
    blackout->move(blackoutBonusLabel_->x(),
                   blackoutBonusLabel_->y() + blackoutBonusLabel_->height());
    jackpotLabel_->move(blackout->x() + blackout->width() + 6, blackout->y());
    PictureBox* white = cards_[2];
    selectCardLabel_->move(white->x() + white->width() / 2 - selectCardLabel_->width() / 2,
                           white->y() - selectCardLabel_->height());
    if (cardChosen_) {
        PictureBox* chosen = cards_[static_cast<std::size_t>(chosenCard_)];
        yourCardLabel_->move(chosen->x(), chosen->y() - yourCardLabel_->height());
    }
    DrawCallBoard();

    const int columns[] = {cards_[0]->x() + 10, ox + 210, ox + 410, ox + 610};
    for (int n = 1; n < kPatternCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        const int column = (n - 1) / 3, row = (n - 1) % 3;
        const int top = oy + 140 + row * (patterns_[i]->height() + 12);
        patterns_[i]->move(columns[column], top);
        names_[i]->move(patterns_[i]->x() + blackout->width() + 4, patterns_[i]->y());
        pays_[i]->move(names_[i]->x(), names_[i]->y() + names_[1]->height() - 6);
        patternsWon_[i]->move(patterns_[i]->pos());
    }
    quickPlayLabel_->move(monitor_->x() + (monitor_->width() - quickPlayLabel_->width()) / 2,
                          monitor_->y() + monitor_->height() + 4);
    for (int c = 0; c < kCardCount; ++c)
        DrawCard(c);

    // The win circles stay where they were won, wherever the layout puts their patterns.
    surface_ = QImage(size(), QImage::Format_ARGB32);
    surface_.fill(kBlack);
    for (const WinCircle& circle : circles_)
        DrawWinCircle(circle);
    update();
}

void BonusGameWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (built_)
        Redraw();
}

void BonusGameWindow::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (surface_.size() != size()) {
        p.fillRect(event->rect(), kBlack);
        return;
    }
    p.drawImage(event->rect(), surface_, event->rect());
}

void BonusGameWindow::DrawWinCircle(const WinCircle& circle) {
    if (surface_.isNull())
        return;
    const PictureBox* picture = patterns_[static_cast<std::size_t>(circle.picture)];
    const int left = picture->x() + picture->width() + 5 + 16 * circle.place;
    const int top = picture->y() + picture->height() - 12;
    Canvas canvas(surface_);
    const QColor colour = kCardColours[static_cast<std::size_t>(circle.card)];
    canvas.SetPenColor(colour);
    canvas.SetPenWidth(3);
    canvas.SetBrushClear(false);
    canvas.SetBrushColor(colour);
    canvas.Ellipse(left, top, left + 12, picture->y() + picture->height());
    update(QRect(left - 2, top - 2, 16, 16));
}

void BonusGameWindow::DrawCallBoard() {
    // Drawn afresh on the bare board, so a called number shows white without a grey edge.
    QImage board = blankCallBoard_;
    Canvas canvas(board);
    canvas.SetBrushClear(true);
    for (int i = 0; i < kBingoNumbers; ++i) {
        const bool called = game_ && game_->Called(i + 1);
        canvas.SetFont(8, called);
        canvas.SetFontColor(called ? kWhite : kGrey);
        const QString text = QString::number(i + 1);
        const QSize extent = canvas.TextExtent(text);
        canvas.TextOut((i % 15) * 19 + 28 - extent.width() / 2,
                       (i / 15) * 18 + 12 - extent.height() / 2, text);
    }
    callBoard_->SetPicture(board);
}

void BonusGameWindow::DrawCard(int card) {
    if (!game_)
        return;
    const auto c = static_cast<std::size_t>(card);
    QImage picture = blankCards_[c];
    Canvas canvas(picture);
    const BingoCard& cells = game_->card(card);
    for (int cell = 0; cell < kCardCells; ++cell) {
        if (cell == kFreeCell)
            continue;
        const int x = (cell / 5) * 30 + 2, y = (cell % 5) * 30 + 31;
        const bool marked = cells.marked[static_cast<std::size_t>(cell)] != 0;
        if (marked) {
            canvas.SetPenColor(kDobColours[c]);
            canvas.SetPenWidth(1);
            canvas.SetBrushClear(false);
            canvas.SetBrushColor(kDobColours[c]);
            canvas.Ellipse(x + 2, y + 2, x + 27, y + 27);
        }
        canvas.SetBrushClear(true);
        canvas.SetFont(14, true);
        canvas.SetFontColor(!marked ? kBlack : card == 4 ? kGrey : kWhite);
        const QString text = QString::number(cells.numbers[static_cast<std::size_t>(cell)]);
        const QSize extent = canvas.TextExtent(text);
        canvas.TextOut(x + 14 - extent.width() / 2, y + 15 - extent.height() / 2, text);
    }
    cards_[c]->SetPicture(picture);
}

void BonusGameWindow::ShowBall(int number) {
    const char letter = LetterOf(number);
    const int colour = std::string_view("BINGO").find(letter) == std::string_view::npos
                           ? 0
                           : static_cast<int>(std::string_view("BINGO").find(letter));
    const QImage& ball = balls_[static_cast<std::size_t>(colour)];
    Canvas canvas(monitor_->picture());
    canvas.SetCopyMode(Canvas::CopyMode::Copy);
    canvas.Draw(QRect(33, 19, ball.width(), ball.height()), ball, ball.rect());
    canvas.SetFont(12, true);
    canvas.SetBrushClear(true);
    canvas.SetFontColor(letter == 'N' || letter == 'O' ? kBlack : kWhite);
    const QString text = QString(QChar(letter)) + " " + QString::number(number);
    const QSize extent = canvas.TextExtent(text);
    canvas.TextOut(33 + ball.width() / 2 - extent.width() / 2,
                   19 + ball.height() / 2 - extent.height() / 2, text);
    monitor_->Changed();
}

QLabel* BonusGameWindow::label(const char* objectName) const {
    return findChild<QLabel*>(QString::fromLatin1(objectName));
}

PictureBox* BonusGameWindow::picture(const char* objectName) const {
    return findChild<PictureBox*>(QString::fromLatin1(objectName));
}

}  // namespace quillane
