// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <limits>

#include "platform/notice_text.h"
#include "ui/widgets/game_names.h"
#include "ui/widgets/refusal_text.h"

namespace quillane {
namespace {

// What the game tells the player, composed by the windows from what core and storage hand back;
// numbers as a German locale writes them where the locale counts.
TEST(GameTexts, AreWordedAsThePlayerReadsThem) {
    const QLocale german(QLocale::German, QLocale::Germany);
    constexpr std::int64_t kMost = std::numeric_limits<std::int32_t>::max();
    const struct {
        QString composed;
        const char* expected;
    } kCases[] = {
        {RefusalText({Refusal::Kind::NoBet}), "No bet was placed!"},
        {RefusalText({Refusal::Kind::CreditsKey, 90, 50, 0}),
         "You have 50, but you tried to bet 90 credits.  You cannot bet more credits than you "
         "have.  Borrow some credits or place a smaller bet."},
        {RefusalText({Refusal::Kind::CreditsKey, 1, -7, 0}).left(31),
         "You have -7, but you tried to b"},
        {RefusalText({Refusal::Kind::PayBackUncovered, 100, 50, 0}, german),
         "You do not have  100,00 credits!"},
        {RefusalText({Refusal::Kind::PayBackUncovered, 100, 50, 0}, QLocale::c()),
         "You do not have  100.00 credits!"},
        {RefusalText({Refusal::Kind::PayBackUnborrowed, 11, 10, 0}),
         "You cannot pay back more credits than you have borrowed!"},
        {RefusalText({Refusal::Kind::BorrowPastLimit, 648, kMost - 647, kMost}, german),
         "You cannot borrow 648 more credits: the credits and the borrowed credits cannot go "
         "past 2.147.483.647."},
        {RefusalText({Refusal::Kind::NoGameFile}), "There is no game file to store the game in."},
        {AutoplayProgressText(1), "Autoplay: 1 spin left"},
        {AutoplayProgressText(25), "Autoplay: 25 spins left"},
        {AutoplayStopText(AutoplayStop::NoBet), "Autoplay stopped: the bet cannot be placed"},
        {AutoplayStopText(AutoplayStop::Finished), "Autoplay finished"},
        {SymbolText(3), "Wild"},
        {SymbolText(19), "Elephant"},
        {PatternText(Pattern::SmallDiamond), "Small Diamond"},
        {PatternText(Pattern::Blackout), "Blackout Bonus"},
        {CardColourText(4), "Yellow"},
        {CardColourText(-1), "Unknown"},
        {NoticeText(Notice("The history file %1 cannot be read: %2.",
                           {"/home/50%2", Notice("It is larger than %1 MiB", {"32"})})),
         "The history file /home/50%2 cannot be read: It is larger than 32 MiB."},
        {NoticeText(Notice("Unable to write to %1\n%2", {"/x", "No space left on device"})),
         "Unable to write to /x\nNo space left on device"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.composed.toStdString(), c.expected);
}

}  // namespace
}  // namespace quillane
