// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QAction>
#include <QImage>
#include <QMouseEvent>
#include <algorithm>
#include <map>
#include <utility>

#include "cabinet_fixture.h"
#include "core/paytable.h"
#include "core/reels.h"
#include "layout_checks.h"
#include "platform/asset_files.h"
#include "platform/translations.h"
#include "ui/cabinet/cabinet_layout.h"
#include "ui/cabinet/cabinet_view.h"
#include "ui/widgets/contrast.h"
#include "ui/widgets/meter_digits.h"

namespace quillane::testing {
namespace {

using CabinetPaint = CabinetFixture;

QImage Builtin(const char* name) {
    return LoadBuiltinPicture(QString(":/pictures/") + name);
}

bool SameImage(const QImage& a, const QImage& b) {
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

// Paints a white patch so that what a drawing operation puts there shows.
void Whiten(CabinetWindow& cabinet, int left, int top, int right, int bottom) {
    Canvas& c = cabinet.painter().canvas();
    c.SetBrushClear(false);
    c.SetBrushColor(Qt::white);
    c.FillRect(left, top, right, bottom);
}

// A meter shows every digit of the most negative counter, and its sign.
TEST(MeterDigits, ShowTheSignAndEveryDigit) {
    const QImage digits = Builtin("green_small.png");
    QImage surface(400, kDigitHeight, QImage::Format_ARGB32);
    surface.fill(Qt::white);
    Canvas canvas(surface);
    DrawDigits(canvas, digits, -2147483648LL, 400, 0, true, false);
    const std::string text = "-2147483648";
    const int left = 400 - kDigitWidth * static_cast<int>(text.size());
    for (std::size_t i = 1; i < text.size(); ++i) {
        const int d = text[i] - '0';
        EXPECT_EQ(
            surface.copy(left + kDigitWidth * static_cast<int>(i), 0, kDigitWidth, kDigitHeight),
            digits.copy(kDigitWidth * d, 0, kDigitWidth, kDigitHeight))
            << "digit " << i;
    }
    const QImage sign = surface.copy(left, 0, kDigitWidth, kDigitHeight);
    const QImage eight = digits.copy(kDigitWidth * 8, 0, kDigitWidth, kDigitHeight);
    EXPECT_EQ(sign.pixel(kDigitWidth / 2, 10), eight.pixel(kDigitWidth / 2, 10)) << "lit bar";
    EXPECT_EQ(sign.pixel(kDigitWidth / 2, 1), qRgb(0, 0, 0)) << "nothing above it";
    EXPECT_EQ(surface.pixel(left - 1, 10), qRgb(0, 0, 0)) << "the spare cell wipes";
}

TEST_F(CabinetPaint, TheCabinetFitsTheWindowsHeight) {
    CabinetWindow& cabinet = Start();
    clock.ProcessEvents();
    EXPECT_LE(cabinet.surface().height(), cabinet.centralWidget()->height());
    EXPECT_EQ(cabinet.cabinetGeometry().Scale(600), cabinet.surface().height());
}

// Laid out again at a size it had before, after larger and smaller ones, the cabinet is painted as
// one made at that size: the larger pictures it lets go are read again where they are needed.
TEST_F(CabinetPaint, AResizedCabinetIsPaintedAsOneMadeAtItsSize) {
    for (const char* file : {"background_3x.jpg", "Bingo98.jpg", "Bingo110.jpg", "Bingo122.jpg",
                             "Bingo152.jpg", "Bingo304.jpg"})
        PutShippedFile(file);
    const QSize sizes[] = {{800, 600}, {3840, 2160}, {1366, 800}, {800, 600}};
    std::vector<QImage> resized;
    // Without the keys' hint, which only the first start shows.
    Start();
    PassStartup();
    cabinet().painter().ClearMessageStrip();
    for (const QSize& size : sizes) {
        cabinet().resize(size);
        clock.ProcessEvents();
        resized.push_back(cabinet().surface().copy());
    }
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        Start();
        PassStartup();
        cabinet().painter().ClearMessageStrip();
        cabinet().resize(sizes[i]);
        clock.ProcessEvents();
        EXPECT_TRUE(cabinet().surface() == resized[i])
            << "at " << sizes[i].width() << "x" << sizes[i].height();
    }
}

TEST_F(CabinetPaint, Payline1MarkersAndColourAtWidth800) {
    CabinetWindow& cabinet = Start();
    REQUIRE_LAYOUT_WIDTH(cabinet, 800);
    const QImage lit = Builtin("line_bubbles.png");
    const QImage mask = Builtin("line_bubbles_neg.png");
    // Payline 1 uses marker row 4; its markers sit at (162, 312) and (654, 312).
    int checked = 0;
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 42; ++x) {
            if (qRed(mask.pixel(x, 100 + y)) != 0)
                continue;  // outside the marker's shape
            if (x < 20)
                continue;  // the number, on the even rows' left bubble
            EXPECT_EQ(At(162 + x, 312 + y), lit.pixel(x, 100 + y)) << x << "," << y;
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
    for (int x = 20; x < 41; ++x) {
        if (qRed(mask.pixel(49 + x, 113)) == 0) {
            EXPECT_EQ(At(654 + x, 325), lit.pixel(49 + x, 113));
        }
    }
    EXPECT_EQ(CabinetPainter::lineColor(1).rgb(), lit.pixel(34, 113)) << "the marker's own colour";
    EXPECT_EQ(At(291, 325), CabinetPainter::lineColor(1).rgb()) << "the path between the reels";
}

TEST_F(CabinetPaint, MarkersLitForThePlayedLinesOnly) {
    CabinetWindow& cabinet = Start();
    Arrange([&](SessionState& s) { s.settings.linesBet = 3; });
    cabinet.Redraw();
    const QImage lit = Builtin("line_bubbles.png");
    const QImage dim = Builtin("line_bubbles_dim.png");
    constexpr int kRow[] = {4, 1, 7, 0, 8, 2, 6, 3, 5};
    for (int p = 1; p <= 9; ++p) {
        const int r = kRow[p - 1];
        const QRgb shown =
            At(cabinet.cabinetGeometry().Scale(162) + cabinet.cabinetGeometry().Scale(34),
               cabinet.cabinetGeometry().Scale(212) + cabinet.cabinetGeometry().Scale(25 * r + 13));
        const QRgb expected = (p <= 3 ? lit : dim).pixel(34, 25 * r + 13);
        EXPECT_LE(ColourDistance(shown, expected), 6) << "payline " << p;
        EXPECT_LE(ColourDistance(CabinetPainter::lineColor(p, p <= 3).rgb(), shown), 3)
            << "the marker's colour, at every width";
    }
}

TEST_F(CabinetPaint, CreditsMeterRightAlignsAndWipesAtWidth800) {
    CabinetWindow& cabinet = Start();
    REQUIRE_LAYOUT_WIDTH(cabinet, 800);
    const int top = cabinet.painter().meterTop();
    EXPECT_EQ(top, 30);
    Whiten(cabinet, 500, top, 640, top + 21);
    Arrange([&](SessionState& s) { s.account.credits = 2345; });
    cabinet.painter().DrawCreditsMeter();
    EXPECT_EQ(At(539, top + 10), qRgb(255, 255, 255)) << "one spare cell, no more";
    EXPECT_EQ(At(540, top + 10), qRgb(0, 0, 0));
    EXPECT_EQ(At(620, top + 10), qRgb(255, 255, 255));
    const QImage green = Builtin("green_small.png");
    const QImage shown = cabinet.surface().copy(556, top, 64, 21);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(SameImage(shown.copy(16 * i, 0, 16, 21), green.copy(16 * (i + 2), 0, 16, 21)))
            << "digit " << i + 1;
    }

