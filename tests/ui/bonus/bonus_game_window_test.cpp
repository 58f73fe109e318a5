// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <map>
#include <set>

#include "cabinet_fixture.h"
#include "core/paytable.h"
#include "core/spin_draw.h"
#include "core/spin_result.h"
#include "ui/access/accessibility.h"
#include "ui/bonus/bonus_game_window.h"

namespace quillane::testing {
namespace {

class BonusGame : public CabinetFixture {
  protected:
    BonusGameWindow& Open(int lines = 9, int credits = 1) {
        CabinetWindow& cabinet = Start();
        PassStartup();
        Arrange([&](SessionState& s) {
            s.settings.linesBet = lines;
            s.settings.creditsPerLine = credits;
        });
        bonus_ = std::make_unique<BonusGameWindow>(
            session.DealBonusGame(seed), clock,
            [&cabinet](Sound effect) { cabinet.audio().Play(effect); }, &cabinet);
        bonus_->resize(BonusGameWindow::kDesignClientSize);
        bonus_->show();
        clock.ProcessEvents();
        return *bonus_;
    }

    // Advances to the next call and says how long it took.
    std::uint32_t NextCall(BonusGameWindow& bonus) {
        const int before = bonus.game().callsMade();
        const std::uint32_t start = clock.TickCount();
        while (bonus.game().callsMade() == before && clock.TickCount() - start < 20000) {
            clock.Advance(1);
        }
        return clock.TickCount() - start;
    }

    static bool WonAVariation(const BonusGameWindow& bonus, const std::array<bool, 12>& before) {
        for (int p = 0; p < kVariationCount; ++p) {
            if (bonus.game().Won(static_cast<Pattern>(p)) && !before[static_cast<std::size_t>(p)])
                return true;
        }
        return false;
    }

    void PlayQuicklyToTheEnd(BonusGameWindow& bonus) {
        bonus.BlueCardClick();
        bonus.ToggleQuickPlay();
        clock.Advance(10);
        while (!bonus.gameOver())
            NextCall(bonus);
    }

    // Resizes the window as a window manager would and lets it lay itself out again.
    void Resize(BonusGameWindow& bonus, QSize size) {
        bonus.resize(size);
        clock.ProcessEvents();
        ASSERT_EQ(bonus.size(), size);
    }

