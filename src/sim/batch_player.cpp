// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/batch_player.h"

#include <algorithm>
#include <stdexcept>

#include "sim/bonus_play.h"
#include "sim/report.h"

namespace quillane::sim {
namespace {

// A share of work a thread takes at a time: some fifteen bonus games.
constexpr std::size_t kChunkSpins = 256;

}  // namespace

BatchPlayer::BatchPlayer(const PlaySettings& settings, int threads)
    : settings_(settings),
      base_(settings.seed, settings.lines, settings.credits, settings.playBonus),
      pool_(threads) {
    if (settings.card < 0 || settings.card >= kCardCount)
        throw std::invalid_argument("the player's card is 0 to 4");
}

const std::string& BatchPlayer::Play(std::size_t count) {
    spins_.resize(count);
    bonusSeeds_.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        bonusSeeds_[i] = base_.Play(spins_[i]);
    const std::size_t chunks = (count + kChunkSpins - 1) / kChunkSpins;
    chunkLines_.resize(chunks);
    pool_.Run(chunks, [this](std::size_t chunk) { Finish(chunk); });

    lines_.clear();
    for (const std::string& text : chunkLines_)
        lines_ += text;
    for (const Spin& spin : spins_)
        summary_.Add(spin, base_.bet());
    played_ += count;
    return lines_;
}

void BatchPlayer::Skip(std::uint64_t count) {
    for (std::uint64_t i = 0; i < count; ++i)
        base_.Skip();
}

void BatchPlayer::Finish(std::size_t chunk) {
    const std::size_t first = chunk * kChunkSpins;
    const std::size_t end = std::min(spins_.size(), first + kChunkSpins);
    std::string& text = chunkLines_[chunk];
    text.clear();
    for (std::size_t i = first; i < end; ++i) {
        if (bonusSeeds_[i])
            spins_[i].bonus = PlayBonus(*bonusSeeds_[i], base_.bet(), settings_.card);
        if (settings_.jsonl) {
            text += SpinJson(played_ + i + 1, spins_[i]);
            text += '\n';
        }
    }
}

}  // namespace quillane::sim