    Arrange([&](SessionState& s) { s.account.credits = 999; });
    cabinet.painter().DrawCreditsMeter();
    const QImage wiped = cabinet.surface().copy(556, top, 16, 21);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(wiped.pixel(x, y), qRgb(0, 0, 0)) << "a stray digit";
}

// However long the balance, the meters' captions stay whole: the digits shrink instead.
TEST_F(CabinetPaint, LongNumbersLeaveTheMetersCaptionsWhole) {
    CabinetWindow& cabinet = Start();
    const CabinetGeometry& g = cabinet.cabinetGeometry();
    const QRect panel(g.Scale(170), g.Scale(28), g.Scale(626) - g.Scale(170), g.Scale(20));
    const QImage before = cabinet.surface().copy(panel);
    Arrange([](SessionState& s) {
        s.account.credits = -2147483647 - 1;
        s.bet = 900;
    });
    cabinet.painter().DrawCreditsMeter();
    cabinet.painter().DrawCoinsMeter(900);
    cabinet.painter().DrawWinningsMeter(2147483647);
    const QImage after = cabinet.surface().copy(panel);
    // Every pixel of a caption's letters (white on the black panel) is still there.
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (qGray(before.pixel(x, y)) > 200) {
                ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << "at " << x << "," << y;
            }
        }
    }
}

