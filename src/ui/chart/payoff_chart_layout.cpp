// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/chart/payoff_chart_layout.h"

#include <QCoreApplication>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <string_view>
#include <tuple>

#include "core/paytable.h"
#include "core/scale.h"
#include "platform/canvas.h"

namespace quillane {
namespace {

using Sizes = std::array<int, 4>;
constexpr Sizes kHeadingSizes = {12, 14, 18, 24};
constexpr Sizes kSmallSizes = {8, 10, 12, 14};
constexpr Sizes kPaySizes = {10, 12, 14, 18};
constexpr int kCaptionPoints = 8;
constexpr int kSmallestPoints = 5;

constexpr int kRulesIndent = 10;
constexpr int kBallSpacing = 5;
constexpr int kGap = 3;  // the least space between neighbouring columns
constexpr int kSeparatorWidth = 3;

// Places on the 800 by 600 design, scaled to the chart's width.
constexpr QPoint kBalls(197, 32);  // the jackpot's five balls, in a row
constexpr int kHeadingAbove = 2;   // from the jackpot's heading to the balls below it
constexpr int kHeadingBelow = 1;   // and from the balls to the line under them
// The big symbol boxes, the pay lines beside them and the box after, five in a row.
constexpr QPoint kBigBoxes(56, 150);
constexpr int kBigBoxGap = 76;
constexpr int kBigCountsRight = 54;
constexpr int kBigPaysTop = 149;
constexpr int kShortBigPaysTop = 157;  // of the boxes that pay from two symbols, not one
// The small symbol boxes, eight in a row below the big ones, likewise.
constexpr QPoint kSmallBoxes(28, 250);
constexpr int kSmallBoxGap = 21;
constexpr int kSmallCountsRight = 26;
constexpr int kSmallPaysTop = 258;
constexpr int kQueenPaysTop = 249;  // the queen pays from two symbols: one line more
constexpr int kPayLineStep = 16;
constexpr int kQueenLineStep = 15;
constexpr int kBigPayGap = 5;  // between a box and its pays
constexpr int kSmallPayGap = 4;
// The scatter rules and pays, right of the jackpot.
constexpr int kScatterLeft = 624;
constexpr int kScatterCount = 680;
constexpr int kScatterDash = 690;
constexpr int kScatterPay = 697;
constexpr int kScatterPaysTop = 62;
constexpr int kScatterLineStep = 14;
constexpr int kCloseTop = 332;
constexpr int kCloseHeight = 28;
constexpr std::array<int, 2> kSeparators = {325, 365};
// The bonus game's explanation, and the pattern diagrams above and below it.
constexpr int kExplanationCentre = 400;
constexpr int kUpperDiagramsGap = 10;  // from the diagrams to the explanation
constexpr int kLowerDiagramsGap = 22;  // from the explanation's last line to the diagrams
constexpr int kDiagramsLeft = 40;
constexpr int kUpperDiagramPitch = 140;
constexpr int kLowerDiagramPitch = 117;

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

constexpr std::array<Symbol, 5> kBigSymbols = {sym::Wild, sym::Doll, sym::Elephant, sym::Daubers,
                                               sym::Bag};

// A paragraph written in a column, a line under the other: it starts at `top`, its lines `step`
// apart, and has room for `lines` of them: it is written at the largest size at which it keeps
// within that room. Its lines break where its "\n" stand, and a line too wide for the column
// between words as well.
struct Block {
    const char* text;
    int top;
    int step;
    int lines;
};

constexpr Block kPlayRules = {
    //: The payoff chart's rules of play, in a narrow column of seven lines: a "\n" ends a line,
    //: and a line too long for the column is broken between words.
    QT_TRANSLATE_NOOP("PayoffChart",
                      "All payoffs are based on coins\n"
                      "bet per line except scatter wins\n"
                      "which are based on total credits.\n"
                      "Lines pay from the left side only.\n"
                      "Scatters win in any position.\n"
                      "Wild symbols match any except\n"
                      "the BINGO balls."),
    20, 14, 7};

constexpr Block kScatterRules = {
    //: Above the scatter pays on the payoff chart, in a narrow column of three lines: a "\n" ends
    //: a line, and a line too long for the column is broken between words.
    QT_TRANSLATE_NOOP("PayoffChart",
                      "Collect a Scatter win by getting\n"
                      "three or more BINGO Balls on\n"
                      "the screen in any position."),
    20, 14, 3};

constexpr Block kScatterBonus = {
    //: Below the scatter pays on the payoff chart, one short line.
    QT_TRANSLATE_NOOP("PayoffChart", "Scatter wins start bonus game."), 106, 14, 1};

constexpr Block kBonusExplanation = {
    //: The bonus game's explanation across the payoff chart, six long lines: a "\n" ends a line,
    //: and a line too long for the chart is broken between words.
    QT_TRANSLATE_NOOP(
        "PayoffChart",
        "The Bingo Bonus Game is played when you get three or more Bingo Balls on the screen "
        "during any slot spin.  When you get to the\n"
        "Bonus Game, select any of the five bingo cards.  A game of blackout bingo is played until "
        "one or more of the cards wins the blackout game.\n"
        "However, along the way, tweleve other bingo variations can be won.  The game pays four "
        "times your last slot bet (total credits bet) for each\n"
        "bingo variation you win.  The blackout bingo game can pay more than the other bingo "
        "variations if it is won before 72 bingo balls are called.\n"
        "The bonus can be as much as 50,000 times your last slot bet.  This bonus amount is "
        "reduced by 17.5% for every number called after the\n"
        "first 24 numbers are called.  Cards are marked (\"dobbed\") automatically by the game.  "
        "Sit back and enjoy.  And GOOD LUCK!"),
    438, 12, 6};

// By place on the chart. Each place shows the diagram of the pattern its caption names, found
// by that name: the diagrams are numbered in the bonus window's order, not in this one.
constexpr std::array<const char*, kPatternCount> kCaptions = {
    //: A bingo pattern's name under its diagram on the payoff chart: keep it short.
    QT_TRANSLATE_NOOP("PayoffChart", "Blackout Bingo"),
    //: A bingo pattern's name under its diagram on the payoff chart: keep it short.
    QT_TRANSLATE_NOOP("PayoffChart", "Any Way Bingo"),
    //: A bingo pattern's name under its diagram on the payoff chart: keep it short.
    QT_TRANSLATE_NOOP("PayoffChart", "Postage Stamp"),
    //: A bingo pattern's name under its diagram on the payoff chart: keep it short.
    QT_TRANSLATE_NOOP("PayoffChart", "Four Corners"),
    //: A bingo pattern's name under its diagram on the payoff chart: keep it short.
    QT_TRANSLATE_NOOP("PayoffChart", "Inside Corners"),
    //: A bingo pattern's name under its diagram on the payoff chart: keep it short.
    QT_TRANSLATE_NOOP("PayoffChart", "Double Hard Way"),
    //: A bingo pattern's name under its diagram on the payoff chart: keep it short.
    QT_TRANSLATE_NOOP("PayoffChart", "Inside Diamond"),
    //: A bingo pattern's name under its diagram on the payoff chart: keep it short.
    QT_TRANSLATE_NOOP("PayoffChart", "Large Diamond"),
    //: A bingo pattern's name under its diagram on the payoff chart: keep it short.
    QT_TRANSLATE_NOOP("PayoffChart", "Solid Diamond"),
    //: A bingo pattern's name under its diagram on the payoff chart: keep it short.
    QT_TRANSLATE_NOOP("PayoffChart", "Big Plus Bingo"),
    //: A bingo pattern's name under its diagram on the payoff chart: keep it short.
    QT_TRANSLATE_NOOP("PayoffChart", "Big X Bingo"),
    //: A bingo pattern's name under its diagram on the payoff chart: keep it short.
    QT_TRANSLATE_NOOP("PayoffChart", "Inside Frame"),
    //: A bingo pattern's name under its diagram on the payoff chart: keep it short.
    QT_TRANSLATE_NOOP("PayoffChart", "Picture Frame"),
};

QString Translated(const char* text) {
    return QCoreApplication::translate("PayoffChart", text);
}

int PictureNamed(std::string_view chartName) {
    for (const PatternInfo& info : kPatterns) {
        if (info.chartName == chartName)
            return info.picture;
    }
    return -1;
}

int BingoBallsPay() {
    for (const PayRow& row : kPayTable) {
        if (row.combination == Combination::BingoBalls)
            return row.pays;
    }
    return 0;
}

QString Number(int n) {
    return QString::number(n);
}

// Text extents as the chart's canvas writes them, everything in bold.
class Measure {
  public:
    int Width(const QString& text, int points) { return Extent(text, points).width(); }
    int Height(int points) { return Extent(QStringLiteral("X"), points).height(); }
    int Widest(const QStringList& texts, int points) {
        int widest = 0;
        for (const QString& t : texts)
            widest = std::max(widest, Width(t, points));
        return widest;
    }

