// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/asset_files.h"
#include "platform/canvas.h"
#include "ui/bonus/bonus_game_window.h"
#include "ui/widgets/contrast.h"
#include "ui/widgets/game_names.h"
#include "ui/widgets/window_style.h"

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

using CaptionDesign = BonusGameWindow::CaptionDesign;
constexpr CaptionDesign kScoreCaption{{153, 28}, 24};
constexpr CaptionDesign kPatternCaption{{113, 18}, 11};
constexpr CaptionDesign kYourCardCaption{{153, 17}, 13};
constexpr CaptionDesign kSelectCardCaption{{261, 37}, 32};
constexpr CaptionDesign kNumbersCalledCaption{{105, 49}, 13};
constexpr CaptionDesign kCallCountCaption{{105, 33}, 32};
constexpr CaptionDesign kBlackoutCaption{{153, 33}, 16};
constexpr CaptionDesign kJackpotCaption{{105, 25}, 16};
constexpr CaptionDesign kQuickPlayCaption{{169, 18}, 11};
constexpr int kSmallestCaptionPixels = 6;

// Places on the designed layout, from its top left corner.
constexpr int kCardsTop = 336;
constexpr int kCardGap = 6;  // also before the first card
constexpr int kMargin = 10;  // around the call board and the blackout bonus
constexpr int kMonitorGap = 16;
constexpr int kNumbersCalledTop = 16;
constexpr int kJackpotGap = 6;
constexpr int kQuickPlayGap = 4;
// The twelve patterns under the call board: three rows in four columns, the first column
// in from the first card, the others at fixed places.
constexpr int kPatternsTop = 140;
constexpr int kPatternGap = 12;
constexpr int kFirstPatternIndent = 10;
constexpr std::array<int, 3> kPatternColumns = {210, 410, 610};
constexpr int kPatternNameGap = 4;
constexpr int kPatternPayRise = 6;  // the pay's line overlaps its name's by this much
// The win circles beside a pattern, one for each winner.
constexpr int kCircleIndent = 5;
constexpr int kCirclePitch = 16;
constexpr int kCircleSide = 12;
constexpr int kCirclePen = 3;
// The call board's 75 numbers, in rows of fifteen, centred in their places.
constexpr int kBoardPixels = 8;
constexpr int kBoardColumns = 15;
constexpr QPoint kBoardFirstCentre(28, 12);
constexpr QSize kBoardPitch(19, 18);
// A card's cells, column by column, below its BINGO heading.
constexpr int kCellPitch = 30;
constexpr QPoint kFirstCell(2, 31);
constexpr int kDobInset = 2;
constexpr int kDobSide = 25;
constexpr int kCellPixels = 14;
constexpr QPoint kCellCentre(14, 15);
// The called ball on the monitor.
constexpr QPoint kBallPlace(33, 19);
constexpr int kBallPixels = 12;

}  // namespace