TEST_F(CabinetPaint, ReelsShowThreePositionsRoundTheStrip) {
    CabinetWindow& cabinet = Start();
    const QImage& sheet = cabinet.pictures().symbolSheet;
    const int c = cabinet.cabinetGeometry().cellSize;
    for (int stop : {29, 30}) {
        Arrange([&](SessionState& s) { s.reelStops[2] = stop; });
        cabinet.painter().DrawReel(2);
        for (int row = 0; row < 3; ++row) {
            const int n = SymbolInRow(session.reelSymbols()[2], stop, row);
            const QImage cell = cabinet.surface().copy(
                cabinet.cabinetGeometry().reelLeft + 2 * cabinet.cabinetGeometry().reelPitch,
                cabinet.cabinetGeometry().reelTop + row * c, c, c);
            EXPECT_TRUE(SameImage(cell, sheet.copy((n % 4) * c, (n / 4) * c, c, c)))
                << "stop " << stop << " row " << row;
        }
    }
}

TEST_F(CabinetPaint, AReelPastTheFifthIsAnError) {
    CabinetWindow& cabinet = Start();
    const QImage before = cabinet.surface();
    cabinet.painter().DrawReel(5);
    ASSERT_EQ(messages.informed.size(), 1u);
    EXPECT_EQ(messages.informed[0], "Oops, I did it again! (5)");
    EXPECT_EQ(cabinet.surface(), before);
}

TEST_F(CabinetPaint, MotionFramesWrapRoundTheStrip) {
    CabinetWindow& cabinet = Start();
    const int c = cabinet.cabinetGeometry().cellSize, h = cabinet.cabinetGeometry().motionHeight;
    const QImage& strip = cabinet.pictures().motionStrip;
    ASSERT_EQ(strip.height(), h);
    const int offset = h - c;  // one cell before the foot: two cells come from the head
    cabinet.painter().DrawReelMotion(0, offset);
    const QImage shown = cabinet.surface().copy(cabinet.cabinetGeometry().reelLeft,
                                                cabinet.cabinetGeometry().reelTop, c, 3 * c);
    EXPECT_TRUE(SameImage(shown.copy(0, 0, c, c), strip.copy(0, offset, c, c)));
    EXPECT_TRUE(SameImage(shown.copy(0, c, c, 2 * c), strip.copy(0, 0, c, 2 * c)));
}

// The share of a key's face that is white: most of a lit key, none of an unlit one.
double WhiteShare(CabinetWindow& cabinet, int left, int top, int width) {
    const QRect face(
        QPoint(cabinet.cabinetGeometry().Scale(left), cabinet.cabinetGeometry().Scale(top)),
        QPoint(cabinet.cabinetGeometry().Scale(left + width) - 1,
               cabinet.cabinetGeometry().Scale(top + 10) - 1));
    int white = 0;
    for (int y = face.top(); y <= face.bottom(); ++y)
        for (int x = face.left(); x <= face.right(); ++x)
            white += cabinet.surface().pixel(x, y) == qRgb(255, 255, 255);
    return static_cast<double>(white) / (face.width() * face.height());
}

