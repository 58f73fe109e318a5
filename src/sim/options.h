// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quillane::sim {

struct Options {
    std::optional<std::uint32_t> seed;  // the time of day when not given
    std::uint64_t spins = 1'000'000;
    int lines = 9;
    int credits = 1;
    int card = 0;                // the player's bingo card in bonus games, 0 (Blue) to 4 (Yellow)
    std::optional<int> threads;  // the machine's cores when not given
    bool jsonl = false;
    bool json = false;
    bool exact = false;
    bool par = false;
    bool noBonus = false;
    bool help = false;
    std::uint64_t shardIndex = 0;  // from 1 to shardCount; 0 plays the whole run
    std::uint64_t shardCount = 0;
    std::vector<std::string> mergeFiles;  // with --merge: the shard summaries
    bool merge = false;
};

struct UsageError {
    std::string message;
};

std::variant<Options, UsageError> ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

inline constexpr int kMaxThreads = 256;

}  // namespace quillane::sim
