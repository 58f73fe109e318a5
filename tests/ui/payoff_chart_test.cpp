#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "cabinet_fixture.h"
#include "core/paytable.h"
#include "core/scale.h"
#include "platform/asset_files.h"
#include "ui/payoff_chart.h"

namespace quillane::testing {
namespace {

const QRgb kSilver = qRgb(0xC0, 0xC0, 0xC0);
const QRgb kGrey = qRgb(0x80, 0x80, 0x80);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kWhite = qRgb(255, 255, 255);

constexpr std::array<const char*, kPatternCount> kCaptionsByPlace = {
    "Blackout Bingo",  "Any Way Bingo",  "Postage Stamp", "Four Corners",  "Inside Corners",
    "Double Hard Way", "Inside Diamond", "Large Diamond", "Solid Diamond", "Big Plus Bingo",
    "Big X Bingo",     "Inside Frame",   "Picture Frame",
};

class PayoffChartTest : public CabinetFixture {
  protected:
    PayoffChart& Open() {
        CabinetWindow& form = Start();
        PassStartup();
        chart_ = std::make_unique<PayoffChart>(
            form.geometry().layoutWidth, form.pictures().symbolSheet, form.geometry().cellSize,
            QGuiApplication::primaryScreen()->availableGeometry(),
            [this](int topic) { topics.push_back(topic); }, &form);
        chart_->show();
        clock.ProcessEvents();
        return *chart_;
    }

    QRgb At(int x, int y) const { return chart_->surface().pixel(x, y); }
    int Scale(int v) { return form().geometry().Scale(v); }

    // The symbol-sheet cell n shows inside the box's frame, pixel for pixel.
    void ExpectCell(int x, int y, int n) {
        const int c = form().geometry().cellSize;
        const QImage& sheet = form().pictures().symbolSheet;
        int differing = 0;
        for (int dy = 2; dy < c - 2; ++dy) {
            for (int dx = 2; dx < c - 2; ++dx) {
                differing += At(x + dx, y + dy) != sheet.pixel((n % 4) * c + dx, (n / 4) * c + dy);
            }
        }
        EXPECT_EQ(differing, 0) << "cell " << n << " at (" << x << ", " << y << ")";
    }

    // Silver left and top edges, grey right and bottom ones and a grey inner outline.
    void ExpectFrame(int x, int y, int side) {
        const int mid = side / 2;
        EXPECT_EQ(At(x, y + mid), kSilver) << x << "," << y;
        EXPECT_EQ(At(x + mid, y), kSilver) << x << "," << y;
        EXPECT_EQ(At(x + 1, y + mid), kGrey) << x << "," << y;
        EXPECT_EQ(At(x + mid, y + 1), kGrey) << x << "," << y;
        EXPECT_EQ(At(x + side - 2, y + mid), kGrey) << x << "," << y;
        EXPECT_EQ(At(x + side, y + mid), kGrey) << x << "," << y;
        EXPECT_EQ(At(x + mid, y + side), kGrey) << x << "," << y;
        EXPECT_EQ(At(x + side + 1, y + mid), kBlack) << "the frame ends at " << x + side;
        EXPECT_EQ(At(x + mid, y + side + 1), kBlack) << "the frame ends at " << y + side;
    }

    // The texts written with their top at y, left to right.
    std::vector<PayoffChart::WrittenText> Row(int y) const {
        std::vector<PayoffChart::WrittenText> row;
        for (const auto& t : chart_->written()) {
            if (t.area.top() == y)
                row.push_back(t);
        }
        std::sort(row.begin(), row.end(),
                  [](const auto& a, const auto& b) { return a.area.left() < b.area.left(); });
        return row;
    }

    const PayoffChart::WrittenText* Written(const QString& text) const {
        for (const auto& t : chart_->written()) {
            if (t.text == text)
                return &t;
        }
        return nullptr;
    }