TEST_F(CabinetPaint, BetKeysShowTheLitPair) {
    CabinetWindow& cabinet = Start();
    EXPECT_GT(WhiteShare(cabinet, 407, 487, 51), 0.5) << "9 paylines lit";
    EXPECT_GT(WhiteShare(cabinet, 193, 503, 53), 0.5) << "1 credit lit";
    EXPECT_EQ(WhiteShare(cabinet, 167, 487, 51), 0.0) << "1 payline unlit";
    EXPECT_EQ(WhiteShare(cabinet, 437, 503, 53), 0.0) << "10 credits unlit";
}

// The contrast of the strongest ink in `box` (design pixels) against its commonest colour.
double InkContrast(CabinetWindow& cabinet, const cabinet_layout::Box& box) {
    const CabinetGeometry& g = cabinet.cabinetGeometry();
    std::map<QRgb, int> counts;
    for (int y = g.Scale(box.top); y < g.Scale(box.bottom); ++y)
        for (int x = g.Scale(box.left); x < g.Scale(box.right); ++x)
            ++counts[cabinet.surface().pixel(x, y)];
    const QColor ground =
        QColor::fromRgb(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                            return a.second < b.second;
                        })->first);
    double best = 1;
    for (const auto& [colour, n] : counts)
        best = std::max(best, ContrastRatio(QColor::fromRgb(colour), ground));
    return best;
}

TEST_F(CabinetPaint, HighContrastLiftsTheUnlitKeysToFourAndAHalfToOne) {
    ASSERT_DOUBLE_EQ(ContrastRatio(Qt::black, Qt::white), 21);
    CabinetWindow& cabinet = Start();
    const cabinet_layout::Box unlitKey = {437, 503, 490, 513};
    EXPECT_LT(InkContrast(cabinet, unlitKey), kReadableContrast) << "as designed";
    cabinet.action("highContrast")->trigger();
    EXPECT_GE(InkContrast(cabinet, unlitKey), kReadableContrast);
}

TEST_F(CabinetPaint, ButtonsShowTheirReadyHalves) {
    CabinetWindow& cabinet = Start();
    REQUIRE_LAYOUT_WIDTH(cabinet, 800);
    const QImage spin = Builtin("spinbut.jpg");
    cabinet.painter().DrawButton(CabinetPainter::Button::Spin, false);
    EXPECT_LE(ColourDistance(At(606 + 29, 485 + 17), spin.pixel(29, 17)), 0);
    cabinet.painter().DrawButton(CabinetPainter::Button::Spin, true);
    EXPECT_LE(ColourDistance(At(606 + 29, 485 + 17), spin.pixel(29, 35 + 17)), 0);
}

struct Text {
    QString text;
    QRect ink;
};

