// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/base_game.h"
#include "sim/spin.h"
#include "sim/summary.h"
#include "sim/worker_pool.h"

namespace quillane::sim {

struct PlaySettings {
    std::uint32_t seed = 0;
    int lines = 9;
    int credits = 1;
    int card = 0;  // the player's card in the bonus games
    bool playBonus = true;
    bool jsonl = false;  // also write each spin as a JSON line
};

// Plays spins in batches. The base game runs in order on the calling thread, which moves the
// generator past every bonus game; the bonus games, and the batch's JSON lines, are then shared
// among the threads. Each is a function of its own seed and every result is taken in spin order,
// so the output is the same for any number of threads.
class BatchPlayer {
  public:
    BatchPlayer(const PlaySettings& settings, int threads);

    // Plays the next `count` spins; returns their JSON lines, or nothing unless asked for.
    const std::string& Play(std::size_t count);

    // Moves past `count` spins and their bonus games without playing or counting them: the base
    // game alone, to start a part of a run where the part begins.
    void Skip(std::uint64_t count);

    const Summary& summary() const { return summary_; }

  private:
    void Finish(std::size_t chunk);

    PlaySettings settings_;
    BaseGame base_;
    WorkerPool pool_;
    Summary summary_;
    std::uint64_t played_ = 0;
    std::vector<Spin> spins_;
    std::vector<std::optional<std::uint32_t>> bonusSeeds_;
    std::vector<std::string> chunkLines_;
    std::string lines_;
};

}  // namespace quillane::sim
