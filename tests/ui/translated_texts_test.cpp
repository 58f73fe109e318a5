// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTranslator>
#include <algorithm>
#include <map>
#include <utility>

#include "core/scale.h"
#include "platform/canvas.h"
#include "ui/account/slot_dialog.h"
#include "ui/chart/payoff_chart.h"

namespace quillane::testing {
namespace {

// A language of the tests' own, installed while it lives: the texts it is given, by context and
// English; every other text stays English.
class TestLanguage : public QTranslator {
  public:
    explicit TestLanguage(std::map<std::pair<QString, QString>, QString> texts)
        : texts_(std::move(texts)) {
        QCoreApplication::installTranslator(this);
    }
    ~TestLanguage() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        const auto found = texts_.find({QString::fromUtf8(context), QString::fromUtf8(source)});
        return found == texts_.end() ? QString() : found->second;
    }

  private:
    std::map<std::pair<QString, QString>, QString> texts_;
};

TEST(SlotDateTest, WithoutATranslationTheDateIsShownAsStored) {
    EXPECT_EQ(SlotDialog::ShownDate("12.31.25"), "12.31.25");
    EXPECT_EQ(SlotDialog::ShownDate("01-02-07"), "01-02-07");
}

TEST(SlotDateTest, ALanguagesDateFormatRewritesTheStoredDate) {
    TestLanguage german({{{"SlotDialog", "MM/dd/yy"}, "dd.MM.yy"}});
    EXPECT_EQ(SlotDialog::ShownDate("12/31/25"), "31.12.25");
    EXPECT_EQ(SlotDialog::ShownDate("01-02-07"), "02.01.07");
}

TEST(SlotDateTest, AStoredDateThatIsNoDateIsShownAsStored) {
    TestLanguage german({{{"SlotDialog", "MM/dd/yy"}, "dd.MM.yy"}});
    EXPECT_EQ(SlotDialog::ShownDate("31/12/25"), "31/12/25");
    EXPECT_EQ(SlotDialog::ShownDate("unknown"), "unknown");
}

TEST(ChartTextTest, ALongerTranslationOfTheRulesWrapsWithinTheirColumn) {
    const QString rules =
        "All payoffs are based on the coins bet on each line, except the scatter wins, which are "
        "based on the total credits bet. Lines pay from the leftmost reel only. Scatters win in "
        "any position on the screen. Wild symbols stand in for every symbol except the BINGO "
        "balls.";
    TestLanguage longer({{{"PayoffChart",
                           "All payoffs are based on coins\nbet per line except scatter wins\n"
                           "which are based on total credits.\nLines pay from the left side "
                           "only.\nScatters win in any position.\nWild symbols match any "
                           "except\nthe BINGO balls."},
                          rules}});
    const PaychartLayout layout = LayOutPaychart(kDesignWidth, 48);

    int left = -1;
    QStringList lines;
    QImage probe(1, 1, QImage::Format_ARGB32);
    Canvas canvas(probe);
    for (const ChartText& t : layout.texts) {
        if (left < 0 && t.text.startsWith("All payoffs"))
            left = t.x;
        if (left < 0 || t.x != left)
            continue;
        lines << t.text;
        canvas.SetFont(t.points, true);
        EXPECT_LE(t.x + canvas.TextSize(t.text).width(), layout.jackpotBalls[0].x)
            << t.text.toStdString();
    }
    EXPECT_GT(lines.size(), 1);
    EXPECT_LE(lines.size(), 7);
    EXPECT_EQ(lines.join(' '), rules);
}

TEST(ChartTextTest, TheOpenChartFollowsALanguageChange) {
    QImage sheet(4 * 48, 4 * 48, QImage::Format_RGB32);
    sheet.fill(Qt::darkGray);
    PayoffChart chart(kDesignWidth, sheet, 48, QRect(0, 0, 800, 600), {});
    TestLanguage german({{{"PayoffChart", "Close"}, "Schließen"},
                         {{"PayoffChart", "Four Corners"}, "Vier Ecken"},
                         {{"PayoffChart", "Scatter wins start bonus game."}, "Bonus!"}});
    QApplication::processEvents();

    EXPECT_EQ(chart.closeButton()->text(), "Schließen");
    QStringList captions;
    for (int k = 0; k < kPatternCount; ++k)
        captions << chart.caption(k)->text();
    EXPECT_TRUE(captions.contains("Vier Ecken"));
    EXPECT_TRUE(std::any_of(chart.written().begin(), chart.written().end(),
                            [](const PayoffChart::WrittenText& t) { return t.text == "Bonus!"; }));
}

}  // namespace
}  // namespace quillane::testing