// Every text of the cabinet, with a win on display, at cabinets from the smallest to a 4K
// screen's and on each side of the fonts' steps, and in the pseudo-language (every text accented
// and 40 % longer) at the two smallest: none runs off the cabinet, none overlaps another, every
// key's caption fits its key, and in the pseudo-language every text came through the catalogues.
TEST_F(CabinetPaint, EveryTextFitsAtEveryWidth) {
    Translations translations;
    const std::pair<std::string_view, int> cases[] = {
        {kEnglish, 640},  {kEnglish, 800},        {kEnglish, 1024},
        {kEnglish, 1152}, {kEnglish, 1366},       {kEnglish, 1920},
        {kEnglish, 2880}, {kPseudoLanguage, 640}, {kPseudoLanguage, 800}};
    for (const auto& [language, width] : cases) {
        SCOPED_TRACE(std::string(language) + " " + std::to_string(width));
        ASSERT_TRUE(translations.Apply(std::string(language)));
        // A window of its own size (not maximised): the screen less ten pixels each way.
        screen.info.geometry = screen.info.available = QRect(0, 0, width + 10, width * 3 / 4 + 90);
        screen.info.logicalDpi = 120;
        CabinetWindow& cabinet = Start();
        clock.ProcessEvents();
        ASSERT_EQ(cabinet.cabinetGeometry().layoutWidth, width);
        Arrange([](SessionState& s) {
            s.spin.lineWon[1] = true;
            s.spin.lineWin[1] = 1000;
            s.spin.winCursor = 2;
            s.spin.ballCount = 3;
            s.gamePaid = 1000000;
        });
        std::vector<Text> texts;
        cabinet.painter().canvas().SetTextListener([&](const QString& text, const QRect& ink) {
            texts.push_back({text, ink});
        });
        cabinet.Redraw();
        const std::size_t cabinetTexts = texts.size();
        for (bool blink : {true, false}) {
            texts.resize(cabinetTexts);
            cabinet.painter().WriteWinMessage(blink);
            const QRect surface = cabinet.surface().rect();
            for (std::size_t i = 0; i < texts.size(); ++i) {
                EXPECT_TRUE(surface.contains(texts[i].ink)) << texts[i].text.toStdString();
                EXPECT_TRUE(language == kEnglish || !Untranslated(texts[i].text))
                    << texts[i].text.toStdString();
                for (std::size_t j = i + 1; j < texts.size(); ++j) {
                    if (texts[i].text == texts[j].text && texts[i].ink == texts[j].ink)
                        continue;  // the same text drawn again
                    EXPECT_FALSE(texts[i].ink.intersects(texts[j].ink))
                        << texts[i].text.toStdString() << " / " << texts[j].text.toStdString();
                }
            }
        }
        const CabinetGeometry& g = cabinet.cabinetGeometry();
        for (const cabinet_layout::BetKey& key : cabinet_layout::kBetKeys) {
            const auto caption = std::find_if(texts.begin(), texts.end(), [&](const Text& t) {
                return t.text == QCoreApplication::translate("CabinetPainter", key.caption);
            });
            ASSERT_NE(caption, texts.end()) << key.caption;
            EXPECT_GE(caption->ink.left(), g.Scale(key.left)) << key.caption;
            EXPECT_LE(caption->ink.right(), g.Scale(key.left + key.width)) << key.caption;
        }
    }
}