    // A count ending at `right` and its pay starting at `left`, in one colour, on line `y`.
    void ExpectPayLine(int right, int left, int y, int count, int pays, QRgb colour) {
        const PayoffChart::WrittenText* countText = nullptr;
        const PayoffChart::WrittenText* payText = nullptr;
        for (const auto& t : chart_->written()) {
            if (t.area.top() == y && t.area.left() + t.area.width() == right)
                countText = &t;
            if (t.area.top() == y && t.area.left() == left)
                payText = &t;
        }
        ASSERT_NE(countText, nullptr) << "count " << count << " ending at " << right << ", " << y;
        ASSERT_NE(payText, nullptr) << "pay for " << count << " at " << left << ", " << y;
        EXPECT_EQ(countText->text, QString::number(count));
        EXPECT_EQ(payText->text, QString::number(pays)) << "for " << count;
        EXPECT_EQ(countText->colour.rgb(), colour);
        EXPECT_EQ(payText->colour.rgb(), colour);
    }

    std::vector<int> topics;
    std::unique_ptr<PayoffChart> chart_;
};

// Which squares of a pattern diagram are marked: the open ones are white, the free one black.
std::uint32_t MarkedSquares(const QImage& diagram) {
    std::uint32_t marks = 0;
    for (int column = 0; column < 5; ++column) {
        for (int row = 0; row < 5; ++row) {
            const QRgb p = diagram.pixel(3 + column * 8 + 3, 3 + row * 8 + 3);
            if (p != kWhite && p != kBlack)
                marks |= 1u << (column * 5 + row);
        }
    }
    return marks;
}

QColor MeanColour(const QImage& image, const QRect& area) {
    long long r = 0, g = 0, b = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
        }
    }
    const long long n = static_cast<long long>(area.width()) * area.height();
    return QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

int Distance(const QColor& a, const QColor& b) {
    return ColourDistance(a.rgb(), b.rgb());
}

Pattern PatternCaptioned(const char* caption) {
    for (const PatternInfo& info : kPatterns) {
        if (info.chartName == caption)
            return info.pattern;
    }
    ADD_FAILURE() << "no pattern is captioned " << caption;
    return Pattern::Blackout;
}

TEST_F(PayoffChartTest, OpensModalAndMaximizedOnTheScreensAvailableArea) {
    PayoffChart& chart = Open();
    EXPECT_EQ(chart.windowTitle(), "Payoff Chart");
    EXPECT_TRUE(chart.isModal());
    EXPECT_TRUE(chart.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(chart.geometry(), form().screen()->availableGeometry());
    EXPECT_EQ(chart.surface().size(), QSize(form().geometry().layoutWidth, Scale(600)));
    EXPECT_EQ(chart.closeButton()->text(), "Close");
}

TEST_F(PayoffChartTest, SymbolBoxesAtWidth800) {
    Open();
    REQUIRE_LAYOUT_WIDTH(form(), 800);
    ASSERT_EQ(form().geometry().cellSize, 76);
    const int balls[] = {197, 278, 359, 440, 521};
    for (int i = 0; i < 5; ++i) {
        ExpectCell(balls[i], 32, sym::BallB + i);
        ExpectFrame(balls[i], 32, 76);
    }
    const int boxes[] = {56, 208, 360, 512, 664};
    const Symbol symbols[] = {sym::Wild, sym::Doll, sym::Elephant, sym::Daubers, sym::Bag};
    for (int i = 0; i < 5; ++i) {
        ExpectCell(boxes[i], 150, symbols[i]);
        ExpectFrame(boxes[i], 150, 76);
    }
}

TEST_F(PayoffChartTest, SmallSymbolBoxesAtWidth800) {
    Open();
    REQUIRE_LAYOUT_WIDTH(form(), 800);
    const int boxes[] = {28, 125, 222, 319, 416, 513, 610, 707};
    const QImage& sheet = form().pictures().symbolSheet;
    std::array<QColor, 8> cells;
    for (int i = 0; i < 8; ++i) {
        const int n = sym::Card + i;
        cells[static_cast<std::size_t>(i)] =
            MeanColour(sheet, QRect((n % 4) * 76, (n / 4) * 76, 76, 76));
    }
    for (int i = 0; i < 8; ++i) {
        ExpectFrame(boxes[i], 250, 57);
        // The whole cell, shrunk: its colours are the cell's, and no other symbol's.
        const QColor shown = MeanColour(chart_->surface(), QRect(boxes[i] + 2, 252, 53, 53));
        int nearest = 0;
        for (int j = 1; j < 8; ++j) {
            if (Distance(shown, cells[static_cast<std::size_t>(j)]) <
                Distance(shown, cells[static_cast<std::size_t>(nearest)]))
                nearest = j;
        }
        EXPECT_EQ(nearest, i) << "box " << i;
        EXPECT_LE(Distance(shown, cells[static_cast<std::size_t>(i)]), 24) << "box " << i;
    }
}

TEST_F(PayoffChartTest, BoxesFollowTheCellSizeAtEveryWidth) {
    Open();
    const int c = form().geometry().cellSize;
    const int s = (c / 4) * 3;
    for (int i = 0; i < 5; ++i) {
        const int ball = Scale(197) + i * (c + Scale(5));
        ExpectCell(ball, Scale(32), sym::BallB + i);
        ExpectFrame(ball, Scale(32), c);
        ExpectFrame(Scale(56) + i * (c + Scale(76)), Scale(150), c);
    }
    ExpectCell(Scale(56), Scale(150), sym::Wild);
    for (int i = 0; i < 8; ++i)
        ExpectFrame(Scale(28) + i * (c + Scale(21)), Scale(250), s);
}

TEST_F(PayoffChartTest, AVariantSheetDrawsItsOwnCellsOnTheScaledGrid) {
    PutShippedFile("Bingo98.jpg");
    Open();
    REQUIRE_LAYOUT_WIDTH(form(), 1024);
    ASSERT_EQ(form().geometry().cellSize, 98);
    const int balls[] = {252, 356, 460, 564, 668};  // scale(197) + i x (98 + scale(5))
    for (int i = 0; i < 5; ++i) {
        ExpectCell(balls[i], 40, sym::BallB + i);
        ExpectFrame(balls[i], 40, 98);
    }
    ExpectFrame(35, 320, 72);  // small boxes of (98 div 4) x 3
}

TEST_F(PayoffChartTest, EveryPayFigureIsThePayTables) {
    Open();
    const int c = form().geometry().cellSize;
    const QRgb bigColours[] = {kYellow, kWhite, kYellow, kWhite, kYellow};
    const Symbol big[] = {sym::Wild, sym::Doll, sym::Elephant, sym::Daubers, sym::Bag};
    for (int i = 0; i < 5; ++i) {
        const int r = Scale(54) + i * (c + Scale(76));
        const int lowest = i < 3 ? 1 : 2;
        const int top = i < 3 ? Scale(149) : Scale(157);
        for (int count = 5; count >= lowest; --count) {
            ExpectPayLine(r, r + c + Scale(5), top + Scale(16 * (5 - count)), count,
                          PayFor(big[i], count), bigColours[i]);
        }
    }
    const int s = (c / 4) * 3;
    for (int i = 0; i < 8; ++i) {
        const int r = Scale(26) + i * (c + Scale(21));
        const Symbol symbol = static_cast<Symbol>(sym::Card + i);
        const bool queen = symbol == sym::Queen;
        for (int count = 5; count >= (queen ? 2 : 3); --count) {
            const int y =
                queen ? Scale(249) + Scale(15 * (5 - count)) : Scale(258) + Scale(16 * (5 - count));
            ExpectPayLine(r, r + s + Scale(4), y, count, PayFor(symbol, count),
                          i % 2 == 0 ? kWhite : kYellow);
        }
    }
    for (int balls = 5; balls >= 3; --balls) {
        const auto row = Row(Scale(62 + 14 * (5 - balls)));
        ASSERT_GE(row.size(), 4u) << balls << " balls";
        const auto& count = row[row.size() - 3];
        EXPECT_EQ(count.text, QString::number(balls));
        EXPECT_EQ(count.area.left(), Scale(680));
        EXPECT_EQ(count.colour.rgb(), kRed);
        EXPECT_EQ(row[row.size() - 2].text, "-");
        EXPECT_EQ(row[row.size() - 2].area.left(), Scale(690));
        EXPECT_EQ(row[row.size() - 2].colour.rgb(), kWhite);
        EXPECT_EQ(row.back().text, QString::number(kScatterPays[static_cast<std::size_t>(balls)]));
        EXPECT_EQ(row.back().area.left(), Scale(697));
        EXPECT_EQ(row.back().colour.rgb(), kYellow);
    }
    const auto bingo = std::find_if(kPayTable.begin(), kPayTable.end(), [](const PayRow& row) {
        return row.combination == Combination::BingoBalls;
    });
    ASSERT_NE(bingo, kPayTable.end());
    EXPECT_NE(Written("Pays " + QString::number(bingo->pays) + " X Coins Per Line Bet"), nullptr);
}

TEST_F(PayoffChartTest, WhatIsWrittenIsOnTheSurface) {
    PayoffChart& chart = Open();
    ASSERT_FALSE(chart.written().empty());
    for (const auto& t : chart.written()) {
        const QRect area = t.area.intersected(chart.surface().rect());
        int inColour = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                inColour += ColourDistance(At(x, y), t.colour.rgb()) <= 30;
        }
        EXPECT_GT(inColour, 0) << t.text.toStdString();
    }
}

TEST_F(PayoffChartTest, HeadingsRulesAndTheBonusExplanation) {
    Open();
    const int c = form().geometry().cellSize;
    const int middleBall = Scale(197) + 2 * c + 2 * Scale(5) + c / 2;
    const auto* heading = Written("BINGO Jackpot - Get all five BINGO Balls on a Payline");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->area.bottom() + 1, Scale(32) - Scale(2));
    EXPECT_EQ(heading->area.left(), middleBall - heading->area.width() / 2);
    EXPECT_EQ(heading->colour.rgb(), kRed);
    const auto* pays = Written("Pays 5000 X Coins Per Line Bet");
    ASSERT_NE(pays, nullptr);
    EXPECT_EQ(pays->area.top(), Scale(32) + c + Scale(1));
    EXPECT_EQ(pays->area.left(), middleBall - pays->area.width() / 2);

