// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <limits>

namespace quillane::sim {

const char* const kUsage =
    "usage: quillane-sim [--seed S] [--spins N] [--lines 1|3|5|7|9] [--credits 1|2|3|5|10]\n"
    "                    [--card 0-4] [--no-bonus] [--threads T] [--jsonl] [--json]\n"
    "                    [--shard K/N] [--exact [--par]]\n"
    "       quillane-sim --merge [--json] FILE...\n"
    "  --seed S     unsigned 32-bit seed (default: the time of day in milliseconds)\n"
    "  --spins N    spins to play (default 1000000)\n"
    "  --lines L    paylines played (default 9)\n"
    "  --credits C  credits per line (default 1)\n"
    "  --card K     the player's card (0 Blue, 1 Red, 2 White, 3 Green, 4 Yellow; default 0) in\n"
    "               the bonus game after every spin with three balls or more; its total is won\n"
    "  --threads T  threads playing the bonus games, 1 to 256 (default: the machine's cores);\n"
    "               the output is the same for any number\n"
    "  --jsonl      one JSON object per spin, then a summary object; rtp and hit_rate in percent\n"
    "  --json       the summary as one JSON object with every figure, the spread included; with\n"
    "               --jsonl, after the spins\n"
    "  --shard K/N  play part K (1 to N) of the run split in N, with the same --seed (needed)\n"
    "               and spins as the whole run; the first (spins mod N) parts have one spin\n"
    "               more. With --json writes the part's summary for --merge\n"
    "  --merge      read the --shard --json summaries of every part of one run, in any order,\n"
    "               and write the whole run's report: the same as the run in one piece, as JSON\n"
    "               with --json\n"
    "  --no-bonus   skip the bonus games (and their draws): the base game alone, much faster\n"
    "  --exact      the base game's exact figures over every stop combination, instead of spins;\n"
    "               as JSON with --jsonl or --json\n"
    "  --par        with --exact: the PAR sheet, every pay's hits and share of the return, and\n"
    "               the figures for 1, 3, 5, 7 and 9 lines\n";

namespace {

// A bound far past any run that finishes, so that a slip of the keyboard is refused rather than
// left spinning for days.
constexpr std::uint64_t kMaxSpins = 1'000'000'000'000;
constexpr std::uint64_t kMaxShards = 1'000'000;

template <typename T>
std::optional<T> ParseUnsigned(const std::string& text) {
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    T value{};
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end)
        return std::nullopt;
    return value;
}

template <std::size_t N>
std::optional<int> ParseChoice(const std::string& text, const std::array<int, N>& allowed) {
    auto value = ParseUnsigned<unsigned>(text);
    if (!value || *value > static_cast<unsigned>(std::numeric_limits<int>::max()))
        return std::nullopt;
    const int v = static_cast<int>(*value);
    if (std::find(allowed.begin(), allowed.end(), v) == allowed.end())
        return std::nullopt;
    return v;
}

}  // namespace

