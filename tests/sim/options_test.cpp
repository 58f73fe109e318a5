// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "sim/options.h"

namespace quillane::sim {
namespace {

std::variant<Options, UsageError> Parse(std::vector<std::string> args) {
    return ParseOptions(args);
}

TEST(SimOptions, DefaultsAndValues) {
    const auto defaults = std::get<Options>(Parse({}));
    EXPECT_FALSE(defaults.seed.has_value());
    EXPECT_EQ(defaults.spins, 1'000'000u);
    EXPECT_EQ(defaults.lines, 9);
    EXPECT_EQ(defaults.credits, 1);
    EXPECT_EQ(defaults.card, 0);

    const auto set = std::get<Options>(Parse({"--seed", "4294967295", "--spins=25", "--lines", "3",
                                              "--credits", "10", "--jsonl", "--card", "4"}));
    EXPECT_EQ(set.seed, 4294967295u);
    EXPECT_EQ(set.spins, 25u);
    EXPECT_EQ(set.lines, 3);
    EXPECT_EQ(set.credits, 10);
    EXPECT_TRUE(set.jsonl);
    EXPECT_EQ(set.card, 4);
    EXPECT_EQ(std::get<Options>(Parse({"--card=2"})).card, 2);
    EXPECT_TRUE(std::get<Options>(Parse({"--exact"})).exact);
    EXPECT_TRUE(std::get<Options>(Parse({"--no-bonus"})).noBonus);
    EXPECT_FALSE(defaults.noBonus);
    EXPECT_EQ(std::get<Options>(Parse({"--spins", "1000000000000"})).spins, 1'000'000'000'000u);
}

TEST(SimOptions, RejectsWhatTheCabinetCannotBet) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--lines", "4"},
                                                                  {"--lines", "0"},
                                                                  {"--credits", "4"},
                                                                  {"--credits", "100"},
                                                                  {"--seed", "-1"},
                                                                  {"--seed", "4294967296"},
                                                                  {"--seed", "0x10"},
                                                                  {"--spins", "ten"},
                                                                  {"--spins", "-5"},
                                                                  {"--spins"},
                                                                  {"--spins", "1000000000001"},
                                                                  {"--exact", "--spins", "5"},
                                                                  {"--spins=5", "--exact"},
                                                                  {"--card", "5"},
                                                                  {"--card", "-1"},
                                                                  {"--card", "blue"},
                                                                  {"--card"},
                                                                  {"--seed", ""},
                                                                  {"--jsonl=yes"},
                                                                  {"--turbo"},
                                                                  {"spins"}}) {
        EXPECT_TRUE(std::holds_alternative<UsageError>(Parse(args))) << args.front();
    }
}

TEST(SimOptions, ThreadsParAndJson) {
    const auto defaults = std::get<Options>(Parse({}));
    EXPECT_FALSE(defaults.threads.has_value());
    EXPECT_EQ(std::get<Options>(Parse({"--threads", "1"})).threads, 1);
    EXPECT_EQ(std::get<Options>(Parse({"--threads=256"})).threads, 256);
    EXPECT_TRUE(std::get<Options>(Parse({"--exact", "--par"})).par);
    EXPECT_TRUE(std::get<Options>(Parse({"--json"})).json);
    for (const auto& args : std::vector<std::vector<std::string>>{{"--threads", "0"},
                                                                  {"--threads", "257"},
                                                                  {"--threads", "-2"},
                                                                  {"--threads", "two"},
                                                                  {"--threads"},
                                                                  {"--par"},
                                                                  {"--par=yes", "--exact"},
                                                                  {"--json=1"}}) {
        EXPECT_TRUE(std::holds_alternative<UsageError>(Parse(args))) << args.front();
    }
}

}  // namespace
}  // namespace quillane::sim
