#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/exact_return.h"
#include "core/random.h"
#include "sim/options.h"
#include "sim/report.h"
#include "sim/simulator.h"

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

// Writes what the options ask for; false at the first write that fails, with errno telling why,
// so that a long run stops there instead of spinning on into a dead stream.
bool Run(const quillane::sim::Options& options) {
    using namespace quillane;
    if (options.help)
        return Write(sim::kUsage) && std::fflush(stdout) == 0;

    if (options.exact) {
        const ExactReturn exact = ComputeExactReturn(DecodeStrips(), options.lines);
        return Write(options.jsonl ? sim::ExactJson(exact, options.lines) + "\n"
                                   : sim::ExactText(exact, options.lines)) &&
               std::fflush(stdout) == 0;
    }

    const std::uint32_t seed = options.seed ? *options.seed : SeedFromClock();
    sim::Simulator simulator(seed, options.lines, options.credits, options.card, !options.noBonus);
    for (std::uint64_t n = 1; n <= options.spins; ++n) {
        const auto& spin = simulator.Play();
        if (options.jsonl && !Write(sim::SpinJson(n, spin) + "\n"))
            return false;
    }
    return Write(options.jsonl ? sim::SummaryJson(simulator.summary()) + "\n"
                               : sim::SummaryText(simulator.summary(), seed, options.lines,
                                                  options.credits)) &&
           std::fflush(stdout) == 0;
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
    if (!Run(std::get<sim::Options>(parsed))) {
        std::fprintf(stderr, "quillane-sim: cannot write the output: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}
