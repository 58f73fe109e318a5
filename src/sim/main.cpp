// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "core/exact_return.h"
#include "core/par_sheet.h"
#include "sim/batch_player.h"
#include "sim/options.h"
#include "sim/par_report.h"
#include "sim/progress.h"
#include "sim/report.h"
#include "sim/shard.h"

namespace {

std::uint32_t SeedFromClock() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(sinceMidnight).count());
}

bool Write(const std::string& text) {
    return std::fputs(text.c_str(), stdout) != EOF;
}

int MachineThreads() {
    const auto cores = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(cores, 1, quillane::sim::kMaxThreads);
}

bool WriteExact(const quillane::sim::Options& options) {
    using namespace quillane;
    const ReelSymbols reels = DecodeStrips();
    const bool json = options.jsonl || options.json;
    if (!options.par) {
        const ExactReturn exact = ComputeExactReturn(reels, options.lines);
        return Write(json ? sim::ExactJson(exact, options.lines) + "\n"
                          : sim::ExactText(exact, options.lines));
    }
    std::vector<ParSheet> byLines;
    for (int lines : {1, 3, 5, 7, 9})
        byLines.push_back(ComputeParSheet(reels, lines));
    const ParSheet& sheet = *std::find_if(byLines.begin(), byLines.end(), [&](const ParSheet& s) {
        return s.lines == options.lines;
    });
    return Write(json ? sim::ParJson(sheet, options.credits, byLines) + "\n"
                      : sim::ParText(sheet, options.credits, byLines));
}

// Writes what the options ask for; false at the first write that fails, with errno telling why,
// so that a long run stops there instead of spinning on into a dead stream.
bool Run(const quillane::sim::Options& options) {
    using namespace quillane;
    if (options.help)
        return Write(sim::kUsage) && std::fflush(stdout) == 0;
    if (options.exact)
        return WriteExact(options) && std::fflush(stdout) == 0;

    sim::PlaySettings settings;
    settings.seed = options.seed ? *options.seed : SeedFromClock();
    settings.lines = options.lines;
    settings.credits = options.credits;
    settings.card = options.card;
    settings.playBonus = !options.noBonus;
    settings.jsonl = options.jsonl;
    const int threads = options.threads ? *options.threads : MachineThreads();
    // Enough spins that every thread has a few shares of each batch.
    const std::uint64_t batch =
        std::max<std::uint64_t>(16384, 1024 * static_cast<unsigned>(threads));
    sim::BatchPlayer player(settings, threads);
    const bool sharded = options.shardCount != 0;
    const sim::ShardSpins part =
        sharded ? sim::SpinsOfShard(options.spins, options.shardIndex, options.shardCount)
                : sim::ShardSpins{0, options.spins};
    player.Skip(part.first);
    // Spins written to the same terminal would tangle with the bar.
    const bool bar = isatty(STDERR_FILENO) != 0 && !(options.jsonl && isatty(STDOUT_FILENO) != 0);
    sim::Progress progress(part.count, bar);
    for (std::uint64_t done = 0; done < part.count;) {
        const auto count = static_cast<std::size_t>(std::min(batch, part.count - done));
        if (!Write(player.Play(count)))
            return false;
        done += count;
        progress.Update(done);
    }
    progress.Clear();
    const sim::Summary& summary = player.summary();
    if (sharded && options.json) {
        const sim::ShardRun run{settings.seed,      options.spins,     options.lines,
                                options.credits,    options.card,      settings.playBonus,
                                options.shardIndex, options.shardCount};
        return Write(sim::ShardJson({run, summary}) + "\n") && std::fflush(stdout) == 0;
    }
    return Write(options.jsonl || options.json
                     ? sim::SummaryJson(summary, options.json) + "\n"
                     : sim::SummaryText(summary, settings.seed, options.lines, options.credits)) &&
           std::fflush(stdout) == 0;
}

// The file's text, or why it cannot be read. A shard summary is one short line; anything far
// longer is not one, and is not read whole.
std::variant<std::string, std::string> ReadShardFile(const std::string& path) {
    constexpr std::uintmax_t kLargest = 1 << 20;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error)
        return std::variant<std::string, std::string>(std::in_place_index<1>, error.message());
    if (!std::filesystem::is_regular_file(status))
        return std::variant<std::string, std::string>(std::in_place_index<1>, "not a regular file");
    std::ifstream in(path, std::ios::binary);
    std::string text(kLargest + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad() || (!in.eof() && !in))
        return std::variant<std::string, std::string>(std::in_place_index<1>, "cannot be read");
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.empty())
        return std::variant<std::string, std::string>(std::in_place_index<1>, "the file is empty");
    if (text.size() > kLargest)
        return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                      "far too long for a shard summary");
    return std::variant<std::string, std::string>(std::in_place_index<0>, text);
}

int Merge(const quillane::sim::Options& options) {
    using namespace quillane;
    std::vector<sim::Shard> shards;
    for (const std::string& path : options.mergeFiles) {
        const auto text = ReadShardFile(path);
        if (text.index() == 1) {
            std::fprintf(stderr, "quillane-sim: %s: %s\n", path.c_str(), std::get<1>(text).c_str());
            return 1;
        }
        auto shard = sim::ParseShard(std::get<0>(text));
        if (const auto* error = std::get_if<std::string>(&shard)) {
            std::fprintf(stderr, "quillane-sim: %s: %s\n", path.c_str(), error->c_str());
            return 1;
        }
        shards.push_back(std::get<sim::Shard>(shard));
    }
    const auto merged = sim::MergeShards(std::move(shards));
    if (const auto* error = std::get_if<std::string>(&merged)) {
        std::fprintf(stderr, "quillane-sim: cannot merge: %s\n", error->c_str());
        return 1;
    }
    const sim::Shard& whole = std::get<sim::Shard>(merged);
    const bool written =
        Write(options.json ? sim::SummaryJson(whole.summary, true) + "\n"
                           : sim::SummaryText(whole.summary, whole.run.seed, whole.run.lines,
                                              whole.run.credits)) &&
        std::fflush(stdout) == 0;
    if (!written) {
        std::fprintf(stderr, "quillane-sim: cannot write the output: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quillane;
    const auto parsed = sim::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<sim::UsageError>(&parsed)) {
        std::fprintf(stderr, "quillane-sim: %s (try --help)\n", error->message.c_str());
        return 2;
    }
    // A reader that went away is then an EPIPE reported like any other failed write, rather
    // than a silent death by signal, whatever disposition the parent left us.
    std::signal(SIGPIPE, SIG_IGN);
    const auto& options = std::get<sim::Options>(parsed);
    if (options.merge && !options.help)
        return Merge(options);
    if (!Run(std::get<sim::Options>(parsed))) {
        std::fprintf(stderr, "quillane-sim: cannot write the output: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}