    const std::pair<const char*, int> left[] = {{"All payoffs are based on coins", 20},
                                                {"bet per line except scatter wins", 34},
                                                {"which are based on total credits.", 48},
                                                {"Lines pay from the left side only.", 62},
                                                {"Scatters win in any position.", 76},
                                                {"Wild symbols match any except", 90},
                                                {"the BINGO balls.", 104}};
    for (const auto& [text, y] : left) {
        const auto* rule = Written(text);
        ASSERT_NE(rule, nullptr) << text;
        EXPECT_EQ(rule->area.topLeft(), QPoint(Scale(10), Scale(y))) << text;
        EXPECT_EQ(rule->colour.rgb(), kWhite);
    }
    const std::pair<const char*, int> right[] = {{"Collect a Scatter win by getting", 20},
                                                 {"three or more BINGO Balls on", 34},
                                                 {"the screen in any position.", 48},
                                                 {"Scatter wins start bonus game.", 106}};
    for (const auto& [text, y] : right) {
        const auto* rule = Written(text);
        ASSERT_NE(rule, nullptr) << text;
        EXPECT_EQ(rule->area.topLeft(), QPoint(Scale(624), Scale(y))) << text;
    }

    const char* explanation[] = {
        "The Bingo Bonus Game is played when you get three or more Bingo Balls on the screen "
        "during any slot spin.  When you get to the",
        "Bonus Game, select any of the five bingo cards.  A game of blackout bingo is played "
        "until one or more of the cards wins the blackout game.",
        "However, along the way, tweleve other bingo variations can be won.  The game pays four "
        "times your last slot bet (total credits bet) for each",
        "bingo variation you win.  The blackout bingo game can pay more than the other bingo "
        "variations if it is won before 72 bingo balls are called.",
        "The bonus can be as much as 50,000 times your last slot bet.  This bonus amount is "
        "reduced by 17.5% for every number called after the",
        "first 24 numbers are called.  Cards are marked (\"dobbed\") automatically by the game.  "
        "Sit back and enjoy.  And GOOD LUCK!",
    };
    for (int i = 0; i < 6; ++i) {
        const auto* line = Written(explanation[i]);
        ASSERT_NE(line, nullptr) << "line " << i + 1;
        EXPECT_EQ(line->area.top(), Scale(438 + 12 * i));
        EXPECT_EQ(line->area.left(), Scale(400) - line->area.width() / 2);
        EXPECT_EQ(line->colour.rgb(), kWhite);
    }
}

