// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// quillane-bonus-estimate: estimates what a bonus game pays, per credit of the last slot bet, for
// every bet the keys can place, and writes the table the game shows its bonus share from
// (src/core/bonus_estimate_table.cpp). scripts/bonus_estimate.sh runs it; see README.md.
//
// The games are dealt as the cabinet deals them: the generator is reseeded with the time of day in
// milliseconds (GameSession::DealBonusGame), here a time drawn at random, uniformly over the day.
// A game's cards and calls do not depend on the bet, so each sampled game is played out once for
// every bet. The payout counted is the five cards' mean total: the player's card is any one of
// them, picked before the calls.
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/betting.h"
#include "core/bingo.h"
#include "core/random.h"
#include "core/return_figures.h"

namespace {

using namespace quillane;

constexpr std::uint32_t kMillisecondsPerDay = 24u * 60u * 60u * 1000u;

struct Sums {
    std::array<long double, kBetCount> sum{};
    std::array<long double, kBetCount> squares{};
};

void Play(const std::vector<std::uint32_t>& seeds, std::size_t from, std::size_t to, Sums& sums) {
    const std::array<std::int32_t, kBetCount> bets = KeyBets();
    for (std::size_t i = from; i < to; ++i) {
        RandomGenerator random(seeds[i]);
        BingoGame dealt(random, bets[0]);
        std::array<BingoCard, kCardCount> cards;
        for (int c = 0; c < kCardCount; ++c)
            cards[static_cast<std::size_t>(c)] = dealt.card(c);
        std::array<std::uint16_t, kBingoNumbers> calls;
        for (int n = 0; n < kBingoNumbers; ++n)
            calls[static_cast<std::size_t>(n)] =
                static_cast<std::uint16_t>(dealt.CallNumber(n + 1));
        for (std::size_t b = 0; b < bets.size(); ++b) {
            BingoGame game = b == 0 ? dealt : BingoGame(cards, calls, bets[b]);
            game.PlayOut();
            long double total = 0;
            for (int c = 0; c < kCardCount; ++c)
                total += game.total(c);
            const long double perBet = total / kCardCount / bets[b];
            sums.sum[b] += perBet;
            sums.squares[b] += perBet * perBet;
        }
    }
}

int Usage() {
    std::fprintf(stderr,
                 "usage: quillane-bonus-estimate [--games N] [--seed S] [--threads T]\n"
                 "writes the C++ table of src/core/bonus_estimate_table.cpp to stdout\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::uint64_t games = 1'000'000;
    std::uint64_t seed = 1;
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--games") == 0 && hasValue)
            games = std::strtoull(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--seed") == 0 && hasValue)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--threads") == 0 && hasValue)
            threads = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        else
            return Usage();
    }
    if (games < 2 || threads < 1)
        return Usage();

    // The times of day, drawn before the games are shared out, so the threads change nothing.
    std::mt19937_64 times(seed);
    std::vector<std::uint32_t> seeds(games);
    for (auto& s : seeds)
        s = static_cast<std::uint32_t>(times() % kMillisecondsPerDay);

    const auto start = std::chrono::steady_clock::now();
    std::vector<Sums> sums(threads);
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back(Play, std::cref(seeds), games * t / threads, games * (t + 1) / threads,
                             std::ref(sums[t]));
    }
    for (auto& w : workers)
        w.join();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const std::array<std::int32_t, kBetCount> bets = KeyBets();
    const auto n = static_cast<long double>(games);
    std::printf(
        "// SPDX-FileCopyrightText: 2026 Quillane developers\n"
        "// SPDX-License-Identifier: GPL-3.0-or-later\n\n"
        "// Made by quillane-bonus-estimate --games %llu --seed %llu (tools/bonus_estimate.cpp,\n"
        "// run by scripts/bonus_estimate.sh). Do not edit by hand.\n"
        "#include \"core/return_figures.h\"\n\n"
        "namespace quillane {\n\n"
        "// By bet, one a line: what a bonus game pays per credit of the bet, as the mean of its\n"
        "// five cards' totals, and the standard error of that mean.\n"
        "// clang-format off\n"
        "const BonusEstimateTable kBonusEstimates = {\n"
        "    %llu,\n"
        "    {{\n",
        static_cast<unsigned long long>(games), static_cast<unsigned long long>(seed),
        static_cast<unsigned long long>(games));
    for (std::size_t b = 0; b < bets.size(); ++b) {
        long double sum = 0, squares = 0;
        for (const Sums& s : sums) {
            sum += s.sum[b];
            squares += s.squares[b];
        }
        const long double mean = sum / n;
        const long double variance = std::max(0.0L, (squares - n * mean * mean) / (n - 1));
        const double error = static_cast<double>(std::sqrt(variance / n));
        std::printf("        {%d, %.9f, %.9f},\n", bets[b], static_cast<double>(mean), error);
    }
    std::printf("    }},\n};\n// clang-format on\n\n}  // namespace quillane\n");
    std::fprintf(stderr, "%llu games in %.1f s\n", static_cast<unsigned long long>(games), seconds);
    return 0;
}
