#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <climits>
#include <map>
#include <set>

#include "cabinet_fixture.h"
#include "core/paytable.h"
#include "platform/canvas.h"
#include "ui/payoff_chart.h"

namespace quillane::testing {
namespace {

const QRgb kSilver = qRgb(0xC0, 0xC0, 0xC0);
const QRgb kGrey = qRgb(0x80, 0x80, 0x80);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QString kJackpotHeading = "BINGO Jackpot - Get all five BINGO Balls on a Payline";

// At 800 the right-most captions run past the right edge, an accepted flaw. At 1366 the jackpot
// heading is too big for its place and the scatter rules too wide: found here, still to be fixed.
const std::set<QString> kKnownFaults = {
    "800: Double Hard Way runs past the chart",
    "800: Picture Frame runs past the chart",
    "1366: Collect a Scatter win by getting runs past the chart",
    "1366: " + kJackpotHeading + " overlaps All payoffs are based on coins",
    "1366: " + kJackpotHeading + " overlaps Collect a Scatter win by getting",
};

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
QImage Inside(const QImage& image, int x, int y, int side, bool thumbnail = false) {
    const QImage inside = image.copy(x + 2, y + 2, side - 4, side - 4);
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
        CabinetWindow& form = Start();
        PassStartup();
        chart_ = std::make_unique<PayoffChart>(
            form.cabinetGeometry().layoutWidth, form.pictures().symbolSheet,
            form.cabinetGeometry().cellSize, screen.Info().available,
            [this](int topic) { topics.push_back(topic); }, &form);
        chart_->show();
        clock.ProcessEvents();
        // Only where the boxes stand comes from the layout; what they show is read off the chart.
        const PaychartLayout layout =
            LayOutPaychart(form.cabinetGeometry().layoutWidth, form.cabinetGeometry().cellSize);
        boxes_.assign(layout.jackpotBalls.begin(), layout.jackpotBalls.end());
        std::sort(boxes_.begin(), boxes_.end(), [](auto& a, auto& b) { return a.x < b.x; });
        boxes_.insert(boxes_.end(), layout.symbolBoxes.begin(), layout.symbolBoxes.end());
        boxes_.insert(boxes_.end(), layout.smallSymbolBoxes.begin(), layout.smallSymbolBoxes.end());
        return *chart_;
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
        canvas.TextOut(0, 0, t.text);
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
        const int c = form().cabinetGeometry().cellSize;
        const QImage shown = Inside(chart_->surface(), box.x, box.y, box.side, true);
        std::pair<int, int> best{INT_MAX, 0};
        for (int n = 0; n < kSymbolCount; ++n) {
            const QImage cell =
                Inside(form().pictures().symbolSheet, n % 4 * c, n / 4 * c, c, true);
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
        const int c = form().cabinetGeometry().cellSize;
        std::vector<int> shown;
        for (const ChartSymbolBox& box : boxes_) {
            const auto [symbol, off] = Shown(box);
            const int mid = box.side / 2;
            const std::string at = std::to_string(box.x) + "," + std::to_string(box.y);
            EXPECT_LE(off, 8) << "the box at " << at << " is most like " << symbol;
            EXPECT_TRUE(At(box.x, box.y + mid) == kSilver && At(box.x + mid, box.y) == kSilver &&
                        At(box.x + box.side, box.y + mid) == kGrey &&
                        At(box.x + mid, box.y + box.side) == kGrey)
                << "the frame at " << at;
            EXPECT_TRUE(box.side != c || Inside(chart_->surface(), box.x, box.y, c) ==
                                             Inside(form().pictures().symbolSheet, symbol % 4 * c,
                                                    symbol / 4 * c, c))
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

    std::vector<int> topics;
    std::unique_ptr<PayoffChart> chart_;
    std::vector<ChartSymbolBox> boxes_;  // the balls first, left to right
};

TEST_F(PayoffChartTest, OpensModalAndMaximizedAndClosesWithCloseOrEscape) {
    PayoffChart& chart = Open();
    EXPECT_EQ(chart.windowTitle(), "Payoff Chart");
    EXPECT_TRUE(chart.isModal());
    EXPECT_TRUE(chart.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(chart.geometry(), screen.Info().available);
    EXPECT_EQ(chart.surface().width(), form().cabinetGeometry().layoutWidth);
    EXPECT_TRUE(chart.rect().contains(QRect(chart.origin(), chart.surface().size())));

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
    REQUIRE_LAYOUT_WIDTH(form(), 1024);
    ASSERT_EQ(form().cabinetGeometry().cellSize, 98);
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
    const int ballsCentre = (boxes_[0].x + boxes_[4].x + boxes_[4].side) / 2;
    EXPECT_TRUE(heading->area.bottom() < boxes_[0].y &&
                pays->area.top() > boxes_[0].y + boxes_[0].side);
    EXPECT_LE(std::abs(heading->area.center().x() - ballsCentre), 2);
    EXPECT_LE(std::abs(pays->area.center().x() - ballsCentre), 2);
}

TEST_F(PayoffChartTest, NothingOverlapsAndNothingRunsPastTheChart) {
    PayoffChart& chart = Open();
    std::vector<Shape> shown;
    for (const Written& t : chart.written())
        shown.push_back(InkOf(t));
    for (const ChartSymbolBox& b : boxes_)
        shown.push_back(
            {"box of symbol " + QString::number(b.cell), {b.x, b.y, b.side + 1, b.side + 1}});
    for (int k = 0; k < kPatternCount; ++k) {
        shown.push_back({chart.caption(k)->text(), OnSurface(chart.caption(k))});
        shown.push_back({"diagram of " + chart.caption(k)->text(), OnSurface(chart.diagram(k))});
    }
    shown.push_back({"Close button", OnSurface(chart.closeButton())});
    for (const QRect& line : SilverLines())
        shown.push_back({"silver line", line});

    auto expectNo = [&](bool fault, const QString& what) {
        const QString found = QString::number(form().cabinetGeometry().layoutWidth) + ": " + what;
        EXPECT_TRUE(!fault || kKnownFaults.contains(found)) << found.toStdString();
    };
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            expectNo(shown[i].Overlaps(shown[j]), shown[i].name + " overlaps " + shown[j].name);
        expectNo(!chart.surface().rect().contains(shown[i].bounds),
                 shown[i].name + " runs past the chart");
    }
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
    PayoffChart& chart = Open();
    const std::vector<QRect> lines = SilverLines();
    ASSERT_EQ(lines.size(), 2u);
    const QRect button = OnSurface(chart.closeButton());
    EXPECT_TRUE(chart.closeButton()->isVisible());
    EXPECT_TRUE(button.top() > lines[0].bottom() && button.bottom() < lines[1].top());
    EXPECT_LE(std::abs(button.left() + button.right() + 1 - chart.surface().width()), 1);
    const QFontMetrics metrics(chart.closeButton()->font());
    EXPECT_TRUE(metrics.horizontalAdvance("Close") < button.width() &&
                metrics.height() <= button.height());

    for (const ChartSymbolBox& box : boxes_)
        EXPECT_LT(box.y + box.side, lines[0].top()) << "the pays above";
    for (int k = 0; k < kPatternCount; ++k)
        EXPECT_GT(OnSurface(chart.diagram(k)).top(), lines[1].bottom()) << "the bonus below";
}

}  // namespace
}  // namespace quillane::testing