TEST_F(PayoffChartTest, FontSizesFollowTheLayoutsBand) {
    Open();
    const int band = ChartFontBand(form().geometry().layoutWidth);
    const int heading[] = {12, 14, 18, 24}, small[] = {8, 10, 12, 14}, pays[] = {10, 12, 14, 18};
    EXPECT_EQ(Written("Pays 5000 X Coins Per Line Bet")->points, heading[band]);
    EXPECT_EQ(Written("the BINGO balls.")->points, small[band]);
    EXPECT_EQ(Written("2500")->points, pays[band]) << "the second row";
    EXPECT_EQ(Written("500")->points, pays[band]) << "the second row comes first";
    EXPECT_EQ(Written("120")->points, pays[band]);
    EXPECT_EQ(Written("150")->points, small[band]) << "the third row";
    EXPECT_EQ(Written("-")->points, pays[band]);
    const QFont button = chart_->closeButton()->font();
    EXPECT_EQ(button.pixelSize(), FontPixelSize(pays[band]));
    EXPECT_TRUE(button.bold());
    EXPECT_EQ(button.family(), "DejaVu Sans Condensed");
}

TEST(PayoffChartBands, BandEdges) {
    EXPECT_EQ(ChartFontBand(800), 0);
    EXPECT_EQ(ChartFontBand(999), 0);
    EXPECT_EQ(ChartFontBand(1000), 1);
    EXPECT_EQ(ChartFontBand(1190), 1);
    EXPECT_EQ(ChartFontBand(1191), 2);
    EXPECT_EQ(ChartFontBand(1299), 2);
    EXPECT_EQ(ChartFontBand(1300), 3);
    EXPECT_EQ(ChartFontBand(1920), 3);
}

