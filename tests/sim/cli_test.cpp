// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct SimRun {
    int status = -1;
    std::string out;
    std::string err;
};

SimRun Sim(const std::string& args) {
    const std::string errPath =
        testing::TempDir() + "quillane-sim-" + std::to_string(getpid()) + ".err";
    // A simulator that would run on for ever fails within a minute instead of stalling the suite.
    const std::string command =
        std::string("timeout 60 ") + QUILLANE_SIM + " " + args + " 2>" + errPath;
    SimRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 4096> buffer;
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr)
        run.out += buffer.data();
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errPath);
    run.err.assign(std::istreambuf_iterator<char>(err), {});
    std::remove(errPath.c_str());
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(SimCommand, PrintsOneJsonObjectPerSpinThenTheSummary) {
    const SimRun run = Sim("--seed 1 --spins 3 --jsonl");
    ASSERT_EQ(run.status, 0);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("{\"spin\":1,\"stops\":[26,9,10,12,3],\"line_win\":[", 0), 0u)
        << lines[0];
    const std::regex spin(
        R"(\{"spin":\d+,"stops":\[\d+(,\d+){4}\],"line_win":\[\d+(,\d+){8}\],"win_length":\[\d(,\d){8}\],"balls":\d,"scatter_win":\d+,"win":\d+(,"bonus":\{"bet":\d+,"card":\d,"calls":\d+,"totals":\[\d+(,\d+){4}\],"payout":\d+\})?\})");
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(std::regex_match(lines[static_cast<std::size_t>(i)], spin))
            << lines[static_cast<std::size_t>(i)];
    const std::regex summary(
        R"(\{"summary":\{"spins":3,"bet":27,"won":\d+,"rtp":[0-9.]+,"hit_rate":[0-9.]+,"bonus_triggers":\d+,"bonus_won":\d+\}\})");
    EXPECT_TRUE(std::regex_match(lines[3], summary)) << lines[3];
}

// The bonus object follows "win" on the spins that open the bonus game, and the summary counts
// its payouts as won.
TEST(SimCommand, TriggeringSpinsCarryTheirBonusGame) {
    const SimRun run = Sim("--seed 1 --spins 200 --lines 3 --credits 5 --card 2 --jsonl");
    ASSERT_EQ(run.status, 0);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 201u);
    const std::regex spin(
        R"(\{"spin":\d+,.*,"balls":(\d),"scatter_win":\d+,"win":(\d+)(,"bonus":\{"bet":15,"card":2,"calls":(\d+),"totals":\[\d+,\d+,(\d+),\d+,\d+\],"payout":(\d+)\})?\})");
    long won = 0;
    long bonusWon = 0;
    int bonuses = 0;
    for (std::size_t i = 0; i < 200; ++i) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(lines[i], m, spin)) << lines[i];
        won += std::stol(m[2]);
        EXPECT_EQ(m[3].matched, std::stoi(m[1]) >= 3) << lines[i];
        if (!m[3].matched)
            continue;
        EXPECT_GE(std::stoi(m[4]), 24);
        EXPECT_LE(std::stoi(m[4]), 75);
        EXPECT_EQ(m[5], m[6]) << "the payout is card 2's total";
        bonusWon += std::stol(m[6]);
        ++bonuses;
    }
    EXPECT_GT(bonuses, 0);
    EXPECT_NE(lines[200].find(",\"won\":" + std::to_string(won + bonusWon) + ","),
              std::string::npos)
        << lines[200];
    EXPECT_NE(lines[200].find(",\"bonus_won\":" + std::to_string(bonusWon) + "}"),
              std::string::npos)
        << lines[200];

    const SimRun text = Sim("--seed 1 --spins 200 --lines 3 --credits 5 --card 2");
    EXPECT_NE(text.out.find("Bonus won       " + std::to_string(bonusWon) + " ("),
              std::string::npos)
        << text.out;
}

TEST(SimCommand, SameSeedSameOutput) {
    const SimRun a = Sim("--seed 424242 --spins 2000 --lines 5 --credits 2");
    const SimRun b = Sim("--seed 424242 --spins 2000 --lines 5 --credits 2");
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out.find("Return"), std::string::npos);
}

TEST(SimCommand, WithoutTheBonusTheSameSpinsPayOnlyTheirOwnWins) {
    const SimRun with = Sim("--seed 9 --spins 300 --jsonl");
    const SimRun without = Sim("--seed 9 --spins 300 --jsonl --no-bonus");
    ASSERT_EQ(with.status, 0);
    ASSERT_EQ(without.status, 0);
    const auto a = Lines(with.out), b = Lines(without.out);
    ASSERT_EQ(a.size(), b.size());
    // Up to the first bonus the two runs draw alike; the bonus's draws then part them.
    std::size_t first = 0;
    while (first < a.size() && a[first].find("\"bonus\"") == std::string::npos) {
        ASSERT_EQ(a[first], b[first]);
        ++first;
    }
    ASSERT_LT(first, a.size() - 1) << "seed 9 triggers a bonus within 300 spins";
    EXPECT_EQ(a[first].substr(0, a[first].find(",\"bonus\"")) + "}", b[first]);
    EXPECT_NE(b.back().find("\"bonus_won\":0}"), std::string::npos) << b.back();
}