QImage BonusGameWindow::Picture(const QString& name) const {
    if (scale_ == 1 && pixelRatio_ == 1)
        return SharedBuiltinPicture(":/bonus/" + name + ".png");
    // Drawn at twice the designed size, so it stays sharp as it is brought to the scaled one,
    // in the screen's own pixels.
    const QImage large = SharedBuiltinPicture(":/bonus/" + name + "_2x.png");
    const auto pixels = [this](int twice) {
        return static_cast<int>(std::lround(Scaled(twice / 2) * pixelRatio_));
    };
    QImage picture = large.scaled(pixels(large.width()), pixels(large.height()),
                                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(pixelRatio_);
    return picture;
}

int BonusGameWindow::Scaled(int designPixels) const {
    return static_cast<int>(std::lround(designPixels * scale_));
}

QLabel* BonusGameWindow::NewLabel(const char* name, const CaptionDesign& design, bool bold,
                                  const QColor& colour, Qt::Alignment alignment,
                                  const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(GameFont(design.pixelSize, bold));
    labelDesigns_.push_back({label, design.size, design.pixelSize});
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

    // The pictures come with the first layout, at its scale.
    for (int c = 0; c < kCardCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        cards_[i] = new PictureView(this);
        cards_[i]->setObjectName(QString::fromLatin1(kCardNames[i]));
        cards_[i]->SetClickHandler([this, c] { ChooseCard(c); });
        scores_[i] =
            NewLabel(kScoreNames[i], kScoreCaption, false, kCardColours[i], Qt::AlignCenter);
        scores_[i]->hide();
    }
    callBoard_ = new PictureView(this);
    callBoard_->setObjectName(QStringLiteral("CallBoard"));
    monitor_ = new PictureView(this);
    monitor_->setObjectName(QStringLiteral("Monitor"));
    monitor_->SetClickHandler([this] { ToggleQuickPlay(); });

    for (int n = 0; n < kPatternCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        patterns_[i] = new PictureView(this);
        patterns_[i]->setObjectName("Pattern" + QString::number(n));
        if (n == 0)
            continue;
        patternsWon_[i] = new PictureView(this);
        patternsWon_[i]->setObjectName("Pattern" + QString::number(n) + "Won");
        patternsWon_[i]->hide();
    }
    for (const PatternInfo& info : kPatterns) {
        if (info.pattern == Pattern::Blackout)
            continue;
        const auto i = static_cast<std::size_t>(info.picture);
        const QByteArray name = "PatternName" + QByteArray::number(info.picture);
        const QByteArray pays = "PatternPay" + QByteArray::number(info.picture);
        names_[i] = NewLabel(name.constData(), kPatternCaption, true, kWhite,
                             Qt::AlignLeft | Qt::AlignTop, PatternText(info.pattern));
        pays_[i] = NewLabel(pays.constData(), kPatternCaption, true, kYellow,
                            Qt::AlignLeft | Qt::AlignTop);
        pays_[i]->setAttribute(Qt::WA_TranslucentBackground);
    }

    //: Bonus game caption over the card the player chose: keep it short
    yourCardLabel_ =
        NewLabel("YourCard", kYourCardCaption, true, kYellow, Qt::AlignCenter, tr("Your Card"));
    yourCardLabel_->hide();
    selectCardLabel_ =
        NewLabel("SelectCard", kSelectCardCaption, true, kRed, Qt::AlignLeft | Qt::AlignVCenter,
                 //: Bonus game caption, flashing until the player picks a card: keep it short
                 tr("Select Your Card"));
    numbersCalledLabel_ = NewLabel("NumbersCalled", kNumbersCalledCaption, true, kRed,
                                   //: Bonus game caption over the count of balls called
                                   Qt::AlignCenter, tr("Numbers Called"));
    numbersCalledLabel_->setWordWrap(true);
    numbersCalledLabel_->setAutoFillBackground(true);
    callCountLabel_ = NewLabel("CallCount", kCallCountCaption, true, kWhite, Qt::AlignCenter,
                               QStringLiteral("0"));
    callCountLabel_->setAutoFillBackground(true);
    blackoutBonusLabel_ =
        NewLabel("BlackoutBonus", kBlackoutCaption, true, kWhite, Qt::AlignLeft | Qt::AlignVCenter,
                 //: Bonus game caption beside the blackout jackpot: keep it short
                 tr("Blackout Bonus"));
    jackpotLabel_ =
        NewLabel("Jackpot", kJackpotCaption, true, kYellow, Qt::AlignLeft | Qt::AlignVCenter);
    //: Bonus game caption under the monitor: a click on it calls the balls quickly
    quickPlayLabel_ = NewLabel("QuickPlayLabel", kQuickPlayCaption, true, kRed, Qt::AlignCenter,
                               tr("Click Monitor for Quick Play"));
    quickPlayLabel_->setAttribute(Qt::WA_TranslucentBackground);
    quickPlayLabel_->hide();
}

QPoint BonusGameWindow::origin() const {
    return {(width() - Scaled(kLayoutWidth)) / 2, (height() - Scaled(kLayoutHeight)) / 2};
}

void BonusGameWindow::Rescale() {
    for (int c = 0; c < kCardCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        const QString colour = QString::fromLatin1(kColourFiles[i]);
        blankCards_[i] = Picture(colour + "_card");
        cards_[i]->SetPicture(blankCards_[i]);
        balls_[i] = Picture(colour + "_ball");
    }
    blankCallBoard_ = Picture(QStringLiteral("callboard"));
    callBoard_->SetPicture(blankCallBoard_);
    blankMonitor_ = Picture(QStringLiteral("monitor"));
    monitor_->SetPicture(blankMonitor_);
    if (lastBall_ != 0)
        ShowBall(lastBall_);
    for (int n = 0; n < kPatternCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        patterns_[i]->SetPicture(Picture("bingo" + QString::number(n)));
        if (n > 0)
            patternsWon_[i]->SetPicture(Picture("bingo" + QString::number(n) + "x"));
    }
    for (const LabelDesign& design : labelDesigns_)
        FitCaption(design);
}

void BonusGameWindow::FitCaption(const LabelDesign& design) {
    const QSize box(Scaled(design.size.width()), Scaled(design.size.height()));
    design.label->setFixedSize(box);
    // Rounded down, as the boxes may round up: the captions keep inside them.
    QFont font = design.label->font();
    font.setPixelSize(static_cast<int>(design.pixelSize * scale_));
    // The boxes are fixed: a caption wider than its box is set a little smaller, not cut. A
    // caption of several lines is measured by its widest line.
    const QStringList lines = design.label->text().split('\n');
    auto widest = [&lines](const QFont& f) {
        int most = 0;
        for (const QString& line : lines)
            most = std::max(most, QFontMetrics(f).horizontalAdvance(line));
        return most;
    };
    while (font.pixelSize() > kSmallestCaptionPixels && widest(font) > box.width())
        font.setPixelSize(font.pixelSize() - 1);
    design.label->setFont(font);
}

void BonusGameWindow::SetCaption(QLabel* label, const QString& text) {
    label->setText(text);
    if (!built_)
        return;  // the first layout fits them all
    for (const LabelDesign& design : labelDesigns_) {
        if (design.label == label)
            FitCaption(design);
    }
}

void BonusGameWindow::Redraw() {
    // As large as the window allows, but never below the designed size: a small screen shows
    // the layout as designed, centred.
    const QSize design = kDesignClientSize;
    const double scale = std::max(
        1.0, std::min(double(width()) / design.width(), double(height()) / design.height()));
    if (scale != scale_ || devicePixelRatioF() != pixelRatio_) {
        scale_ = scale;
        pixelRatio_ = devicePixelRatioF();
        Rescale();
    }
    const QPoint o = origin();
    const int ox = o.x(), oy = o.y();
    int left = ox + Scaled(kCardGap);
    for (int c = 0; c < kCardCount; ++c) {
        PictureView* card = cards_[static_cast<std::size_t>(c)];
        card->move(left, oy + Scaled(kCardsTop));
        QLabel* score = scores_[static_cast<std::size_t>(c)];
        score->setFixedWidth(card->width());
        score->move(card->x(), card->y() + card->height());
        left += card->width() + Scaled(kCardGap);
    }
    callBoard_->move(ox + Scaled(kMargin), oy + Scaled(kMargin));
    monitor_->move(callBoard_->x() + callBoard_->width() + Scaled(kMonitorGap), callBoard_->y());
    numbersCalledLabel_->move(monitor_->x() + monitor_->width(), oy + Scaled(kNumbersCalledTop));
    callCountLabel_->move(numbersCalledLabel_->x(),
                          monitor_->y() + monitor_->height() - callCountLabel_->height());
    blackoutBonusLabel_->move(
        ox + Scaled(kLayoutWidth) - blackoutBonusLabel_->width() - Scaled(kMargin),
        oy + Scaled(kMargin));
    PictureView* blackout = patterns_[0];
    blackout->move(blackoutBonusLabel_->x(),
                   blackoutBonusLabel_->y() + blackoutBonusLabel_->height());
    jackpotLabel_->move(blackout->x() + blackout->width() + Scaled(kJackpotGap), blackout->y());
    PictureView* white = cards_[2];
    selectCardLabel_->move(white->x() + white->width() / 2 - selectCardLabel_->width() / 2,
                           white->y() - selectCardLabel_->height());
    if (cardChosen_) {
        PictureView* chosen = cards_[static_cast<std::size_t>(chosenCard_)];
        yourCardLabel_->move(chosen->x(), chosen->y() - yourCardLabel_->height());
    }
    DrawCallBoard();

    const int columns[] = {cards_[0]->x() + Scaled(kFirstPatternIndent),
                           ox + Scaled(kPatternColumns[0]), ox + Scaled(kPatternColumns[1]),
                           ox + Scaled(kPatternColumns[2])};
    for (int n = 1; n < kPatternCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        const int column = (n - 1) / 3, row = (n - 1) % 3;
        const int top =
            oy + Scaled(kPatternsTop) + row * (patterns_[i]->height() + Scaled(kPatternGap));
        patterns_[i]->move(columns[column], top);
        names_[i]->move(patterns_[i]->x() + blackout->width() + Scaled(kPatternNameGap),
                        patterns_[i]->y());
        pays_[i]->move(names_[i]->x(),
                       names_[i]->y() + names_[1]->height() - Scaled(kPatternPayRise));
        patternsWon_[i]->move(patterns_[i]->pos());
    }
    quickPlayLabel_->move(monitor_->x() + (monitor_->width() - quickPlayLabel_->width()) / 2,
                          monitor_->y() + monitor_->height() + Scaled(kQuickPlayGap));
    for (int c = 0; c < kCardCount; ++c)
        DrawCard(c);

    // The win circles stay where they were won, wherever the layout puts their patterns.
    surface_ = QImage(size() * pixelRatio_, QImage::Format_ARGB32);
    surface_.setDevicePixelRatio(pixelRatio_);
    surface_.fill(kBlack);
    for (const WinCircle& circle : circles_)
        DrawWinCircle(circle);
    PlaceCandidateRing();
    update();
}

void BonusGameWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (built_)
        Redraw();
}