std::variant<Options, UsageError> ParseOptions(const std::vector<std::string>& args) {
    Options options;
    bool spinsGiven = false;
    std::string runOption;  // an option that has no use with --merge
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        auto flag = [&]() -> std::optional<UsageError> {
            if (inlineValue)
                return UsageError{"option " + name + " takes no value"};
            return std::nullopt;
        };
        auto value = [&]() -> std::optional<std::string> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < args.size())
                return args[++i];
            return std::nullopt;
        };
        auto bad = [&](const std::string& what) {
            return UsageError{"option " + name + " needs " + what};
        };
        if (name.empty() || name.front() != '-') {
            options.mergeFiles.push_back(args[i]);
            continue;
        }
        if (name != "--json" && name != "--merge" && name != "--help" && name != "-h")
            runOption = name;

        // The options that take one of a few numbers.
        const struct {
            const char* option;
            std::array<int, 5> allowed;
            const char* expected;
            int& into;
        } choices[] = {{"--lines", {1, 3, 5, 7, 9}, "1, 3, 5, 7 or 9", options.lines},
                       {"--credits", {1, 2, 3, 5, 10}, "1, 2, 3, 5 or 10", options.credits},
                       {"--card", {0, 1, 2, 3, 4}, "a card from 0 to 4", options.card}};
        const auto choice = std::find_if(std::begin(choices), std::end(choices),
                                         [&](const auto& c) { return name == c.option; });

        if (choice != std::end(choices)) {
            auto text = value();
            auto chosen = text ? ParseChoice(*text, choice->allowed) : std::nullopt;
            if (!chosen)
                return bad(choice->expected);
            choice->into = *chosen;
        } else if (name == "--jsonl" || name == "--json" || name == "--exact" || name == "--par" ||
                   name == "--no-bonus" || name == "--help" || name == "-h") {
            if (auto error = flag())
                return *error;
            if (name == "--jsonl")
                options.jsonl = true;
            else if (name == "--json")
                options.json = true;
            else if (name == "--exact")
                options.exact = true;
            else if (name == "--par")
                options.par = true;
            else if (name == "--no-bonus")
                options.noBonus = true;
            else
                options.help = true;
        } else if (name == "--merge") {
            if (auto error = flag())
                return *error;
            options.merge = true;
        } else if (name == "--shard") {
            auto text = value();
            const auto slash = text ? text->find('/') : std::string::npos;
            std::optional<std::uint64_t> k, n;
            if (slash != std::string::npos) {
                k = ParseUnsigned<std::uint64_t>(text->substr(0, slash));
                n = ParseUnsigned<std::uint64_t>(text->substr(slash + 1));
            }
            if (!k || !n || *n < 1 || *n > kMaxShards || *k < 1 || *k > *n)
                return bad("K/N: part K from 1 to N of N parts, N from 1 to 1000000");
            options.shardIndex = *k;
            options.shardCount = *n;
        } else if (name == "--seed") {
            auto text = value();
            auto seed = text ? ParseUnsigned<std::uint32_t>(*text) : std::nullopt;
            if (!seed)
                return bad("an unsigned 32-bit number");
            options.seed = *seed;
        } else if (name == "--spins") {
            auto text = value();
            auto spins = text ? ParseUnsigned<std::uint64_t>(*text) : std::nullopt;
            if (!spins || *spins > kMaxSpins)
                return bad("a whole number of spins up to 1000000000000");
            options.spins = *spins;
            spinsGiven = true;
        } else if (name == "--threads") {
            auto text = value();
            auto threads = text ? ParseUnsigned<unsigned>(*text) : std::nullopt;
            if (!threads || *threads < 1 || *threads > static_cast<unsigned>(kMaxThreads))
                return bad("a number of threads from 1 to 256");
            options.threads = static_cast<int>(*threads);
        } else {
            return UsageError{"unknown option " + args[i]};
        }
    }
    // --exact plays no spins; a count given with it would otherwise be dropped without a word.
    if (options.exact && spinsGiven)
        return UsageError{"option --spins has no use with --exact"};
    if (!options.merge && !options.mergeFiles.empty())
        return UsageError{"unexpected argument " + options.mergeFiles.front()};
    if (options.merge && !runOption.empty())
        return UsageError{"option " + runOption + " has no use with --merge"};
    if (options.merge && options.mergeFiles.empty() && !options.help)
        return UsageError{"option --merge needs the shard summaries to merge"};
    // A part's summary is taken whole; without a seed each part would play a different run.
    if (options.shardCount != 0 && !options.seed)
        return UsageError{"option --shard needs --seed"};
    if (options.shardCount != 0 && (options.exact || options.jsonl))
        return UsageError{"option --shard has no use with --exact or --jsonl"};
    if (options.par && !options.exact)
        return UsageError{"option --par needs --exact"};
    return options;
}

}  // namespace quillane::sim