TEST(SimCommand, ExactFiguresAsTextAndJson) {
    const SimRun text = Sim("--exact");
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("24300000"), std::string::npos);
    const SimRun json = Sim("--exact --jsonl --lines 1");
    EXPECT_EQ(json.out.rfind("{\"exact\":{\"lines\":1,\"combinations\":24300000,", 0), 0u)
        << json.out;
}

TEST(SimCommand, BadArgumentsExitWithStatus2) {
    for (const char* args : {"--lines 4", "--credits 0", "--seed banana", "--card 5",
                             "--frobnicate", "--spins 1000000000001", "--exact --spins 10",
                             "--seed 1 --shard 0/3", "--seed 1 --shard 4/3", "--seed 1 --shard 2",
                             "--shard 1/2", "--merge", "--merge a.json --seed 1", "a.json"}) {
        const SimRun run = Sim(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    }
}

// Bonus games are shared among the threads, but every result comes back in spin order.
TEST(SimCommand, AnyNumberOfThreadsWritesTheSameOutput) {
    for (const char* args : {"--seed 5 --spins 3000 --lines 3 --credits 2 --card 1",
                             "--seed 4000000000 --spins 2500 --jsonl",
                             "--seed 77 --spins 2000 --lines 1 --credits 10 --jsonl --json"}) {
        const SimRun one = Sim(std::string(args) + " --threads 1");
        ASSERT_EQ(one.status, 0) << args;
        EXPECT_NE(one.out.find("bonus"), std::string::npos) << args;
        for (const char* threads : {" --threads 2", " --threads 3", " --threads 8"}) {
            const SimRun many = Sim(args + std::string(threads));
            EXPECT_EQ(many.status, 0) << args << threads;
            EXPECT_EQ(many.out, one.out) << args << threads;
            EXPECT_EQ(many.err, "") << args << threads;
        }
    }
}

TEST(SimCommand, TheJsonSummaryAddsTheSpreadAfterTheTotals) {
    const SimRun run = Sim("--seed 3 --spins 4000 --json");
    ASSERT_EQ(run.status, 0);
    const std::regex summary(
        R"(\{"summary":\{"spins":4000,"bet":36000,"won":\d+,"rtp":[0-9.]+,"hit_rate":[0-9.]+,"bonus_triggers":\d+,"bonus_won":\d+,"bonus_games":\d+,"rtp_se":[0-9.]+,"rtp_ci95":\[[0-9.]+,[0-9.]+\],"base_rtp":[0-9.]+,"base_rtp_se":[0-9.]+,"base_rtp_ci95":\[[0-9.]+,[0-9.]+\],"bonus_rtp":[0-9.]+,"bonus_rtp_se":[0-9.]+,"bonus_rtp_ci95":\[[0-9.]+,[0-9.]+\],"volatility":[0-9.]+,"largest_win":\d+,"largest_win_spin":\d+,"longest_winless_run":\d+,"bonus_payout":\{"mean":[0-9.]+,"sd":[0-9.]+,"p50":\d+,"p90":\d+,"p99":\d+,"p99_9":\d+,"max":\d+\}\}\}\n)");
    EXPECT_TRUE(std::regex_match(run.out, summary)) << run.out;
}

TEST(SimCommand, ParSheetAsTablesAndJson) {
    const SimRun text = Sim("--exact --par --lines 5 --credits 2");
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out.rfind("PAR sheet: 5 lines x 2 credits, over all 24300000", 0), 0u)
        << text.out;
    EXPECT_NE(text.out.find("\nB I N G O       10000 "), std::string::npos) << text.out;
    const SimRun json = Sim("--exact --par --json");
    EXPECT_EQ(json.out.rfind("{\"par\":{\"lines\":9,\"credits\":1,\"combinations\":24300000,", 0),
              0u)
        << json.out;
    EXPECT_EQ(Sim("--exact --par --jsonl").out, json.out);
    const std::regex line(R"(\{"lines":\d,"rtp":[0-9.]+,"hit_rate":[0-9.]+,"volatility":[0-9.]+,)");
    EXPECT_EQ(std::distance(std::sregex_iterator(json.out.begin(), json.out.end(), line),
                            std::sregex_iterator()),
              5);
}

TEST(SimCommand, BadThreadCountsAndAParSheetWithoutExactExitWithStatus2) {
    for (const char* args : {"--threads 0", "--threads 257", "--threads", "--par"}) {
        const SimRun run = Sim(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    }
}

// No spins is a run like any other (status 0), but with no bet there is no return to give.
TEST(SimCommand, NoSpinsReportNoReturn) {
    const SimRun text = Sim("--seed 1 --spins 0");
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("no spins were played"), std::string::npos) << text.out;
    EXPECT_EQ(text.out.find('%'), std::string::npos) << text.out;
    for (const char* json : {"--jsonl", "--json"}) {
        const SimRun run = Sim(std::string("--seed 1 --spins 0 ") + json);
        EXPECT_EQ(run.status, 0) << json;
        EXPECT_EQ(run.out,
                  "{\"summary\":{\"spins\":0,\"bet\":0,\"won\":0,\"rtp\":null,\"hit_rate\":null,"
                  "\"bonus_triggers\":0,\"bonus_won\":0}}\n")
            << json;
    }
}