  private:
    QSize Extent(const QString& text, int points) {
        canvas_.SetFont(points, true);
        return canvas_.TextSize(text);
    }

    QImage probe_{1, 1, QImage::Format_ARGB32};
    Canvas canvas_{probe_};
};

// `text` in lines at `points`: broken at its line breaks, and a line wider than `room` broken
// between words as well.
QStringList Wrapped(const QString& text, int room, int points, Measure& measure) {
    QStringList wrapped;
    for (QString rest : text.split(u'\n')) {
        while (measure.Width(rest, points) > room) {
            // The longest start of the line that fits, ended at a space; else its first word.
            qsizetype cut = -1;
            for (qsizetype space = rest.indexOf(u' '); space >= 0;
                 space = rest.indexOf(u' ', space + 1)) {
                const QString start = rest.left(space).trimmed();
                if (!start.isEmpty() && measure.Width(start, points) > room)
                    break;
                if (!start.isEmpty())
                    cut = space;
            }
            if (cut < 0)
                cut = rest.indexOf(u' ', rest.indexOf(QRegularExpression(QStringLiteral("\\S"))));
            if (cut < 0)
                break;
            wrapped << rest.left(cut).trimmed();
            rest = rest.mid(cut).trimmed();
        }
        wrapped << rest;
    }
    return wrapped;
}

// Whether every line of `wrapped` fits `room` at `points`, and there are no more than `lines`.
bool Within(const QStringList& wrapped, int room, int points, int lines, Measure& measure) {
    return wrapped.size() <= lines && measure.Widest(wrapped, points) <= room;
}

// The largest size from `points` down at which `fits` holds, or the smallest one tried.
int Fitting(int points, const std::function<bool(int)>& fits) {
    for (int p = points; p > kSmallestPoints; --p) {
        if (fits(p))
            return p;
    }
    return kSmallestPoints;
}

// A symbol box's pay lines: its counts end just left of it, its pays start just right of it.
struct PayColumn {
    int countRight;
    int payLeft;
    QColor colour;
    std::vector<std::tuple<int, int, int>> lines;  // count, pay and top

