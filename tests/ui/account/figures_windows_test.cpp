// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "cabinet_fixture.h"
#include "core/exact_return.h"
#include "core/paytable.h"
#include "core/reels.h"
#include "core/spin_draw.h"
#include "ui/account/credits_plot.h"
#include "ui/account/statistics_window.h"
#include "ui/chart/payoff_chart.h"
#include "ui/widgets/number_format.h"

namespace quillane::testing {
namespace {

// The plot as it draws itself at the statistics window's size.
QImage Drawn(CreditsPlot& plot) {
    plot.resize(308, 136);
    QImage image(plot.size(), QImage::Format_RGB32);
    plot.render(&image);
    return image;
}

// How many of the pixels within `box` are near `colour`.
int Pixels(const QImage& image, const QRect& box, const QColor& colour) {
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            count += ColourDistance(image.pixel(x, y), colour.rgb()) <= 60;
    }
    return count;
}

TEST(CreditsPlotTest, ARisingLineRunsUpToTheRightAndNoSpinsDrawNone) {
    std::vector<std::int64_t> rising;
    for (int i = 0; i < 100; ++i)
        rising.push_back(1000 + 10 * i);
    CreditsPlot plot(rising);
    const QImage image = Drawn(plot);
    const QRect a = plot.LineArea();
    const int w = a.width() / 3, h = a.height() / 3;
    const QColor line = CreditsPlot::kLineColour, quiet = CreditsPlot::kQuietColour;
    EXPECT_GT(Pixels(image, {a.left(), a.bottom() - h, w, h}, line), 10) << "lower left";
    EXPECT_GT(Pixels(image, {a.right() - w, a.top(), w, h}, line), 10) << "upper right";
    EXPECT_EQ(Pixels(image, {a.left(), a.top(), w, h}, line), 0) << "upper left";
    EXPECT_EQ(Pixels(image, {a.right() - w, a.bottom() - h, w, h}, line), 0) << "lower right";
    EXPECT_GT(Pixels(image, {0, 0, a.left(), image.height()}, quiet), 20) << "its figures";

    CreditsPlot none({});
    const QImage empty = Drawn(none);
    EXPECT_EQ(Pixels(empty, empty.rect(), line), 0);
    EXPECT_GT(Pixels(empty, empty.rect(), quiet), 20) << "saying there are no spins yet";
    CreditsPlot one({1234});
    EXPECT_GT(Pixels(Drawn(one), one.rect(), line), 0) << "a single spin is a point";
}

// Every widget of the window whole, inside it and clear of every other; every label's text fits.
void ExpectNothingOverlapsOrIsCut(const StatisticsWindow& window) {
    std::vector<QWidget*> shown;
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(&window))
            shown.push_back(child);
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QString name = shown[i]->objectName();
        EXPECT_TRUE(window.rect().contains(shown[i]->geometry())) << name.toStdString();
        if (auto* label = qobject_cast<QLabel*>(shown[i])) {
            const QFontMetrics metrics(label->font());
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height())
                    << name.toStdString();
            } else {
                EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
                    << name.toStdString();
                EXPECT_LE(metrics.height(), label->height()) << name.toStdString();
            }
        }
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                << name.toStdString() << " over " << shown[j]->objectName().toStdString();
        }
    }
}

TEST(StatisticsFiguresTest, TheTheoryStandsBesideTheGamesOwnPercentage) {
    for (const auto& [lines, credits] : {std::pair(9, 1), std::pair(1, 10), std::pair(5, 3)}) {
        SCOPED_TRACE(std::to_string(lines) + " lines x " + std::to_string(credits));
        const TheoreticalReturn theory = ComputeTheoreticalReturn(lines, credits);
        StatisticsWindow window(TakeStatistics(Account{955, 1000, 100, 900, 500}), theory, {});
        const ExactReturn exact = ComputeExactReturn(DecodeStrips(), lines);
        EXPECT_EQ(window.value("BaseGameValue")->text(), Percentage(100 * exact.Rtp()));
        EXPECT_EQ(window.value("BonusGameValue")->text(),
                  "≈ " + Percentage(100 * *theory.bonus) + " ± 0.01%");
        // The whole, approximate as its bonus share, adds up from the shares as they are shown.
        const auto shown = [&](const char* name) {
            return window.value(name)->text().remove("≈ ").section(' ', 0, 0).chopped(1).toDouble();
        };
        EXPECT_TRUE(window.value("TheoreticalValue")->text().startsWith("≈ "));
        EXPECT_NEAR(shown("TheoreticalValue"), shown("BaseGameValue") + shown("BonusGameValue"),
                    0.011);
        EXPECT_EQ(window.value("PayoffPercentageValue")->text(), "95.00%") << "the game's own";
        const QString note = window.findChild<QLabel*>("TheoreticalNote")->text();
        EXPECT_TRUE(note.contains("estimated from 1,000,000 simulated games"))
            << note.toStdString();
    }
}

