// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "synth.h"

namespace audio {

// The five cabinet effects. They share a key (C major), a bell voice and a room, so that they
// sound like parts of one machine.
Signal ReelStop();       // a reel locking into place; plays five times per spin, 150 ms apart
Signal CountTick();      // one credit step of the pay-out count; repeats every 75 ms
Signal WinJingle();      // before every pay-out; the count waits for it to finish
Signal StartChime();     // at start-up and when a bonus card is blacked out
Signal BonusFlourish();  // three balls on the reels, and each bingo pattern won

}  // namespace audio
