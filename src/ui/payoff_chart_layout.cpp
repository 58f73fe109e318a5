#include "ui/payoff_chart_layout.h"

#include <string_view>

#include "core/paytable.h"
#include "core/scale.h"

namespace quillane {
namespace {

using Sizes = std::array<int, 4>;
constexpr Sizes kHeadingSizes = {12, 14, 18, 24};
constexpr Sizes kSmallSizes = {8, 10, 12, 14};
constexpr Sizes kPaySizes = {10, 12, 14, 18};
constexpr int kCaptionPoints = 8;

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

constexpr std::array<Symbol, 5> kBigSymbols = {sym::Wild, sym::Doll, sym::Elephant, sym::Daubers,
                                               sym::Bag};

struct Line {
    const char* text;
    int y;
};

constexpr std::array<Line, 7> kPlayRules = {{{"All payoffs are based on coins", 20},
                                             {"bet per line except scatter wins", 34},
                                             {"which are based on total credits.", 48},
                                             {"Lines pay from the left side only.", 62},
                                             {"Scatters win in any position.", 76},
                                             {"Wild symbols match any except", 90},
                                             {"the BINGO balls.", 104}}};

constexpr std::array<Line, 4> kScatterRules = {{{"Collect a Scatter win by getting", 20},
                                                {"three or more BINGO Balls on", 34},
                                                {"the screen in any position.", 48},
                                                {"Scatter wins start bonus game.", 106}}};

constexpr std::array<const char*, 6> kBonusExplanation = {
    "The Bingo Bonus Game is played when you get three or more Bingo Balls on the screen during "
    "any slot spin.  When you get to the",
    "Bonus Game, select any of the five bingo cards.  A game of blackout bingo is played until "
    "one or more of the cards wins the blackout game.",
    "However, along the way, tweleve other bingo variations can be won.  The game pays four "
    "times your last slot bet (total credits bet) for each",
    "bingo variation you win.  The blackout bingo game can pay more than the other bingo "
    "variations if it is won before 72 bingo balls are called.",
    "The bonus can be as much as 50,000 times your last slot bet.  This bonus amount is reduced "
    "by 17.5% for every number called after the",
    "first 24 numbers are called.  Cards are marked (\"dobbed\") automatically by the game.  Sit "
    "back and enjoy.  And GOOD LUCK!",
};

// By place on the chart. Each place shows the diagram of the pattern its caption names, found
// by that name: the diagrams are numbered in the bonus window's order, not in this one.
constexpr std::array<std::string_view, kPatternCount> kCaptions = {
    "Blackout Bingo",  "Any Way Bingo",  "Postage Stamp", "Four Corners",  "Inside Corners",
    "Double Hard Way", "Inside Diamond", "Large Diamond", "Solid Diamond", "Big Plus Bingo",
    "Big X Bingo",     "Inside Frame",   "Picture Frame",
};

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

}  // namespace

int ChartFontBand(int width) {
    if (width < 1000)
        return 0;
    if (width <= 1190)
        return 1;
    if (width <= 1299)
        return 2;
    return 3;
}

PaychartLayout LayOutPaychart(int width, int cell) {
    auto scale = [width](int v) { return ScaleToScreen(v, width); };
    const int c = cell;
    PaychartLayout l{};
    l.band = ChartFontBand(width);
    const auto band = static_cast<std::size_t>(l.band);
    l.smallSide = (c / 4) * 3;

    for (int i = 0; i < 5; ++i) {
        l.jackpotBalls[static_cast<std::size_t>(i)] = {scale(197) + i * c + i * scale(5), scale(32),
                                                       c, sym::BallB + i};
        l.symbolBoxes[static_cast<std::size_t>(i)] = {scale(56) + i * c + i * scale(76), scale(150),
                                                      c, kBigSymbols[static_cast<std::size_t>(i)]};
    }
    for (int i = 0; i < 8; ++i) {
        l.smallSymbolBoxes[static_cast<std::size_t>(i)] = {scale(28) + i * c + i * scale(21),
                                                           scale(250), l.smallSide, sym::Card + i};
    }

    auto write = [&l](QString text, int x, int y, ChartText::Anchor anchor, int points,
                      const QColor& colour, bool bottomAtY = false) {
        l.texts.push_back({std::move(text), x, y, anchor, bottomAtY, points, colour});
    };
    using enum ChartText::Anchor;

    const int middleBall = scale(197) + 2 * c + 2 * scale(5) + c / 2;
    write(QStringLiteral("BINGO Jackpot - Get all five BINGO Balls on a Payline"), middleBall,
          scale(32) - scale(2), Centre, kHeadingSizes[band], kRed, true);
    write("Pays " + Number(BingoBallsPay()) + " X Coins Per Line Bet", middleBall,
          scale(32) + c + scale(1), Centre, kHeadingSizes[band], kRed);

    for (const Line& rule : kPlayRules)
        write(QString::fromLatin1(rule.text), scale(10), scale(rule.y), Left, kSmallSizes[band],
              kWhite);
    for (const Line& rule : kScatterRules)
        write(QString::fromLatin1(rule.text), scale(624), scale(rule.y), Left, kSmallSizes[band],
              kWhite);

    for (int balls = 5, y = 62; balls >= 3; --balls, y += 14) {
        write(Number(balls), scale(680), scale(y), Left, kPaySizes[band], kRed);
        write(QStringLiteral("-"), scale(690), scale(y), Left, kPaySizes[band], kWhite);
        write(Number(kScatterPays[static_cast<std::size_t>(balls)]), scale(697), scale(y), Left,
              kPaySizes[band], kYellow);
    }

    for (int i = 0; i < 5; ++i) {
        const int r = scale(54) + i * (c + scale(76));
        const int v = r + c + scale(5);
        const int top = i < 3 ? scale(149) : scale(157);
        const int lowest = i < 3 ? 1 : 2;
        const QColor& colour = i % 2 == 0 ? kYellow : kWhite;
        const Symbol s = kBigSymbols[static_cast<std::size_t>(i)];
        for (int count = 5; count >= lowest; --count) {
            const int y = top + scale(16 * (5 - count));
            write(Number(count), r, y, Right, kPaySizes[band], colour);
            write(Number(PayFor(s, count)), v, y, Left, kPaySizes[band], colour);
        }
    }

    for (int i = 0; i < 8; ++i) {
        const int r = scale(26) + i * (c + scale(21));
        const int v = r + l.smallSide + scale(4);
        const bool queen = sym::Card + i == sym::Queen;
        const int top = queen ? scale(249) : scale(258);
        const int step = queen ? 15 : 16;
        const int lowest = queen ? 2 : 3;
        const QColor& colour = i % 2 == 0 ? kWhite : kYellow;
        const Symbol s = static_cast<Symbol>(sym::Card + i);
        for (int count = 5; count >= lowest; --count) {
            const int y = top + scale(step * (5 - count));
            write(Number(count), r, y, Right, kSmallSizes[band], colour);
            write(Number(PayFor(s, count)), v, y, Left, kSmallSizes[band], colour);
        }
    }

    l.separators = {scale(325), scale(365)};
    l.separatorLength = width;
    const int buttonWidth = width / 2;
    l.closeButton = QRect((width - buttonWidth) / 2, scale(332), buttonWidth, scale(28));
    l.closeButtonPoints = kPaySizes[band];

    for (std::size_t i = 0; i < kBonusExplanation.size(); ++i) {
        l.explanation.push_back({QString::fromLatin1(kBonusExplanation[i]), scale(400),
                                 scale(438 + 12 * static_cast<int>(i)), Centre, false,
                                 kSmallSizes[band], kWhite});
    }

    const int upper = scale(438) - kDiagramSize - scale(10);
    const int lower = scale(498) + scale(22);
    for (int k = 0; k < kPatternCount; ++k) {
        const auto place = static_cast<std::size_t>(k);
        const int left = k == 0   ? scale(40)
                         : k < 6  ? l.diagrams[place - 1].x() + scale(140)
                         : k == 6 ? l.diagrams[0].x()
                                  : l.diagrams[place - 1].x() + scale(117);
        l.diagrams[place] = QPoint(left, k < 6 ? upper : lower);
        l.diagramPictures[place] = PictureNamed(kCaptions[place]);
        l.captions[place] =
            QString::fromLatin1(kCaptions[place].data(), static_cast<int>(kCaptions[place].size()));
    }
    l.captionPoints = kCaptionPoints;
    return l;
}

}  // namespace quillane