TEST_F(PayoffChartTest, SilverLinesAcrossTheLayoutAndTheCloseButtonBetween) {
    PayoffChart& chart = Open();
    const int w = form().geometry().layoutWidth;
    for (int y : {Scale(325), Scale(365)}) {
        for (int x = 1; x < w - 1; x += 7) {
            EXPECT_EQ(At(x, y - 1), kSilver) << x << "," << y;
            EXPECT_EQ(At(x, y), kSilver) << x << "," << y;
            EXPECT_EQ(At(x, y + 1), kSilver) << x << "," << y;
            EXPECT_EQ(At(x, y + 3), kBlack) << x << "," << y;
            EXPECT_EQ(At(x, y - 3), kBlack) << x << "," << y;
        }
    }
    EXPECT_EQ(chart.closeButton()->geometry(),
              QRect((w - w / 2) / 2, Scale(332), w / 2, Scale(28)).translated(chart.origin()));
}

TEST_F(PayoffChartTest, LinesAndCloseButtonAtWidth800) {
    PayoffChart& chart = Open();
    REQUIRE_LAYOUT_WIDTH(form(), 800);
    EXPECT_EQ(At(0, 325), kSilver);
    EXPECT_EQ(At(799, 365), kSilver);
    EXPECT_EQ(At(400, 330), kBlack);
    EXPECT_EQ(chart.closeButton()->geometry(), QRect(200, 332, 400, 28));
    EXPECT_TRUE(chart.closeButton()->isVisible());
}