    QStringList Counts() const { return Column(0); }
    QStringList Pays() const { return Column(1); }
    QStringList Column(int which) const {
        QStringList column;
        for (const auto& [count, pay, y] : lines)
            column << Number(which == 0 ? count : pay);
        return column;
    }
};

// Whether a row's pays keep clear of the next box's counts, and the row within the chart.
bool RowFits(const std::vector<PayColumn>& row, int points, int width, int gap, Measure& measure) {
    int clearFrom = 0;  // where the previous box's pays end
    for (const PayColumn& column : row) {
        if (column.countRight - measure.Widest(column.Counts(), points) < clearFrom)
            return false;
        clearFrom = column.payLeft + measure.Widest(column.Pays(), points) + gap;
    }
    return clearFrom - gap <= width;
}

}  // namespace

int ChartFontBand(int width) {
    // The narrowest width of bands 1, 2 and 3.
    constexpr std::array<int, 3> kBandStarts = {1000, 1191, 1300};
    return static_cast<int>(std::count_if(kBandStarts.begin(), kBandStarts.end(),
                                          [width](int start) { return width >= start; }));
}

int ChartWidthFor(QSize client) {
    const int byHeight = client.height() * kDesignWidth / kDesignHeight;
    int width = std::max(1, std::min(client.width(), byHeight));
    // Truncation can leave the design height one pixel taller than the client.
    while (width > 1 && ScaleToScreen(kDesignHeight, width) > client.height())
        --width;
    return width;
}

int ChartCellFor(int width, int sheetWidth, int sheetCell) {
    return width == sheetWidth ? sheetCell : std::max(1, sheetCell * width / sheetWidth);
}

PaychartLayout LayOutPaychart(int width, int cell, const QString& returnLine) {
    auto scale = [width](int v) { return ScaleToScreen(v, width); };
    const int c = cell;
    const int gap = std::max(1, scale(kGap));
    Measure measure;
    PaychartLayout l{};
    l.size = QSize(width, scale(kDesignHeight));
    l.band = ChartFontBand(width);
    const auto band = static_cast<std::size_t>(l.band);
    l.cell = c;
    l.smallSide = (c / 4) * 3;

    for (int i = 0; i < 5; ++i) {
        l.jackpotBalls[static_cast<std::size_t>(i)] = {
            scale(kBalls.x()) + i * c + i * scale(kBallSpacing), scale(kBalls.y()), c,
            sym::BallB + i};
        l.symbolBoxes[static_cast<std::size_t>(i)] = {
            scale(kBigBoxes.x()) + i * c + i * scale(kBigBoxGap), scale(kBigBoxes.y()), c,
            kBigSymbols[static_cast<std::size_t>(i)]};
    }
    for (int i = 0; i < 8; ++i) {
        l.smallSymbolBoxes[static_cast<std::size_t>(i)] = {
            scale(kSmallBoxes.x()) + i * c + i * scale(kSmallBoxGap), scale(kSmallBoxes.y()),
            l.smallSide, sym::Card + i};
    }

    auto write = [&l](QString text, int x, int y, ChartText::Anchor anchor, int points,
                      const QColor& colour, bool bottomAtY = false) {
        l.texts.push_back({std::move(text), x, y, anchor, bottomAtY, points, colour});
    };
    using enum ChartText::Anchor;

    // Three columns across the top: the play rules left of the balls, the scatter rules and
    // pays right of them, and the jackpot's lines centred on the balls between the two.
    const int rulesLeft = scale(kRulesIndent);
    const int rulesRight = l.jackpotBalls[0].x - gap;
    const int scatterLeft = scale(kScatterLeft);
    const int rulesRoom = rulesRight - rulesLeft, scatterRoom = width - scatterLeft;
    const QString playRules = Translated(kPlayRules.text);
    const QString scatterRules = Translated(kScatterRules.text);
    const QString scatterBonus = Translated(kScatterBonus.text);
    // The English stands in the lines it was written in on every chart; a translation is broken
    // to its column.
    auto wrap = [&](const QString& text, const Block& block, int room, int p) {
        return text == QLatin1String(block.text) ? text.split(u'\n')
                                                 : Wrapped(text, room, p, measure);
    };
    auto within = [&](const QString& text, const Block& block, int room, int p) {
        return Within(wrap(text, block, room, p), room, p, block.lines, measure);
    };
    const int rulesPoints = Fitting(kSmallSizes[band], [&](int p) {
        return within(playRules, kPlayRules, rulesRoom, p) &&
               within(scatterRules, kScatterRules, scatterRoom, p) &&
               within(scatterBonus, kScatterBonus, scatterRoom, p);
    });

    const int middleBall = scale(kBalls.x()) + 2 * c + 2 * scale(kBallSpacing) + c / 2;
    const int headingRoom = 2 * (std::min(middleBall - rulesRight, scatterLeft - middleBall) - gap);
    const QStringList jackpot = {
        //: The payoff chart's heading over the five BINGO balls, on one line.
        Translated(QT_TRANSLATE_NOOP("PayoffChart",
                                     "BINGO Jackpot - Get all five BINGO Balls on a Payline")),
        //: Under the five BINGO balls on the payoff chart, on one line.
        Translated(QT_TRANSLATE_NOOP("PayoffChart", "Pays %1 X Coins Per Line Bet"))
            .arg(BingoBallsPay())};
    const int headingPoints = Fitting(
        kHeadingSizes[band], [&](int p) { return measure.Widest(jackpot, p) <= headingRoom; });
    write(jackpot[0], middleBall, scale(kBalls.y()) - scale(kHeadingAbove), Centre, headingPoints,
          kRed, true);
    write(jackpot[1], middleBall, scale(kBalls.y()) + c + scale(kHeadingBelow), Centre,
          headingPoints, kRed);

    auto writeBlock = [&](const QString& text, const Block& block, int left, int room) {
        const QStringList lines = wrap(text, block, room, rulesPoints);
        for (int i = 0; i < lines.size(); ++i)
            write(lines[i], left, scale(block.top + block.step * i), Left, rulesPoints, kWhite);
    };
    writeBlock(playRules, kPlayRules, rulesLeft, rulesRoom);
    writeBlock(scatterRules, kScatterRules, scatterLeft, scatterRoom);
    writeBlock(scatterBonus, kScatterBonus, scatterLeft, scatterRoom);

    // The big boxes' pays share their size with the scatter pays and the Close button.
    std::vector<PayColumn> bigRow;
    for (int i = 0; i < 5; ++i) {
        const int r = scale(kBigCountsRight) + i * (c + scale(kBigBoxGap));
        PayColumn column{r, r + c + scale(kBigPayGap), i % 2 == 0 ? kYellow : kWhite, {}};
        const int top = i < 3 ? scale(kBigPaysTop) : scale(kShortBigPaysTop);
        const Symbol s = kBigSymbols[static_cast<std::size_t>(i)];
        for (int count = 5; count >= (i < 3 ? 1 : 2); --count)
            column.lines.emplace_back(count, PayFor(s, count),
                                      top + scale(kPayLineStep * (5 - count)));
        bigRow.push_back(column);
    }
    const int buttonWidth = width / 2;
    l.closeButton =
        QRect((width - buttonWidth) / 2, scale(kCloseTop), buttonWidth, scale(kCloseHeight));
    const int scatterCount = scale(kScatterCount), scatterDash = scale(kScatterDash),
              scatterPay = scale(kScatterPay);
    const int paysPoints = Fitting(kPaySizes[band], [&](int p) {
        return measure.Width(QStringLiteral("5"), p) < scatterDash - scatterCount &&
               measure.Width(QStringLiteral("-"), p) < scatterPay - scatterDash &&
               scatterPay + measure.Width(Number(kScatterPays[kReelCount]), p) <= width &&
               measure.Height(p) < l.closeButton.height() &&
               RowFits(bigRow, p, width, gap, measure);
    });
    l.closeButtonPoints = paysPoints;

    for (int balls = kReelCount, y = kScatterPaysTop; balls >= kBonusBallCount;
         --balls, y += kScatterLineStep) {
        write(Number(balls), scatterCount, scale(y), Left, paysPoints, kRed);
        write(QStringLiteral("-"), scatterDash, scale(y), Left, paysPoints, kWhite);
        write(Number(kScatterPays[static_cast<std::size_t>(balls)]), scatterPay, scale(y), Left,
              paysPoints, kYellow);
    }
    auto writeRow = [&](const std::vector<PayColumn>& row, int points) {
        for (const PayColumn& column : row) {
            for (const auto& [count, pay, y] : column.lines) {
                write(Number(count), column.countRight, y, Right, points, column.colour);
                write(Number(pay), column.payLeft, y, Left, points, column.colour);
            }
        }
    };
    writeRow(bigRow, paysPoints);

    std::vector<PayColumn> smallRow;
    for (int i = 0; i < 8; ++i) {
        const int r = scale(kSmallCountsRight) + i * (c + scale(kSmallBoxGap));
        PayColumn column{
            r, r + l.smallSide + scale(kSmallPayGap), i % 2 == 0 ? kWhite : kYellow, {}};
        const bool queen = sym::Card + i == sym::Queen;
        const int top = queen ? scale(kQueenPaysTop) : scale(kSmallPaysTop);
        const int step = queen ? kQueenLineStep : kPayLineStep;
        const Symbol s = static_cast<Symbol>(sym::Card + i);
        for (int count = 5; count >= (queen ? 2 : 3); --count)
            column.lines.emplace_back(count, PayFor(s, count), top + scale(step * (5 - count)));
        smallRow.push_back(column);
    }
    writeRow(smallRow, Fitting(kSmallSizes[band],
                               [&](int p) { return RowFits(smallRow, p, width, gap, measure); }));

    l.separators = {scale(kSeparators[0]), scale(kSeparators[1])};
    l.separatorLength = width;
    l.separatorWidth = kSeparatorWidth;

    const QString bonusText = Translated(kBonusExplanation.text);
    const int explanationCentre = scale(kExplanationCentre);
    const int explanationRoom = 2 * std::min(explanationCentre, width - explanationCentre) - gap;
    const int explanationPoints = Fitting(kSmallSizes[band], [&](int p) {
        return within(bonusText, kBonusExplanation, explanationRoom, p);
    });
    const QStringList explanation =
        wrap(bonusText, kBonusExplanation, explanationRoom, explanationPoints);
    for (int i = 0; i < explanation.size(); ++i) {
        l.explanation.push_back({explanation[i], explanationCentre,
                                 scale(kBonusExplanation.top + kBonusExplanation.step * i), Centre,
                                 false, explanationPoints, kWhite});
    }

    // The diagrams keep their own size unless the chart is narrower than its design.
    l.diagramSide = std::min(kDiagramSize, scale(kDiagramSize));
    const int upper = scale(kBonusExplanation.top) - l.diagramSide - scale(kUpperDiagramsGap);
    const int lastLine =
        kBonusExplanation.top + kBonusExplanation.step * (kBonusExplanation.lines - 1);
    const int lower = scale(lastLine) + scale(kLowerDiagramsGap);
    const int upperPitch = scale(kUpperDiagramPitch), lowerPitch = scale(kLowerDiagramPitch);
    QStringList upperCaptions, lowerCaptions;
    for (int k = 0; k < kPatternCount; ++k) {
        const auto place = static_cast<std::size_t>(k);
        const int left = k == 0   ? scale(kDiagramsLeft)
                         : k < 6  ? l.diagrams[place - 1].x() + upperPitch
                         : k == 6 ? l.diagrams[0].x()
                                  : l.diagrams[place - 1].x() + lowerPitch;
        l.diagrams[place] = QPoint(left, k < 6 ? upper : lower);
        l.diagramPictures[place] = PictureNamed(kCaptions[place]);
        l.captions[place] = Translated(kCaptions[place]);
        (k < 6 ? upperCaptions : lowerCaptions) << l.captions[place];
    }
    // The game's own figures, centred across the foot of the chart, no larger than the captions
    // would be and across no more than the chart; left out on a chart too small to keep them
    // clear of the lower captions even at the smallest size.
    const int largestCaption = std::min(kCaptionPoints, explanationPoints);
    const int returnPoints = Fitting(
        largestCaption, [&](int p) { return measure.Width(returnLine, p) + 2 * gap <= width; });
    const int foot = l.size.height() - measure.Height(returnPoints) - gap;
    l.hasReturnLine =
        !returnLine.isEmpty() &&
        lower + l.diagramSide + measure.Height(kSmallestPoints) + kCaptionGap + gap <= foot;
    const int captionsEnd = l.hasReturnLine ? foot - gap : l.size.height();
    // Captions stay clear of the rule above the upper diagrams and of their neighbours, and
    // never outgrow the explanation between them.
    l.captionPoints = Fitting(largestCaption, [&](int p) {
        const int height = measure.Height(p) + kCaptionGap;
        return upper - height > l.separators[1] + l.separatorWidth &&
               lower + l.diagramSide + height <= captionsEnd &&
               measure.Widest(upperCaptions, p) + gap <= upperPitch &&
               measure.Widest(lowerCaptions, p) + gap <= lowerPitch;
    });
    if (l.hasReturnLine) {
        write(returnLine, width / 2, l.size.height() - gap, Centre, returnPoints, kWhite, true);
    }
    return l;
}

}  // namespace quillane