    static std::map<QString, QRect> Places(const BonusGameWindow& bonus) {
        std::map<QString, QRect> places;
        for (const QWidget* w : bonus.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            places[w->objectName()] = w->geometry();
        return places;
    }

    static std::set<std::pair<QString, QString>> Overlaps(const BonusGameWindow& bonus) {
        std::set<std::pair<QString, QString>> overlaps;
        const auto places = Places(bonus);
        for (auto a = places.begin(); a != places.end(); ++a) {
            for (auto b = std::next(a); b != places.end(); ++b) {
                if (a->second.intersects(b->second))
                    overlaps.insert({a->first, b->first});
            }
        }
        return overlaps;
    }

    // Every line of every caption is as wide as its box at most, and the lines' letters fit
    // its height.
    static void ExpectCaptionsFit(const BonusGameWindow& bonus) {
        for (const QLabel* label : bonus.findChildren<QLabel*>()) {
            const QFontMetrics metrics(label->font());
            const QStringList lines = label->text().split('\n');
            for (const QString& line : lines) {
                EXPECT_LE(metrics.horizontalAdvance(line), label->width())
                    << label->objectName().toStdString() << " \"" << line.toStdString() << "\" at "
                    << bonus.width() << "x" << bonus.height();
            }
            EXPECT_LE(metrics.ascent() * lines.size(), label->height())
                << label->objectName().toStdString() << " at " << bonus.width() << "x"
                << bonus.height();
        }
    }

    static std::array<bool, 12> WonSoFar(const BonusGameWindow& bonus) {
        std::array<bool, 12> won{};
        for (int p = 0; p < kVariationCount; ++p)
            won[static_cast<std::size_t>(p)] = bonus.game().Won(static_cast<Pattern>(p));
        return won;
    }

    std::unique_ptr<BonusGameWindow> bonus_;
};

TEST_F(BonusGame, OpensWaitingForACard) {
    BonusGameWindow& bonus = Open(9, 1);
    EXPECT_EQ(bonus.windowTitle(), "Bingo Bonus Game");
    EXPECT_EQ(bonus.label("Jackpot")->text(), "   450,000");
    EXPECT_EQ(bonus.label("PatternPay1")->text(), "Pays 36");
    EXPECT_EQ(bonus.label("NumbersCalled")->text(), "Numbers\nCalled");
    EXPECT_EQ(bonus.label("CallCount")->text(), "0");
    EXPECT_TRUE(bonus.label("SelectCard")->isVisible());
    EXPECT_FALSE(bonus.label("YourCard")->isVisible());
    EXPECT_FALSE(bonus.label("BlueScore")->isVisible());
    EXPECT_EQ(bonus.payout(), 0);
    clock.Advance(5000);
    EXPECT_EQ(bonus.game().callsMade(), 0) << "nothing is called before a card is chosen";
}

TEST_F(BonusGame, LaysItsComponentsOutAroundTheCentre) {
    BonusGameWindow& bonus = Open();
    const int ox = 31, oy = 31;  // (862 - 800) / 2, (613 - 550) / 2
    EXPECT_EQ(bonus.picture("BlueCard")->pos(), QPoint(ox + 6, oy + 336));
    EXPECT_EQ(bonus.picture("RedCard")->pos(), QPoint(ox + 6 + 159, oy + 336));
    EXPECT_EQ(bonus.picture("YellowCard")->pos(), QPoint(ox + 6 + 4 * 159, oy + 336));
    EXPECT_EQ(bonus.picture("CallBoard")->pos(), QPoint(ox + 10, oy + 10));
    EXPECT_EQ(bonus.picture("Monitor")->pos(), QPoint(ox + 10 + 325 + 16, oy + 10));
    EXPECT_EQ(bonus.label("NumbersCalled")->pos(), QPoint(ox + 351 + 115, oy + 16));
    EXPECT_EQ(bonus.label("CallCount")->pos(), QPoint(ox + 466, oy + 10 + 97 - 33));
    EXPECT_EQ(bonus.label("BlackoutBonus")->pos(), QPoint(ox + 800 - 153 - 10, oy + 10));
    EXPECT_EQ(bonus.picture("Pattern0")->pos(), QPoint(ox + 637, oy + 43));
    EXPECT_EQ(bonus.picture("Pattern1")->pos(), QPoint(ox + 16, oy + 140));
    EXPECT_EQ(bonus.picture("Pattern2")->pos(), QPoint(ox + 16, oy + 196));
    EXPECT_EQ(bonus.picture("Pattern12")->pos(), QPoint(ox + 610, oy + 252));
    EXPECT_EQ(bonus.label("PatternName5")->pos(), QPoint(ox + 210 + 48, oy + 196));
    EXPECT_EQ(bonus.label("PatternPay5")->pos(), QPoint(ox + 258, oy + 196 + 12));
    EXPECT_EQ(bonus.label("SelectCard")->pos(), QPoint(ox + 6 + 2 * 159 + 76 - 130, oy + 336 - 37));
    EXPECT_EQ(bonus.label("GreenScore")->pos(), QPoint(ox + 6 + 3 * 159, oy + 336 + 183));
}

TEST_F(BonusGame, TheFirstCallComes10MillisecondsAfterTheCardThenOneASecond) {
    BonusGameWindow& bonus = Open();
    bonus.GreenCardClick();
    EXPECT_EQ(bonus.chosenCard(), 3);
    EXPECT_TRUE(bonus.label("YourCard")->isVisible());
    EXPECT_EQ(bonus.label("YourCard")->pos(), bonus.picture("GreenCard")->pos() - QPoint(0, 17));
    EXPECT_FALSE(bonus.label("SelectCard")->isVisible());
    EXPECT_TRUE(bonus.label("QuickPlayLabel")->isVisible());
    clock.Advance(9);
    EXPECT_EQ(bonus.game().callsMade(), 0);
    clock.Advance(1);
    EXPECT_EQ(bonus.game().callsMade(), 1);
    EXPECT_EQ(bonus.label("CallCount")->text(), "1");
}

TEST_F(BonusGame, AWinningCallPausesFiveSecondsInNormalPlayOnly) {
    BonusGameWindow& bonus = Open();
    bonus.BlueCardClick();
    auto before = WonSoFar(bonus);
    clock.Advance(10);
    bool lastCallWon = WonAVariation(bonus, before);
    int pauses = 0;
    while (!bonus.gameOver()) {
        before = WonSoFar(bonus);
        const int made = bonus.game().callsMade();
        const std::uint32_t waited = NextCall(bonus);
        ASSERT_EQ(bonus.game().callsMade(), made + 1);
        EXPECT_EQ(waited, lastCallWon ? 5000u : 1000u) << "before call " << made + 1;
        pauses += lastCallWon;
        lastCallWon = WonAVariation(bonus, before);
    }
    EXPECT_GT(pauses, 0) << "some call won a variation";
}

TEST_F(BonusGame, SteadyThePromptStandsRedAndTheWonPatternsDoNotBlink) {
    BonusGameWindow& bonus = Open();
    bonus.SetSteady(true);
    for (int i = 0; i < 4; ++i) {
        clock.Advance(100);
        EXPECT_EQ(bonus.label("SelectCard")->palette().color(QPalette::WindowText),
                  QColor(255, 0, 0));
    }
    bonus.BlueCardClick();
    clock.Advance(10);
    bool won = WonAVariation(bonus, {});
    while (!won && !bonus.gameOver()) {
        const auto before = WonSoFar(bonus);
        NextCall(bonus);
        won = WonAVariation(bonus, before);
    }
    ASSERT_TRUE(won);
    EXPECT_FALSE(bonus.blinkTimer().enabled());
}

TEST_F(BonusGame, QuickPlayCallsEvery100MillisecondsWithoutPauses) {
    BonusGameWindow& bonus = Open();
    bonus.ToggleQuickPlay();
    EXPECT_FALSE(bonus.quickPlay()) << "the monitor does nothing before a card is chosen";
    bonus.RedCardClick();
    bonus.ToggleQuickPlay();
    EXPECT_TRUE(bonus.quickPlay());
    EXPECT_EQ(bonus.label("QuickPlayLabel")->text(), "Click Monitor for Normal Play");
    clock.Advance(10);
    while (!bonus.gameOver()) {
        const int made = bonus.game().callsMade();
        const std::uint32_t waited = NextCall(bonus);
        ASSERT_EQ(bonus.game().callsMade(), made + 1);
        ASSERT_EQ(waited, 100u) << "call " << made + 1;
    }
    EXPECT_FALSE(bonus.blinkTimer().enabled()) << "nothing blinks in quick play";
}

TEST_F(BonusGame, OpenedInQuickPlayItCallsAtTheQuickPaceFromTheFirstCall) {
    CabinetWindow& cabinet = Start();
    PassStartup();
    BonusGameWindow bonus(
        session.DealBonusGame(seed), clock, [](Sound) {}, &cabinet, true);
    bonus.show();
    EXPECT_FALSE(bonus.quickPlay()) << "until a card is chosen";
    bonus.GreenCardClick();
    EXPECT_TRUE(bonus.quickPlay());
    EXPECT_EQ(bonus.label("QuickPlayLabel")->text(), "Click Monitor for Normal Play");
    EXPECT_EQ(NextCall(bonus), 10u);
    EXPECT_EQ(NextCall(bonus), 100u);
}

TEST_F(BonusGame, QuickPlayDoesNotShortenAPauseUnderWay) {
    BonusGameWindow& bonus = Open();
    bonus.WhiteCardClick();
    clock.Advance(10);
    while (bonus.callTimer().interval() != 5000 && !bonus.gameOver())
        NextCall(bonus);
    ASSERT_FALSE(bonus.gameOver()) << "a variation is won before the blackout";
    const int made = bonus.game().callsMade();
    clock.Advance(100);
    bonus.ToggleQuickPlay();
    clock.Advance(4890);
    EXPECT_EQ(bonus.game().callsMade(), made);
    clock.Advance(10);
    EXPECT_EQ(bonus.game().callsMade(), made + 1);
    EXPECT_EQ(NextCall(bonus), 100u);
}

TEST_F(BonusGame, ASecondCardIsIgnored) {
    BonusGameWindow& bonus = Open();
    bonus.YellowCardClick();
    bonus.BlueCardClick();
    EXPECT_EQ(bonus.chosenCard(), 4);
}

TEST_F(BonusGame, KeysPickAndChooseACardAndMSwitchesQuickPlay) {
    const auto type = [](BonusGameWindow& bonus, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&bonus, &press);
    };
    const struct {
        std::vector<int> keys;
        std::optional<int> chosen;
    } cases[] = {
        {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}, 1},
        {{Qt::Key_Left, Qt::Key_Space}, 4},
        {{Qt::Key_Right, Qt::Key_Left, Qt::Key_Enter}, 4},
        {{Qt::Key_4, Qt::Key_Return}, 3},
        {{Qt::Key_5, Qt::Key_Right, Qt::Key_Return}, 0},
        {{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}, 2},
        {{Qt::Key_3}, std::nullopt},
        {{Qt::Key_Return, Qt::Key_M}, std::nullopt},
    };
    Open();
    for (const auto& c : cases) {
        BonusGameWindow bonus(session.DealBonusGame(seed), clock, [](Sound) {});
        bonus.resize(BonusGameWindow::kDesignClientSize);
        bonus.show();
        for (int key : c.keys)
            type(bonus, key);
        EXPECT_EQ(bonus.cardChosen() ? std::optional(bonus.chosenCard()) : std::nullopt, c.chosen)
            << "after " << c.keys.size() << " keys, the first " << c.keys.front();
        EXPECT_FALSE(bonus.quickPlay());
        if (!bonus.cardChosen() && bonus.candidate()) {
            const QWidget* ring = bonus.findChild<QWidget*>(QStringLiteral("CandidateRing"));
            ASSERT_NE(ring, nullptr);
            EXPECT_TRUE(ring->geometry().contains(
                bonus.picture("WhiteCard")->geometry()));  // 3 picks the third card
        }
    }
    BonusGameWindow& bonus = *bonus_;
    type(bonus, Qt::Key_2);
    type(bonus, Qt::Key_Return);
    type(bonus, Qt::Key_M);
    EXPECT_TRUE(bonus.quickPlay());
    EXPECT_EQ(bonus.label("QuickPlayLabel")->text(), "Click Monitor for Normal Play");
    // Once the card is chosen Tab reaches the monitor, and Enter presses it.
    type(bonus, Qt::Key_Tab);
    type(bonus, Qt::Key_Return);
    EXPECT_FALSE(bonus.quickPlay());
}

TEST_F(BonusGame, CannotBeLeftBeforeTheBlackoutAndClosesSixSecondsAfter) {
    BonusGameWindow& bonus = Open(3, 5);
    EXPECT_FALSE(bonus.close());
    bonus.reject();
    EXPECT_TRUE(bonus.isVisible()) << "Escape is refused too";
    bonus.RedCardClick();
    bonus.ToggleQuickPlay();
    clock.Advance(10);
    while (!bonus.gameOver())
        NextCall(bonus);
    EXPECT_FALSE(bonus.callTimer().enabled());
    EXPECT_TRUE(bonus.isVisible());
    clock.Advance(5990);
    EXPECT_TRUE(bonus.isVisible());
    clock.Advance(10);
    EXPECT_FALSE(bonus.isVisible());
    EXPECT_EQ(bonus.payout(), bonus.game().total(1));
    for (int c = 0; c < kCardCount; ++c) {
        const QString shown =
            bonus
                .label(std::array{"BlueScore", "RedScore", "WhiteScore", "GreenScore",
                                  "YellowScore"}[static_cast<std::size_t>(c)])
                ->text();
        EXPECT_EQ(shown.isEmpty() ? 0 : shown.toInt(), bonus.game().total(c)) << "card " << c;
    }
}

TEST_F(BonusGame, TheMonitorShowsTheBallCalled) {
    BonusGameWindow& bonus = Open();
    bonus.BlueCardClick();
    clock.Advance(10);
    const int number = bonus.game().CallNumber(1);
    const QImage& monitor = bonus.picture("Monitor")->picture();
    const QRgb edge = monitor.pixel(33 + 25, 19 + 3);
    EXPECT_NE(edge, qRgb(0, 0, 0)) << "ball " << number << " on the screen";
    EXPECT_TRUE(bonus.game().Called(number));
}

TEST_F(BonusGame, CalledNumbersAreDobbedInTheCardsColour) {
    BonusGameWindow& bonus = Open();
    bonus.BlueCardClick();
    bonus.ToggleQuickPlay();
    clock.Advance(10);
    while (bonus.game().callsMade() < 30)
        NextCall(bonus);
    const QRgb dobs[] = {qRgb(0, 0, 255), qRgb(255, 0, 0), qRgb(0x80, 0x80, 0x80), qRgb(0, 128, 0),
                         qRgb(255, 255, 0)};
    for (int c = 0; c < kCardCount; ++c) {
        const BingoCard& card = bonus.game().card(c);
        const QImage& shown =
            bonus
                .picture(std::array{"BlueCard", "RedCard", "WhiteCard", "GreenCard",
                                    "YellowCard"}[static_cast<std::size_t>(c)])
                ->picture();
        for (int cell = 0; cell < kCardCells; ++cell) {
            if (cell == kFreeCell)
                continue;
            const int x = (cell / 5) * 30 + 2, y = (cell % 5) * 30 + 31;
            // Inside the disc, above the number written over its middle.
            const QRgb at = shown.pixel(x + 14, y + 4);
            if (card.marked[static_cast<std::size_t>(cell)]) {
                EXPECT_EQ(at, dobs[c]) << "card " << c << " cell " << cell;
            } else {
                EXPECT_NE(at, dobs[c]) << "card " << c << " cell " << cell;
            }
        }
    }
}

TEST_F(BonusGame, WinCirclesStayThroughARepaint) {
    BonusGameWindow& bonus = Open();
    bonus.BlueCardClick();
    bonus.ToggleQuickPlay();
    clock.Advance(10);
    while (!bonus.gameOver())
        NextCall(bonus);
    const PictureView* blackout = bonus.picture("Pattern0");
    const QPoint centre(blackout->x() + 44 + 5 + 6, blackout->y() + 44 - 6);
    const QRgb before = bonus.surface().pixel(centre);
    EXPECT_NE(before, qRgb(0, 0, 0)) << "a circle beside the blackout pattern";
    bonus.resize(900, 640);
    clock.ProcessEvents();
    const QPoint moved(bonus.picture("Pattern0")->x() + 55, bonus.picture("Pattern0")->y() + 38);
    EXPECT_EQ(bonus.surface().pixel(moved), before);
}

TEST_F(BonusGame, AtTwiceTheDesignedSizeEverythingIsTwiceAsLargeAndTwiceAsFarOut) {
    BonusGameWindow& bonus = Open();
    PlayQuicklyToTheEnd(bonus);
    const auto design = Places(bonus);
    const QPoint designOrigin = bonus.origin();
    std::map<QString, int> captionWidths;
    for (const QLabel* label : bonus.findChildren<QLabel*>())
        captionWidths[label->objectName()] =
            QFontMetrics(label->font()).horizontalAdvance(label->text());
    const PictureView* blackout = bonus.picture("Pattern0");
    const QPoint circle = blackout->geometry().bottomRight() + QPoint(12, -6) - designOrigin;
    const QRgb circleColour = bonus.surface().pixel(designOrigin + circle);
    ASSERT_NE(circleColour, qRgb(0, 0, 0)) << "the blackout's win circle";

    Resize(bonus, BonusGameWindow::kDesignClientSize * 2);
    // Measured from the layout's corner, which the centring may round differently.
    for (const auto& [name, place] : Places(bonus)) {
        const QRect was = design.at(name).translated(-designOrigin);
        EXPECT_EQ(place.translated(-bonus.origin()), QRect(was.topLeft() * 2, was.size() * 2))
            << name.toStdString();
    }
    for (const QLabel* label : bonus.findChildren<QLabel*>()) {
        const int width = QFontMetrics(label->font()).horizontalAdvance(label->text());
        const int was = captionWidths[label->objectName()];
        EXPECT_NEAR(width, 2 * was, was / 10 + 1) << label->objectName().toStdString();
    }
    EXPECT_EQ(bonus.surface().pixel(bonus.origin() + circle * 2), circleColour);
    ExpectCaptionsFit(bonus);
}

TEST_F(BonusGame, OnAnyLargeWindowTheLayoutFillsItCentredWithCaptionsInTheirBoxes) {
    BonusGameWindow& bonus = Open();
    PlayQuicklyToTheEnd(bonus);
    bonus.ToggleQuickPlay();  // the shorter of its two captions, while the layout changes
    const auto overlapping = Overlaps(bonus);
    auto extent = [&] {
        QRect all;
        for (const auto& [name, place] : Places(bonus))
            all |= place;
        return all;
    };
    const QRect design = extent();
    const QPointF designOffCentre = QRectF(design).center() - QRectF(bonus.rect()).center();
    ExpectCaptionsFit(bonus);

    for (QSize size : {QSize(905, 644), QSize(1920, 1061), QSize(3840, 2160), QSize(1100, 1800)}) {
        Resize(bonus, size);
        const std::string at = std::to_string(size.width()) + "x" + std::to_string(size.height());
        const QRect all = extent();
        EXPECT_TRUE(bonus.rect().contains(all)) << at;
        // As large as the window allows: one side is as full as at the designed size.
        const double across = double(all.width()) / size.width(),
                     down = double(all.height()) / size.height();
        const double designAcross =
                         double(design.width()) / BonusGameWindow::kDesignClientSize.width(),
                     designDown =
                         double(design.height()) / BonusGameWindow::kDesignClientSize.height();
        EXPECT_TRUE((std::abs(across - designAcross) < 0.01 && down < designDown + 0.01) ||
                    (std::abs(down - designDown) < 0.01 && across < designAcross + 0.01))
            << at << ": " << across << " across and " << down << " down";
        const double grown = double(all.width()) / design.width();
        const QPointF offCentre = QRectF(all).center() - QRectF(bonus.rect()).center();
        // Within about a designed pixel: the centring rounds to whole pixels at any size.
        EXPECT_LE((offCentre - designOffCentre * grown).manhattanLength(), 1 + grown) << at;
        for (const auto& pair : Overlaps(bonus)) {
            EXPECT_TRUE(overlapping.contains(pair))
                << pair.first.toStdString() << " and " << pair.second.toStdString() << " at " << at;
        }
        ExpectCaptionsFit(bonus);
        bonus.ToggleQuickPlay();
        ExpectCaptionsFit(bonus);
        bonus.ToggleQuickPlay();
    }
}

TEST_F(BonusGame, MinimisingItBringsItAndTheGameBackAtOnce) {
    // Without a taskbar there would be no way back to a minimised game.
    BonusGameWindow& bonus = Open();
    QWidget& game = *bonus.parentWidget();
    game.setWindowState(game.windowState() | Qt::WindowMinimized);
    bonus.setWindowState(bonus.windowState() | Qt::WindowMinimized);
    clock.ProcessEvents();
    EXPECT_FALSE(bonus.isMinimized());
    EXPECT_FALSE(game.isMinimized());
    EXPECT_TRUE(bonus.isVisible());
}

// The game's own bonus window in the spin cycle: the player's card is kept as soon as it is
// chosen, the payout as soon as the blackout is called, and the winnings meter counts on from
// the spin's own pay.
TEST_F(BonusGame, ThePayoutIsKeptAtTheBlackoutAndCountedOnAfterTheSpin) {
    realBonusWindow = true;
    CabinetWindow& cabinet = Start();
    PassStartup();
    for (std::uint32_t s = 1;; ++s) {
        RandomGenerator random(s);
        const ReelStops stops = DrawSpin(random, cabinet.cabinetGeometry().motionHeight).stops;
        if (ScoreSpin(session.reelSymbols(), stops, 9, 1).ballCount >= kBonusBallCount) {
            session.Seed(s);
            break;
        }
    }
    cabinet.PressKey(Qt::Key_Return);
    for (int i = 0; i < 1000 && cabinet.cycle().phase() != SpinCycle::Phase::BonusOpen; ++i)
        clock.Advance(25);
    auto* bonus = dynamic_cast<BonusGameWindow*>(QApplication::activeModalWidget());
    ASSERT_NE(bonus, nullptr);
    RandomGenerator timeOfDay(seed);
    EXPECT_EQ(bonus->game().card(0).numbers, BingoGame(timeOfDay, 9).card(0).numbers)
        << "dealt afresh from the time of day, not from where the spin left the generator";
    const std::int32_t spinPaid = session.state().gamePaid;
    const std::int32_t credits = session.state().account.credits;
    bonus->BlueCardClick();
    EXPECT_EQ(GameFile(gameFile()).Read(kCurrentGameSlot).account.credits, credits);
    EXPECT_EQ(session.pendingBonus()->card, 0) << "the card is kept at once";
    bonus->ToggleQuickPlay();
    while (!bonus->gameOver())
        clock.Advance(100);
    const std::int32_t payout = bonus->game().total(0);
    EXPECT_FALSE(session.pendingBonus());
    EXPECT_EQ(GameFile(gameFile()).Read(kCurrentGameSlot).account.credits, credits + payout)
        << "kept at the blackout, before the window closes";
    sound.played.clear();
    Settle();
    EXPECT_EQ(session.state().gamePaid, spinPaid + payout);
    EXPECT_EQ(session.state().account.bonusTotal, payout);
    EXPECT_EQ(session.state().account.credits, credits + payout);
    EXPECT_EQ(!sound.played.empty() && sound.played.front() == "BingoWin.wav", payout > 0);
    EXPECT_TRUE(cabinet.cycle().presenting());
}

TEST_F(BonusGame, OnAScreenThatDoublesPixelsThePicturesUseEveryPixel) {
    BonusGameWindow& bonus = Open();
    const double ratio = bonus.devicePixelRatioF();
    if (ratio < 2)
        GTEST_SKIP() << "for a screen that doubles pixels (QT_SCALE_FACTOR=2)";
    bonus.BlueCardClick();
    clock.Advance(1100);
    int pictures = 0;
    for (QWidget* child : bonus.findChildren<QWidget*>()) {
        if (auto* box = dynamic_cast<PictureView*>(child)) {
            ++pictures;
            EXPECT_EQ(box->picture().size(), box->size() * ratio)
                << box->objectName().toStdString();
        }
    }
    EXPECT_EQ(pictures, 5 + 2 + 13 + 12) << "cards, call board, monitor, patterns and their wins";
    EXPECT_EQ(bonus.surface().size(), bonus.size() * ratio);
}

TEST_F(BonusGame, ACardAndTheMonitorPressedThroughTheTreePlayAndAreTold) {
    BonusGameWindow& bonus = Open();
    auto press = [](QWidget* widget) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(widget);
        ASSERT_EQ(button->role(), QAccessible::Button);
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press(bonus.picture("WhiteCard"));
    EXPECT_EQ(bonus.chosenCard(), 2);
    press(bonus.picture("Monitor"));
    EXPECT_TRUE(bonus.quickPlay());
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(bonus.picture("Monitor"))->state().checked);
    NextCall(bonus);
    const int number = bonus.game().CallNumber(1);
    EXPECT_TRUE(StatusText(&bonus).startsWith(
        QStringLiteral("Call 1: %1 %2").arg(QChar::fromLatin1(LetterOf(number))).arg(number)))
        << StatusText(&bonus).toStdString();
    EXPECT_EQ(bonus.picture("WhiteCard")->accessibleName(),
              "Card 3, your card: " + QString::number(bonus.game().total(2)));
}

}  // namespace
}  // namespace quillane::testing