TEST(StatisticsFiguresTest, TheRowsStayWhereTheyWereAndNothingOverlapsOrIsCut) {
    const Account extremes{-2147483647 - 1, -1000000000, 2147483647, 2147483647, -2147483647 - 1};
    std::vector<std::int64_t> wild;
    for (int i = 0; i < 100; ++i)
        wild.push_back(i % 2 ? 2147483647LL * 3 : -2147483647LL * 3);
    for (const TheoreticalReturn& theory :
         {ComputeTheoreticalReturn(9, 10), ComputeTheoreticalReturn(1, 1),
          ComputeTheoreticalReturn(2, 2)}) {
        for (const auto& credits :
             {std::vector<std::int64_t>{}, std::vector<std::int64_t>{5}, wild}) {
            StatisticsWindow window(TakeStatistics(extremes), theory, credits);
            window.show();
            EXPECT_EQ(window.findChild<QLabel*>("SpinsCaption")->pos(), QPoint(12, 14));
            EXPECT_EQ(window.findChild<QLabel*>("PercentageCaption")->pos(), QPoint(340, 126));
            EXPECT_EQ(window.value("PayoffPercentageValue")->geometry().right(), 620);
            EXPECT_EQ(window.width(), 632);
            EXPECT_EQ(window.value("SpinsValue")->text(), "2,147,483,647 (limit)");
            ExpectNothingOverlapsOrIsCut(window);
        }
    }
}

class CabinetFiguresTest : public CabinetFixture {
  protected:
    // Seeds the session so that its next spin does, or does not, open the bonus game.
    void SeedNextSpin(bool bonus) {
        for (std::uint32_t s = 1;; ++s) {
            RandomGenerator random(s);
            const ReelStops stops =
                DrawSpin(random, cabinet().cabinetGeometry().motionHeight).stops;
            const SpinResult r = ScoreSpin(session.reelSymbols(), stops, 9, 1);
            if ((r.ballCount >= kBonusBallCount) == bonus) {
                session.Seed(s);
                return;
            }
        }
    }
};

TEST_F(CabinetFiguresTest, TheStatisticsPlotTheCreditsAfterEachSpinOfThisGame) {
    CabinetWindow& cabinet = Start();
    PassStartup();
    std::vector<std::int64_t> expected;
    for (int spin = 0; spin < 3; ++spin) {
        SeedNextSpin(false);
        SpinAndSettle();
        expected.push_back(session.state().account.credits);
    }
    // A bonus game's payout counts in the spin that opened it.
    SeedNextSpin(true);
    bonusCard = RichestCard();
    SpinAndSettle();
    EXPECT_GT(session.state().bonusWin, 0);
    expected.push_back(session.state().account.credits);
    ASSERT_EQ(cabinet.history().Balances(), expected);

    Arrange([](SessionState& s) { s.settings.linesBet = 3, s.settings.creditsPerLine = 5; });
    WithWindow<StatisticsWindow>("stats", [&](StatisticsWindow& window) {
        EXPECT_EQ(window.plot()->credits(), expected);
        EXPECT_EQ(window.findChild<QLabel*>("CreditsPlotCaption")->text(),
                  "Credits over the Last 4 Spins:")
            << "as many spins as were played";
        EXPECT_EQ(window.value("BonusGameValue")->text(),
                  "≈ " + Percentage(100 * *ComputeTheoreticalReturn(3, 5).bonus) + " ± 0.01%");
    });
    WithWindow<PayoffChart>("payoffs", [&](PayoffChart& chart) {
        EXPECT_TRUE(std::any_of(chart.written().begin(), chart.written().end(), [](auto& t) {
            return t.text.startsWith("Return at 3 lines × 5 credits: base game ");
        }));
    });

    cabinet.action("newGame")->trigger();
    EXPECT_TRUE(cabinet.history().records().empty()) << "a new game plots afresh";
    for (std::size_t spin = 0; spin < GameHistory::kMaxRecords + 5; ++spin) {
        SeedNextSpin(false);
        SpinAndSettle();
    }
    EXPECT_EQ(cabinet.history().records().size(), GameHistory::kMaxRecords);
    EXPECT_EQ(cabinet.history().Balances().back(), session.state().account.credits);
}

}  // namespace
}  // namespace quillane::testing