TEST_F(PayoffChartTest, DiagramsAtWidth800UnscaledUnderTheirOwnCaptions) {
    PayoffChart& chart = Open();
    REQUIRE_LAYOUT_WIDTH(form(), 800);
    const QPoint places[] = {{40, 384},  {180, 384}, {320, 384}, {460, 384}, {600, 384},
                             {740, 384}, {40, 520},  {157, 520}, {274, 520}, {391, 520},
                             {508, 520}, {625, 520}, {742, 520}};
    const QImage shown = chart.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    for (int k = 0; k < kPatternCount; ++k) {
        PictureBox* diagram = chart.diagram(k);
        QLabel* caption = chart.caption(k);
        EXPECT_EQ(diagram->objectName(), "Diagram" + QString::number(k));
        EXPECT_EQ(caption->objectName(), "Caption" + QString::number(k));
        EXPECT_EQ(diagram->geometry(), QRect(places[k], QSize(44, 44))) << "place " << k;
        EXPECT_EQ(caption->text(), kCaptionsByPlace[static_cast<std::size_t>(k)]);
        EXPECT_EQ(caption->x(), diagram->x() + (44 - caption->width()) / 2) << caption->x();
        EXPECT_EQ(caption->y(), k < 6 ? 384 - caption->height() - 2 : 520 + 44 + 2);
        EXPECT_TRUE(diagram->isVisible());
        EXPECT_TRUE(caption->isVisible());

        const Pattern named = PatternCaptioned(kCaptionsByPlace[static_cast<std::size_t>(k)]);
        const int picture = kPatterns[static_cast<std::size_t>(named)].picture;
        EXPECT_EQ(diagram->picture(),
                  LoadBuiltinPicture(":/bonus/bingo" + QString::number(picture) + ".png"))
            << kCaptionsByPlace[static_cast<std::size_t>(k)];
        const QImage onScreen = shown.copy(diagram->geometry());
        const std::uint32_t marks = MarkedSquares(onScreen);
        EXPECT_TRUE(HasPattern(marks, named)) << kCaptionsByPlace[static_cast<std::size_t>(k)];
        if (named != Pattern::Blackout) {
            EXPECT_NE(marks, (1u << kCardCells) - 1u - (1u << kFreeCell))
                << kCaptionsByPlace[static_cast<std::size_t>(k)];
        }
    }
}

TEST_F(PayoffChartTest, CaptionsAreWhiteBoldEightPointOnTheBlack) {
    PayoffChart& chart = Open();
    const QImage shown = chart.grab().toImage();
    for (int k = 0; k < kPatternCount; ++k) {
        QLabel* caption = chart.caption(k);
        EXPECT_EQ(caption->font().pixelSize(), FontPixelSize(8));
        EXPECT_TRUE(caption->font().bold());
        EXPECT_EQ(caption->palette().color(QPalette::WindowText).rgb(), kWhite);
        EXPECT_EQ(caption->width(), caption->sizeHint().width()) << "sized to its text";
        const QRect area = caption->geometry().intersected(shown.rect());
        int white = 0, other = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb p = shown.pixel(x, y);
                white += p == kWhite;
                other += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
            }
        }
        EXPECT_GT(white, 0) << caption->text().toStdString();
        EXPECT_EQ(other, 0) << "white on black only: " << caption->text().toStdString();
    }
}

TEST_F(PayoffChartTest, DiagramsKeepTheirSizeWhereverTheLayoutPutsThem) {
    PayoffChart& chart = Open();
    const int upper = Scale(438) - 44 - Scale(10), lower = Scale(498) + Scale(22);
    const QPoint o = chart.origin();
    int left = Scale(40);
    for (int k = 0; k < 6; ++k, left += Scale(140)) {
        EXPECT_EQ(chart.diagram(k)->geometry(), QRect(left, upper, 44, 44).translated(o))
            << "place " << k;
    }
    left = Scale(40);
    for (int k = 6; k < kPatternCount; ++k, left += Scale(117)) {
        EXPECT_EQ(chart.diagram(k)->geometry(), QRect(left, lower, 44, 44).translated(o))
            << "place " << k;
    }
}