void BonusGameWindow::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (surface_.deviceIndependentSize().toSize() != size()) {
        p.fillRect(event->rect(), kBlack);
        return;
    }
    const QRectF r = event->rect();
    p.drawImage(r, surface_, QRectF(r.topLeft() * pixelRatio_, r.size() * pixelRatio_));
}

void BonusGameWindow::DrawWinCircle(const WinCircle& circle) {
    if (surface_.isNull())
        return;
    const PictureView* picture = patterns_[static_cast<std::size_t>(circle.picture)];
    const int left =
        picture->x() + picture->width() + Scaled(kCircleIndent + kCirclePitch * circle.place);
    const int bottom = picture->y() + picture->height();
    const int top = bottom - Scaled(kCircleSide);
    Canvas canvas(surface_);
    const QColor colour = kCardColours[static_cast<std::size_t>(circle.card)];
    canvas.SetPenColor(colour);
    canvas.SetPenWidth(Scaled(kCirclePen));
    canvas.SetBrushClear(false);
    canvas.SetBrushColor(colour);
    canvas.Ellipse(left, top, left + Scaled(kCircleSide), bottom);
    // With the pen's width around it.
    const int pen = Scaled(kCirclePen);
    update(
        QRect(left, top, Scaled(kCircleSide), Scaled(kCircleSide)).adjusted(-pen, -pen, pen, pen));
}

