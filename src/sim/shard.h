// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "sim/summary.h"

namespace quillane::sim {

// The run a shard belongs to, and which of its parts it played.
struct ShardRun {
    std::uint32_t seed = 0;
    std::uint64_t spins = 0;  // of the whole run
    int lines = 9;
    int credits = 1;
    int card = 0;
    bool playBonus = true;
    std::uint64_t index = 1;  // from 1 to count
    std::uint64_t count = 1;

    bool SameRunAs(const ShardRun& other) const;
};

// The spins of part `index` (1 to `count`) of a run of `spins`: the parts follow one another,
// and the first spins % count parts have one spin more than the others.
struct ShardSpins {
    std::uint64_t first = 0;  // the spins before the part
    std::uint64_t count = 0;
};
ShardSpins SpinsOfShard(std::uint64_t spins, std::uint64_t index, std::uint64_t count);

struct Shard {
    ShardRun run;
    Summary summary;
};

// One line of JSON holding every count the merge needs, the bonus payouts as a full histogram.
std::string ShardJson(const Shard& shard);
// Fails with the reason when `text` is not what ShardJson writes, or does not add up.
std::variant<Shard, std::string> ParseShard(const std::string& text);

// The whole run from all of its shards, in any order; fails with the reason when they are not
// every part of one run, each once.
std::variant<Shard, std::string> MergeShards(std::vector<Shard> shards);

}  // namespace quillane::sim
