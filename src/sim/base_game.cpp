// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/base_game.h"

#include "core/paytable.h"
#include "core/spin_draw.h"
#include "sim/bonus_play.h"

namespace quillane::sim {

BaseGame::BaseGame(std::uint32_t seed, int lines, int credits, bool playBonus)
    : random_(seed),
      scorer_(DecodeStrips()),
      lines_(lines),
      credits_(credits),
      playBonus_(playBonus) {}

std::optional<std::uint32_t> BaseGame::Play(Spin& spin) {
    spin.stops = DrawSpin(random_, kMotionStripDesignHeight).stops;
    scorer_.Score(spin.stops, lines_, credits_, spin.result);
    spin.bonus.reset();
    if (spin.result.ballCount < kBonusBallCount || !playBonus_)
        return std::nullopt;
    const std::uint32_t start = random_.seed();
    random_.Seed(kBonusGameJump.From(start));
    return start;
}

void BaseGame::Skip() {
    const ReelStops stops = DrawSpin(random_, kMotionStripDesignHeight).stops;
    if (playBonus_ && scorer_.BallCount(stops) >= kBonusBallCount)
        random_.Seed(kBonusGameJump.From(random_.seed()));
}

}  // namespace quillane::sim