void BonusGameWindow::DrawCallBoard() {
    // Drawn afresh on the bare board, so a called number shows white without a grey edge.
    QImage board = blankCallBoard_;
    Canvas canvas(board);
    canvas.SetBrushClear(true);
    for (int i = 0; i < kBingoNumbers; ++i) {
        const bool called = game_ && game_->Called(i + 1);
        canvas.SetFont(Scaled(kBoardPixels), called);
        canvas.SetFontColor(called ? kWhite : kGrey);
        const QString text = QString::number(i + 1);
        const QSize extent = canvas.TextSize(text);
        const int column = i % kBoardColumns, row = i / kBoardColumns;
        canvas.DrawText(
            Scaled(column * kBoardPitch.width() + kBoardFirstCentre.x()) - extent.width() / 2,
            Scaled(row * kBoardPitch.height() + kBoardFirstCentre.y()) - extent.height() / 2, text);
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
        const int x = (cell / 5) * kCellPitch + kFirstCell.x(),
                  y = (cell % 5) * kCellPitch + kFirstCell.y();
        const bool marked = cells.marked[static_cast<std::size_t>(cell)] != 0;
        if (marked) {
            canvas.SetPenColor(kDobColours[c]);
            canvas.SetPenWidth(Scaled(1));
            canvas.SetBrushClear(false);
            canvas.SetBrushColor(kDobColours[c]);
            canvas.Ellipse(Scaled(x + kDobInset), Scaled(y + kDobInset),
                           Scaled(x + kDobInset + kDobSide), Scaled(y + kDobInset + kDobSide));
        }
        canvas.SetBrushClear(true);
        canvas.SetFont(Scaled(kCellPixels), true);
        canvas.SetFontColor(!marked         ? kBlack
                            : highContrast_ ? TextColourOn(kDobColours[c])
                            : card == 4     ? kGrey
                                            : kWhite);
        const QString text = QString::number(cells.numbers[static_cast<std::size_t>(cell)]);
        const QSize extent = canvas.TextSize(text);
        canvas.DrawText(Scaled(x + kCellCentre.x()) - extent.width() / 2,
                        Scaled(y + kCellCentre.y()) - extent.height() / 2, text);
    }
    cards_[c]->SetPicture(picture);
}

void BonusGameWindow::ShowBall(int number) {
    const char letter = LetterOf(number);
    const int colour = std::string_view("BINGO").find(letter) == std::string_view::npos
                           ? 0
                           : static_cast<int>(std::string_view("BINGO").find(letter));
    const QImage& ball = balls_[static_cast<std::size_t>(colour)];
    const QRect place(QPoint(Scaled(kBallPlace.x()), Scaled(kBallPlace.y())),
                      ball.deviceIndependentSize().toSize());
    Canvas canvas(monitor_->picture());
    canvas.Draw(place, ball, ball.rect());
    canvas.SetFont(Scaled(kBallPixels), true);
    canvas.SetBrushClear(true);
    canvas.SetFontColor(letter == 'N' || letter == 'O' ? kBlack : kWhite);
    const QString text = QString(QChar(letter)) + " " + QString::number(number);
    const QSize extent = canvas.TextSize(text);
    canvas.DrawText(place.x() + place.width() / 2 - extent.width() / 2,
                    place.y() + place.height() / 2 - extent.height() / 2, text);
    lastBall_ = number;
    monitor_->Changed();
}

QLabel* BonusGameWindow::label(const char* objectName) const {
    return findChild<QLabel*>(QString::fromLatin1(objectName));
}

PictureView* BonusGameWindow::picture(const char* objectName) const {
    return findChild<PictureView*>(QString::fromLatin1(objectName));
}

}  // namespace quillane