TEST_F(PayoffChartTest, CloseEscapeAndHelp) {
    PayoffChart& chart = Open();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(chart.closeButton(), &f1);
    EXPECT_EQ(topics, std::vector<int>{41010});
    EXPECT_TRUE(chart.isVisible());

    chart.closeButton()->click();
    EXPECT_FALSE(chart.isVisible());

    chart.show();
    clock.ProcessEvents();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(chart.closeButton(), &escape);
    EXPECT_FALSE(chart.isVisible());
    EXPECT_EQ(chart.result(), QDialog::Rejected);
}

// No test screen is laid out 1600 wide; the layout itself shows what the chart does there.
TEST(PayoffChartLayout, At1600WithThe152SheetEverythingDoubles) {
    const PaychartLayout at800 = LayOutPaychart(800, 76);
    const PaychartLayout at1600 = LayOutPaychart(1600, 152);
    EXPECT_EQ(at1600.smallSide, 114);
    for (int i = 0; i < 5; ++i) {
        const auto& ball = at1600.jackpotBalls[static_cast<std::size_t>(i)];
        EXPECT_EQ(ball.x, 394 + i * 162);
        EXPECT_EQ(ball.y, 64);
        EXPECT_EQ(ball.side, 152);
        EXPECT_EQ(ball.cell, sym::BallB + i);
        const auto& box = at1600.symbolBoxes[static_cast<std::size_t>(i)];
        EXPECT_EQ(box.x, 112 + i * 304);
        EXPECT_EQ(box.y, 300);
        EXPECT_EQ(box.side, 152);
    }
    for (int i = 0; i < 8; ++i) {
        const auto& box = at1600.smallSymbolBoxes[static_cast<std::size_t>(i)];
        EXPECT_EQ(box.x, 56 + i * 194);
        EXPECT_EQ(box.y, 500);
        EXPECT_EQ(box.side, 114);
        EXPECT_EQ(box.cell, sym::Card + i);
    }
    EXPECT_EQ(at1600.separators, (std::array<int, 2>{650, 730}));
    EXPECT_EQ(at1600.separatorLength, 1600);
    EXPECT_EQ(at1600.closeButton, QRect(400, 664, 800, 56));
    ASSERT_EQ(at1600.texts.size(), at800.texts.size());
    for (std::size_t i = 0; i < at800.texts.size(); ++i) {
        EXPECT_EQ(at1600.texts[i].text, at800.texts[i].text);
        EXPECT_EQ(at1600.texts[i].x, 2 * at800.texts[i].x) << at800.texts[i].text.toStdString();
        EXPECT_EQ(at1600.texts[i].y, 2 * at800.texts[i].y) << at800.texts[i].text.toStdString();
    }
    for (int k = 0; k < kPatternCount; ++k) {
        const auto place = static_cast<std::size_t>(k);
        const QPoint expected =
            k < 6 ? QPoint(80 + 280 * k, 876 - 44 - 20) : QPoint(80 + 234 * (k - 6), 996 + 44);
        EXPECT_EQ(at1600.diagrams[place], expected) << "place " << k;
        EXPECT_EQ(at1600.diagramPictures[place], at800.diagramPictures[place]);
    }
    EXPECT_EQ(at1600.closeButtonPoints, 18);
    EXPECT_EQ(at1600.captionPoints, 8) << "the captions never grow";
}

TEST(PayoffChartLayout, AStretchedSheetsCellSizeSetsTheBoxes) {
    const PaychartLayout l = LayOutPaychart(1366, 129);
    EXPECT_EQ(l.smallSide, 96);
    EXPECT_EQ(l.jackpotBalls[1].x - l.jackpotBalls[0].x, 129 + ScaleToScreen(5, 1366));
    EXPECT_EQ(l.symbolBoxes[4].x, ScaleToScreen(56, 1366) + 4 * (129 + ScaleToScreen(76, 1366)));
    EXPECT_EQ(l.smallSymbolBoxes[7].x,
              ScaleToScreen(28, 1366) + 7 * (129 + ScaleToScreen(21, 1366)));
    EXPECT_EQ(l.closeButton, QRect(341, ScaleToScreen(332, 1366), 683, ScaleToScreen(28, 1366)));
}

}  // namespace
}  // namespace quillane::testing
