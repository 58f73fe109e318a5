// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/autoplay.h"

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
    AutoplayPlan autoplay;  // the last plan, offered again

    bool operator==(const PlayerOptions&) const = default;
};

}  // namespace quillane
