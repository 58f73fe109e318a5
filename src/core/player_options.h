// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "core/autoplay.h"
#include "core/play_reminder.h"
#include "core/session_state.h"

namespace quillane {

// What the player chose in the Options menu, kept between sessions. The defaults play the game
// as it always has.
struct PlayerOptions {
    static constexpr int kFullVolume = 100;

    bool quickPlay = false;
    bool sound = true;
    bool music = true;
    int effectsVolume = kFullVolume;  // percent
    int musicVolume = kFullVolume;
    AutoplayPlan autoplay;      // the last plan, offered again
    bool reduceMotion = false;  // reels that step to their stops, wins marked without flashing
    bool linePatterns = false;  // each payline dashed and numbered of its own, besides its colour
    bool highContrast = false;  // every caption at least 4.5:1 against what it stands on
    std::string language;       // the interface language's code; empty follows the desktop
    int lastBonusCard = 0;      // the bonus game card last chosen by hand, 0 (Blue) to 4
    int reminderMinutes = 0;    // a play reminder every so many minutes; 0 for none
    ReminderStyle reminderStyle = ReminderStyle::Notice;
    // The bet below comes back at the next start; without it every start lights 9 lines at 1.
    bool rememberBet = false;
    int betLines = BetSettings{}.linesBet;
    int betCredits = BetSettings{}.creditsPerLine;
    bool shortcutHintShown = false;  // the keys were named once, at the first start

    bool operator==(const PlayerOptions&) const = default;
};

}  // namespace quillane