// The bounding box of the pixels in `area` where `a` and `b` differ.
QRect Difference(const QImage& a, const QImage& b, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Windows of every shape, from a short wide one to a tall narrow one, as a player sees them
// after a spin that won: the cabinet whole and centred both ways on the margin's colour, the
// logo inside it, the keys answering a click and the screen reader where they are drawn, and in
// the meter panel the message apart from the digits, with nothing left of a longer message
// shown before it and no digit cut.
TEST_F(CabinetPaint, EveryWindowShapeShowsTheWholeCabinetCentred) {
    namespace layout = cabinet_layout;
    CabinetWindow& cabinet = Start();
    PassStartup();
    auto* view = dynamic_cast<CabinetView*>(cabinet.centralWidget());
    ASSERT_NE(view, nullptr);
    QAccessibleInterface* keys = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(keys, nullptr);
    CabinetPainter& painter = cabinet.painter();
    const QSize shapes[] = {{1800, 520}, {640, 1005}, {2560, 720},
                            {800, 600},  {1024, 768}, {3840, 2160}};
    for (const QSize& shape : shapes) {
        SCOPED_TRACE(std::to_string(shape.width()) + "x" + std::to_string(shape.height()));
        cabinet.resize(shape);
        clock.ProcessEvents();
        ASSERT_EQ(cabinet.size(), shape);
        const CabinetGeometry& g = cabinet.cabinetGeometry();
        SeedFor(
            [](const SpinResult& r) { return r.winToPay > 0 && r.ballCount < kBonusBallCount; });
        SpinAndSettle();

        // The meters drawn afresh, with the letters of their captions; then a long message and
        // the shorter one that follows it.
        std::vector<QRect> inks;
        painter.canvas().SetTextListener(
            [&](const QString&, const QRect& ink) { inks.push_back(ink); });
        painter.RedrawMeters();
        painter.DrawWinningsMeter(painter.winningsShown());
        const QImage meters = cabinet.surface().convertToFormat(QImage::Format_RGB32);
        const std::vector<QRect> captions = std::exchange(inks, {});
        painter.WriteMessage(NoSoundDeviceText().toStdString());
        inks.clear();
        painter.WriteWinMessage(false);
        painter.canvas().SetTextListener({});
        ASSERT_EQ(inks.size(), 1u) << "Game paid";
        const QRect message = inks[0];

        const QImage shot = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage surface = cabinet.surface().convertToFormat(QImage::Format_RGB32);
        const QRect shown(view->origin().toPoint(), surface.size());
        ASSERT_TRUE(shot.rect().contains(shown)) << "the cabinet is cut";
        EXPECT_EQ(shot.copy(shown), surface);
        EXPECT_LE(std::abs(shown.left() - (shot.width() - 1 - shown.right())), 1);
        EXPECT_LE(std::abs(shown.top() - (shot.height() - 1 - shown.bottom())), 1);
        int unlike = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                unlike += !shown.contains(x, y) && shot.pixel(x, y) != CabinetView::kMarginColour;
        EXPECT_EQ(unlike, 0) << "pixels of the margin not in its colour";

        const QImage ground = painter.Ground(surface.rect()).convertToFormat(QImage::Format_RGB32);
        const QRect logo = Difference(
            surface, ground,
            QRect(0, 0, g.Scale(layout::kMeterPanel.left), g.Scale(layout::kBadgeArea.top)));
        EXPECT_GT(logo.width(), cabinet.pictures().shownLogo.width() / 2) << "the logo is drawn";
        EXPECT_GT(logo.left(), 0) << "the logo is cut at the left";
        EXPECT_GT(logo.top(), 0) << "the logo is cut at the top";

        // Inside the panel, clear of its rounded corners: the message's letters in it, and
        // every other pixel as the meters alone drew it.
        const QRect panel(
            QPoint(g.Scale(layout::kMeterPanel.left) + 2, g.Scale(layout::kMeterPanel.top) + 1),
            QPoint(g.Scale(layout::kMeterPanel.right) - 3,
                   g.Scale(layout::kMeterPanel.bottom) - 1));
        EXPECT_TRUE(panel.contains(message));
        int stale = 0, underDigits = 0;
        for (int y = panel.top(); y <= panel.bottom(); ++y) {
            for (int x = panel.left(); x <= panel.right(); ++x) {
                const bool caption = std::any_of(captions.begin(), captions.end(),
                                                 [&](const QRect& r) { return r.contains(x, y); });
                const bool digit = !caption && meters.pixel(x, y) != qRgb(0, 0, 0);
                stale += !message.contains(x, y) && surface.pixel(x, y) != meters.pixel(x, y);
                underDigits += digit && message.contains(x, y);
            }
        }
        EXPECT_EQ(stale, 0) << "pixels of the panel neither the meters' nor the message's";
        EXPECT_EQ(underDigits, 0) << "pixels of digits under the message";
        // The digits stop inside the panel: its frame beneath is the background's.
        const QRect foot(QPoint(g.Scale(layout::kMessageStrip.left), panel.bottom() + 2),
                         QPoint(g.Scale(layout::kMessageStrip.right), panel.bottom() + 4));
        EXPECT_TRUE(Difference(surface, ground, foot).isEmpty());

        // A click, and the screen reader's key, on "1 Payline" as it shows; "9 Paylines" again.
        for (const int key : {1, 5}) {
            const layout::Box box = layout::HitBox(key);
            const QPoint at = shown.topLeft() + QPoint(g.Scale((box.left + box.right) / 2),
                                                       g.Scale((box.top + box.bottom) / 2));
            const QString name =
                QCoreApplication::translate("CabinetPainter", layout::KeyAt(key).caption);
            int named = 0;
            for (int i = 0; i < keys->childCount(); ++i) {
                if (keys->child(i)->text(QAccessible::Name) == name) {
                    ++named;
                    EXPECT_TRUE(keys->child(i)->rect().contains(view->mapToGlobal(at))) << key;
                }
            }
            EXPECT_EQ(named, 1) << key;
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), view->mapToGlobal(QPointF(at)),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view, &press);
            clock.ProcessEvents();
            EXPECT_EQ(session.state().settings.linesKey, key);
        }
    }
}

}  // namespace
}  // namespace quillane::testing