// The endless run proves the simulator stops at the first failed write instead of playing on.
TEST(SimCommand, AFullDiskIsReportedWithStatus1) {
    for (const char* args : {"--seed 1 --spins 1000000000000 --jsonl --no-bonus",
                             "--seed 1 --spins 3", "--exact", "--help"}) {
        const SimRun run = Sim(std::string(args) + " >/dev/full");
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_EQ(run.err, "quillane-sim: cannot write the output: No space left on device\n")
            << args;
    }
}

// The reader is gone before the simulator starts; SIGPIPE is left at its default, as a shell
// leaves it, so a silent death by signal would show here.
TEST(SimCommand, AClosedPipeIsReportedWithStatus1) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    close(fds[0]);
    const std::string errPath =
        testing::TempDir() + "quillane-sim-pipe-" + std::to_string(getpid());
    const std::string command =
        std::string("exec ") + QUILLANE_SIM + " --seed 1 --spins 3 --jsonl 2>" + errPath;
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGPIPE, SIG_DFL);
        dup2(fds[1], STDOUT_FILENO);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    std::ifstream errFile(errPath);
    const std::string err(std::istreambuf_iterator<char>(errFile), {});
    std::remove(errPath.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(err, "quillane-sim: cannot write the output: Broken pipe\n");
}

}  // namespace

namespace {

std::string ShardPath(int part, int of, const std::string& run = "a") {
    return testing::TempDir() + "quillane-shard-" + std::to_string(getpid()) + run + "-" +
           std::to_string(part) + "of" + std::to_string(of) + ".json";
}

// Writes the parts of a run as --shard --json summaries; returns their paths, space-separated.
std::string WriteShards(const std::string& run, int of, const std::string& name = "a") {
    std::string paths;
    for (int part = 1; part <= of; ++part) {
        const std::string path = ShardPath(part, of, name);
        Sim(run + " --json --shard " + std::to_string(part) + "/" + std::to_string(of) + " >" +
            path);
        paths += " " + path;
    }
    return paths;
}

}  // namespace

TEST(SimCommand, MergedShardsReportTheWholeRun) {
    const std::string run = "--seed 77 --spins 20000 --lines 7 --credits 2 --card 3";
    const SimRun text = Sim(run);
    const SimRun json = Sim(run + " --json");
    ASSERT_EQ(text.status, 0);
    for (int of : {1, 2, 3, 7}) {
        const std::string paths = WriteShards(run, of);
        const SimRun mergedText = Sim("--merge" + paths);
        EXPECT_EQ(mergedText.status, 0) << of << " shards: " << mergedText.err;
        EXPECT_EQ(mergedText.out, text.out) << of << " shards";
        EXPECT_EQ(Sim("--merge --json" + paths).out, json.out) << of << " shards";
        std::system(("rm -f" + paths).c_str());
    }
}

TEST(SimCommand, MergeRefusesWhatIsNotEveryPartOfOneRunWithStatus1) {
    const std::string dir = testing::TempDir();
    const std::string whole = WriteShards("--seed 5 --spins 3000", 3);
    const std::string other = WriteShards("--seed 6 --spins 3000", 3, "b");
    const std::string one = ShardPath(1, 3);
    const std::string bad = dir + "quillane-bad-" + std::to_string(getpid()) + ".json";
    const struct {
        std::string prepare;  // shell commands that write `bad`
        std::string files;
        std::string reason;
    } cases[] = {
        {"", ShardPath(1, 3) + " " + ShardPath(3, 3), "part 2 of 3 is missing"},
        {"", whole + " " + ShardPath(2, 3), "part 2 is given twice"},
        {"", other.substr(0, other.find(' ', 1)) + " " + ShardPath(2, 3) + " " + ShardPath(3, 3),
         "different runs"},
        {"", bad + ".none", "No such file"},
        {"", dir, "not a regular file"},
        {": >" + bad, bad, "empty"},
        {"head -c 200 " + one + " >" + bad, bad, "ends early"},
        {"echo garbage >" + bad, bad, "not a shard summary"},
        {"sed s/bonus_games/bonus_gamez/ " + one + " >" + bad, bad, "not a shard summary"},
        {"sed 's/\"bonus_games\":/&9/' " + one + " >" + bad, bad, "do not add up"},
        {"cat " + one + " " + one + " >" + bad, bad, "more text"},
    };
    for (const auto& c : cases) {
        if (!c.prepare.empty()) {
            ASSERT_EQ(std::system(c.prepare.c_str()), 0) << c.prepare;
        }
        const SimRun run = Sim("--merge " + c.files);
        EXPECT_EQ(run.status, 1) << c.files;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.files << ": " << run.err;
        EXPECT_EQ(run.out, "") << c.files;
    }
    std::system(("rm -f " + whole + other + " " + bad).c_str());
}
