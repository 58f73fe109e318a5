// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <climits>
#include <map>
#include <set>

#include "cabinet_fixture.h"
#include "core/paytable.h"
#include "platform/canvas.h"
#include "ui/chart/payoff_chart.h"

namespace quillane::testing {
namespace {

const QRgb kSilver = qRgb(0xC0, 0xC0, 0xC0);
const QRgb kGrey = qRgb(0x80, 0x80, 0x80);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QString kJackpotHeading = "BINGO Jackpot - Get all five BINGO Balls on a Payline";

using Written = PayoffChart::WrittenText;
using PayLines = std::vector<std::pair<int, int>>;  // count and pay, top to bottom

// What a thing on the chart covers: a text only its letters, kept in `ink`; else all `bounds`.
struct Shape {
    QString name;
    QRect bounds;
    QImage ink = {};

    bool Covers(int x, int y) const {
        return bounds.contains(x, y) &&
               (ink.isNull() || ink.pixel(x - bounds.left(), y - bounds.top()) != kBlack);
    }
    bool Overlaps(const Shape& other) const {
        const QRect both = bounds.intersected(other.bounds);
        for (int y = both.top(); y <= both.bottom(); ++y) {
            for (int x = both.left(); x <= both.right(); ++x) {
                if (Covers(x, y) && other.Covers(x, y))
                    return true;
            }
        }
        return false;
    }
};

// What a box shows inside its frame, full size or shrunk to a thumbnail 8 pixels square.
QImage Inside(const QImage& image, int x, int y, int side, bool thumbnail = false, int frame = 2) {
    const QImage inside = image.copy(x + frame, y + frame, side - 2 * frame, side - 2 * frame);
    return thumbnail ? inside.scaled(8, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     : inside.convertToFormat(QImage::Format_RGB32);
}

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

Pattern PatternCaptioned(const QString& caption) {
    for (const PatternInfo& info : kPatterns) {
        if (QString::fromUtf8(info.chartName.data(), info.chartName.size()) == caption)
            return info.pattern;
    }
    ADD_FAILURE() << "no pattern is captioned " << caption.toStdString();
    return Pattern::Blackout;
}

class PayoffChartTest : public CabinetFixture {
  protected:
    PayoffChart& Open() {
        Start();
        PassStartup();
        Make(screen.Info().available).show();
        clock.ProcessEvents();
        return *chart_;
    }

    // A chart for a screen whose available area is `area`, with the cabinet's symbol sheet.
    PayoffChart& Make(const QRect& area) {
        chart_ = std::make_unique<PayoffChart>(
            cabinet().cabinetGeometry().layoutWidth, cabinet().pictures().symbolSheet,
            cabinet().cabinetGeometry().cellSize, area,
            [this](int topic) { topics.push_back(topic); }, &cabinet());
        return *chart_;
    }

    // The balls first, left to right. Only where the boxes stand comes from the chart's layout;
    // what they show is read off the chart.
    std::vector<ChartSymbolBox> Boxes() const {
        const PaychartLayout& layout = chart_->layout();
        std::vector<ChartSymbolBox> boxes(layout.jackpotBalls.begin(), layout.jackpotBalls.end());
        std::sort(boxes.begin(), boxes.end(), [](auto& a, auto& b) { return a.x < b.x; });
        boxes.insert(boxes.end(), layout.symbolBoxes.begin(), layout.symbolBoxes.end());
        boxes.insert(boxes.end(), layout.smallSymbolBoxes.begin(), layout.smallSymbolBoxes.end());
        return boxes;
    }

    QRgb At(int x, int y) const { return chart_->surface().pixel(x, y); }
    QRect OnSurface(const QWidget* w) const { return w->geometry().translated(-chart_->origin()); }

    const Written* Find(const QString& start) const {
        for (const Written& t : chart_->written()) {
            if (t.text.startsWith(start))
                return &t;
        }
        return nullptr;
    }

    // A text written again alone, to tell its letters from the line box they stand in; they
    // must be letters on the chart in the text's colour.
    Shape InkOf(const Written& t) const {
        QImage alone(t.area.size(), QImage::Format_RGB32);
        alone.fill(Qt::black);
        Canvas canvas(alone);
        canvas.SetBrushClear(true);
        canvas.SetFont(t.points, true);  // the chart writes everything bold
        canvas.SetFontColor(Qt::white);
        canvas.DrawText(0, 0, t.text);
        QRect inked;
        int onChart = 0;
        for (int y = 0; y < alone.height(); ++y) {
            for (int x = 0; x < alone.width(); ++x) {
                const QPoint p = t.area.topLeft() + QPoint(x, y);
                if (alone.pixel(x, y) == kBlack)
                    continue;
                inked |= QRect(x, y, 1, 1);
                onChart += chart_->surface().valid(p) &&
                           ColourDistance(At(p.x(), p.y()), t.colour.rgb()) <= 30;
            }
        }
        EXPECT_GT(onChart, 0) << t.text.toStdString();
        return {t.text, inked.translated(t.area.topLeft()), alone.copy(inked)};
    }

    // The sheet cell a box looks most like, and how far off it is: a colour channel's mean step.
    std::pair<int, int> Shown(const ChartSymbolBox& box) {
        const int c = cabinet().cabinetGeometry().cellSize;
        const QImage shown = Inside(chart_->surface(), box.x, box.y, box.side, true);
        // The sheet's cell less as large a share of it as the box's frame hides of the box.
        const int hidden = std::max(1, (2 * c + box.side / 2) / box.side);
        std::pair<int, int> best{INT_MAX, 0};
        for (int n = 0; n < kSymbolCount; ++n) {
            const QImage cell =
                Inside(cabinet().pictures().symbolSheet, n % 4 * c, n / 4 * c, c, true, hidden);
            int off = 0;
            for (int i = 0; i < 64; ++i) {
                const QRgb a = shown.pixel(i % 8, i / 8), b = cell.pixel(i % 8, i / 8);
                off += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                       std::abs(qBlue(a) - qBlue(b));
            }
            best = std::min(best, {off / 192, n});
        }
        return {best.second, best.first};
    }

    // The lines beside a box: a count just left of it, in one colour with the figure just right
    // of it on the same line; a line missing either half, or in two colours, reads as {0, 0}.
    PayLines PayLinesBeside(const ChartSymbolBox& box) const {
        const int near = box.side / 4, right = box.x + box.side;
        std::map<int, std::pair<const Written*, const Written*>> byTop;
        for (const Written& t : chart_->written()) {
            if (t.area.bottom() < box.y || t.area.top() > box.y + box.side)
                continue;
            if (t.area.right() < box.x && t.area.right() >= box.x - near)
                byTop[t.area.top()].first = &t;
            if (t.area.left() > right && t.area.left() <= right + near)
                byTop[t.area.top()].second = &t;
        }
        PayLines lines;
        for (const auto& [top, line] : byTop) {
            const auto [count, pay] = line;
            lines.push_back(count && pay && count->colour == pay->colour
                                ? std::pair(count->text.toInt(), pay->text.toInt())
                                : std::pair(0, 0));
        }
        return lines;
    }

    // The balls read B, I, N, G, O, then the boxes show each symbol that pays on a line once,
    // with the pay table's figures for it beside it. Each is framed, light at the top and left
    // and dark at the right and bottom, and a full-size one is the sheet's cell pixel for pixel.
    void ExpectFramedBoxes() {
        const int c = cabinet().cabinetGeometry().cellSize;
        std::vector<int> shown;
        for (const ChartSymbolBox& box : Boxes()) {
            const auto [symbol, off] = Shown(box);
            const int mid = box.side / 2;
            const std::string at = std::to_string(box.x) + "," + std::to_string(box.y);
            EXPECT_LE(off, 8) << "the box at " << at << " is most like " << symbol;
            EXPECT_TRUE(At(box.x, box.y + mid) == kSilver && At(box.x + mid, box.y) == kSilver &&
                        At(box.x + box.side, box.y + mid) == kGrey &&
                        At(box.x + mid, box.y + box.side) == kGrey)
                << "the frame at " << at;
            EXPECT_TRUE(box.side != c || Inside(chart_->surface(), box.x, box.y, c) ==
                                             Inside(cabinet().pictures().symbolSheet,
                                                    symbol % 4 * c, symbol / 4 * c, c))
                << at;
            shown.push_back(symbol);
            PayLines pays;
            for (int count = 5; count >= 1 && !IsBall(static_cast<Symbol>(symbol)); --count) {
                if (const int pay = PayFor(static_cast<Symbol>(symbol), count); pay > 0)
                    pays.push_back({count, pay});
            }
            if (!pays.empty()) {
                EXPECT_EQ(PayLinesBeside(box), pays) << "beside symbol " << symbol;
            }
        }
        std::sort(shown.begin() + 5, shown.end());
        std::vector<int> expected = {sym::BallB, sym::BallI, sym::BallN,
                                     sym::BallG, sym::BallO, sym::Wild};
        for (int s = sym::Card; s <= sym::Bag; ++s)
            expected.push_back(s);
        EXPECT_EQ(shown, expected);
    }

    // The whole chart in its window, centred, as big as the window lets it be.
    void ExpectFitsItsWindow() const {
        const QRect window = chart_->rect(), shown(chart_->origin(), chart_->surface().size());
        EXPECT_TRUE(window.contains(shown));
        EXPECT_LE(std::min(window.width() - shown.width(), window.height() - shown.height()), 1);
        EXPECT_LE((shown.center() - window.center()).manhattanLength(), 2);
    }

    // No two things on the chart touch, texts by their letters, and all of them lie on it.
    void ExpectNothingOverlaps() {
        std::vector<Shape> shown;
        for (const Written& t : chart_->written())
            shown.push_back(InkOf(t));
        for (const ChartSymbolBox& b : Boxes())
            shown.push_back(
                {"box of symbol " + QString::number(b.cell), {b.x, b.y, b.side + 1, b.side + 1}});
        for (int k = 0; k < kPatternCount; ++k) {
            shown.push_back({chart_->caption(k)->text(), OnSurface(chart_->caption(k))});
            shown.push_back(
                {"diagram of " + chart_->caption(k)->text(), OnSurface(chart_->diagram(k))});
        }
        shown.push_back({"Close button", OnSurface(chart_->closeButton())});
        for (const QRect& line : SilverLines())
            shown.push_back({"silver line", line});

        for (std::size_t i = 0; i < shown.size(); ++i) {
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                EXPECT_FALSE(shown[i].Overlaps(shown[j]))
                    << shown[i].name.toStdString() << " overlaps " << shown[j].name.toStdString();
            }
            EXPECT_TRUE(chart_->surface().rect().contains(shown[i].bounds))
                << shown[i].name.toStdString() << " runs past the chart";
        }
    }

    // The rules drawn in silver right across the chart, each as the rows it covers.
    std::vector<QRect> SilverLines() const {
        const int w = chart_->surface().width();
        std::vector<QRect> lines;
        for (int y = 0; y < chart_->surface().height(); ++y) {
            bool across = At(w - 1, y) == kSilver;
            for (int x = 0; x < w && across; x += 7)
                across = At(x, y) == kSilver;
            if (across && !lines.empty() && lines.back().bottom() == y - 1)
                lines.back().setBottom(y);
            else if (across)
                lines.push_back(QRect(0, y, w, 1));
        }
        return lines;
    }

    // Two rules right across the chart part the pays from the bonus, with Close centred between.
    void ExpectSilverLinesWithCloseBetween() const {
        const std::vector<QRect> lines = SilverLines();
        ASSERT_EQ(lines.size(), 2u);
        const QRect button = OnSurface(chart_->closeButton());
        EXPECT_TRUE(button.top() > lines[0].bottom() && button.bottom() < lines[1].top());
        EXPECT_LE(std::abs(button.left() + button.right() + 1 - chart_->surface().width()), 1);
        const QFontMetrics metrics(chart_->closeButton()->font());
        EXPECT_TRUE(metrics.horizontalAdvance("Close") < button.width() &&
                    metrics.height() <= button.height());

        for (const ChartSymbolBox& box : Boxes())
            EXPECT_LT(box.y + box.side, lines[0].top()) << "the pays above";
        for (int k = 0; k < kPatternCount; ++k)
            EXPECT_GT(OnSurface(chart_->diagram(k)).top(), lines[1].bottom()) << "the bonus below";
    }

    std::vector<int> topics;
    std::unique_ptr<PayoffChart> chart_;
};

TEST_F(PayoffChartTest, OpensModalAndMaximizedAndClosesWithCloseOrEscape) {
    PayoffChart& chart = Open();
    EXPECT_EQ(chart.windowTitle(), "Payoff Chart");
    EXPECT_TRUE(chart.isModal());
    EXPECT_TRUE(chart.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(chart.geometry(), screen.Info().available);
    ExpectFitsItsWindow();

    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(chart.closeButton(), &f1);
    EXPECT_EQ(topics, std::vector<int>{41010});
    EXPECT_TRUE(chart.isVisible());

    EXPECT_EQ(chart.closeButton()->text(), "Close");
    chart.closeButton()->click();
    EXPECT_FALSE(chart.isVisible());

    chart.show();
    clock.ProcessEvents();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(chart.closeButton(), &escape);
    EXPECT_FALSE(chart.isVisible());
    EXPECT_EQ(chart.result(), QDialog::Rejected);
}

TEST_F(PayoffChartTest, AVariantSheetShowsItsOwnCells) {
    PutShippedFile("Bingo98.jpg");
    Open();
    REQUIRE_LAYOUT_WIDTH(cabinet(), 1024);
    ASSERT_EQ(cabinet().cabinetGeometry().cellSize, 98);
    ExpectFramedBoxes();
}

TEST_F(PayoffChartTest, EveryPayFigureIsThePayTables) {
    Open();
    ExpectFramedBoxes();

    PayLines scatter, scatterPays;  // read as "5 - 100"
    for (int balls = kReelCount; balls >= kBonusBallCount; --balls)
        scatterPays.push_back({balls, kScatterPays[static_cast<std::size_t>(balls)]});
    for (const Written& dash : chart_->written()) {
        std::map<int, const Written*> line;  // a dash's line by left edge
        for (const Written& t : chart_->written()) {
            if (dash.text == "-" && t.area.top() == dash.area.top())
                line[t.area.left()] = &t;
        }
        const auto at = line.find(dash.area.left());
        if (at != line.end() && at != line.begin() && std::next(at) != line.end())
            scatter.push_back(
                {std::prev(at)->second->text.toInt(), std::next(at)->second->text.toInt()});
    }
    EXPECT_EQ(scatter, scatterPays);

    // The jackpot's pay below the balls and its heading above them, both centred on them.
    const auto bingo = std::find_if(kPayTable.begin(), kPayTable.end(), [](const PayRow& row) {
        return row.combination == Combination::BingoBalls;
    });
    ASSERT_NE(bingo, kPayTable.end());
    const auto* pays = Find("Pays " + QString::number(bingo->pays) + " X Coins Per Line Bet");
    const auto* heading = Find(kJackpotHeading);
    ASSERT_TRUE(heading && pays);
    const std::vector<ChartSymbolBox> boxes = Boxes();
    const int ballsCentre = (boxes[0].x + boxes[4].x + boxes[4].side) / 2;
    EXPECT_TRUE(heading->area.bottom() < boxes[0].y &&
                pays->area.top() > boxes[0].y + boxes[0].side);
    EXPECT_LE(std::abs(heading->area.center().x() - ballsCentre), 2);
    EXPECT_LE(std::abs(pays->area.center().x() - ballsCentre), 2);
}

TEST_F(PayoffChartTest, NothingOverlapsAndNothingRunsPastTheChart) {
    Open();
    ExpectNothingOverlaps();
}

TEST_F(PayoffChartTest, FitsAndKeepsClearOnScreensFromTheSmallestToTheLargest) {
    Start();
    PassStartup();
    for (const QSize screenSize : {QSize(640, 480), QSize(800, 600), QSize(1366, 768),
                                   QSize(1920, 1080), QSize(3840, 2160)}) {
        SCOPED_TRACE(screenSize.width());
        Make(QRect(QPoint(0, 0), screenSize));
        ExpectFitsItsWindow();
        ExpectFramedBoxes();  // the cabinet's cells, scaled where the widths differ
        ExpectNothingOverlaps();
        ExpectSilverLinesWithCloseBetween();
    }
    chart_->showNormal();
    chart_->resize(720, 520);
    clock.ProcessEvents();
    SCOPED_TRACE("made smaller");
    ExpectFitsItsWindow();
    ExpectNothingOverlaps();
}

TEST_F(PayoffChartTest, TheGamesOwnFiguresRunAcrossTheFootAndKeepClearAtEverySize) {
    Start();
    PassStartup();
    // The widest line and the narrowest, at sizes from the smallest screen to the largest.
    for (const auto& [lines, credits] : {std::pair(9, 10), std::pair(1, 1)}) {
        const TheoreticalReturn figures = ComputeTheoreticalReturn(lines, credits);
        for (const QSize screenSize :
             {QSize(560, 420), QSize(640, 480), QSize(720, 520), QSize(800, 600), QSize(1024, 700),
              QSize(1366, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
            SCOPED_TRACE(std::to_string(lines * credits) + " at " +
                         std::to_string(screenSize.width()));
            Make(QRect(QPoint(0, 0), screenSize)).ShowReturn(figures);
            ExpectFitsItsWindow();
            ExpectNothingOverlaps();
            ExpectSilverLinesWithCloseBetween();
            const Written* line = Find("Return at " + QString::number(lines));
            ASSERT_TRUE(line);
            EXPECT_TRUE(line->text.contains("(exact)") && line->text.contains("(estimated from"))
                << line->text.toStdString();
            EXPECT_LE(std::abs(2 * line->area.center().x() - chart_->surface().width()), 4);
            for (int k = 0; k < kPatternCount; ++k)
                EXPECT_GT(line->area.top(), OnSurface(chart_->caption(k)).bottom()) << k;
        }
    }
    // On a chart too small to keep it clear, the line is left out.
    Make(QRect(0, 0, 320, 240)).ShowReturn(ComputeTheoreticalReturn(9, 10));
    if (const Written* line = Find("Return at ")) {
        for (int k = 0; k < kPatternCount; ++k)
            EXPECT_GT(line->area.top(), OnSurface(chart_->caption(k)).bottom()) << k;
    }
    chart_->showNormal();
    chart_->resize(700, 500);
    clock.ProcessEvents();
    SCOPED_TRACE("made smaller");
    ExpectFitsItsWindow();
    ExpectNothingOverlaps();
}

TEST_F(PayoffChartTest, EachCaptionSitsByTheDiagramOfThePatternItNames) {
    PayoffChart& chart = Open();
    const QImage window = chart.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    std::set<Pattern> named;
    for (int k = 0; k < kPatternCount; ++k) {
        const QLabel* caption = chart.caption(k);
        const std::string text = caption->text().toStdString();
        const QRect c = caption->geometry(), d = chart.diagram(k)->geometry();
        const int gap = std::max(d.top() - c.bottom(), c.top() - d.bottom()) - 1;
        EXPECT_TRUE(caption->isVisible() && chart.diagram(k)->isVisible()) << text;
        EXPECT_EQ(d.size(), chart.diagram(k)->picture().size()) << text << ": shown unscaled";
        EXPECT_GE(caption->width(), caption->sizeHint().width()) << text << ": shown whole";
        EXPECT_TRUE(c.left() <= d.right() && c.right() >= d.left()) << text;
        EXPECT_TRUE(gap >= 0 && gap <= 4) << text << ": just above or below, " << gap << " off";

        const Pattern pattern = PatternCaptioned(caption->text());
        named.insert(pattern);
        const std::uint32_t marks = MarkedSquares(window.copy(d));
        EXPECT_TRUE(HasPattern(marks, pattern)) << text;
        if (pattern != Pattern::Blackout) {
            EXPECT_NE(marks, (1u << kCardCells) - 1u - (1u << kFreeCell)) << text;
        }

        int white = 0;  // its lettering, white on the black
        for (int y = c.top(); y <= c.bottom(); ++y) {
            for (int x = c.left(); x <= std::min(c.right(), window.width() - 1); ++x)
                white += window.pixel(x, y) == kWhite;
        }
        EXPECT_GT(white, 0) << text;
    }
    EXPECT_EQ(named.size(), static_cast<std::size_t>(kPatternCount)) << "each pattern once";
}

TEST_F(PayoffChartTest, RulesAndTheBonusExplanationReadDownTheChart) {
    PayoffChart& chart = Open();
    // Two blocks ranged left, then the explanation centred, found by its lines' first words.
    const std::vector<std::vector<const char*>> blocks = {
        {"All payoffs are based on coins", "bet per line except scatter wins",
         "which are based on total credits.", "Lines pay from the left side only.",
         "Scatters win in any position.", "Wild symbols match any except", "the BINGO balls."},
        {"Collect a Scatter win by getting", "three or more BINGO Balls on",
         "the screen in any position.", "Scatter wins start bonus game."},
        {"The Bingo Bonus Game is played", "Bonus Game, select any of the five",
         "However, along the way, tweleve", "bingo variation you win.",
         "The bonus can be as much as 50,000", "first 24 numbers are called."}};
    for (const auto& block : blocks) {
        for (std::size_t i = 0; i < block.size(); ++i) {
            const Written *t = Find(block[i]), *before = Find(block[i ? i - 1 : 0]);
            ASSERT_TRUE(t && before) << block[i];
            EXPECT_TRUE(i == 0 || t->area.top() > before->area.top()) << block[i];
            EXPECT_TRUE(&block == &blocks.back()
                            ? std::abs(2 * t->area.center().x() - chart.surface().width()) <= 4
                            : t->area.left() == before->area.left())
                << block[i];
        }
    }
}

TEST_F(PayoffChartTest, SilverLinesPartThePaysFromTheBonusWithTheCloseButtonBetween) {
    Open();
    EXPECT_TRUE(chart_->closeButton()->isVisible());
    ExpectSilverLinesWithCloseBetween();
}

TEST_F(PayoffChartTest, OnAScreenThatDoublesPixelsTheChartUsesEveryPixel) {
    PayoffChart& chart = Open();
    const double ratio = chart.devicePixelRatioF();
    if (ratio < 2)
        GTEST_SKIP() << "for a screen that doubles pixels (QT_SCALE_FACTOR=2)";
    EXPECT_EQ(chart.surface().size(), chart.layout().size * ratio);
    for (int k = 0; k < kPatternCount; ++k)
        EXPECT_EQ(chart.diagram(k)->picture().size(), chart.diagram(k)->size() * ratio) << k;
}

}  // namespace
}  // namespace quillane::testing
