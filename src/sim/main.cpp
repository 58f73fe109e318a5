#include <chrono>
#include <cstdio>
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

}  // namespace

int main(int argc, char** argv) {
    using namespace quillane;
    const auto parsed = sim::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<sim::UsageError>(&parsed)) {
        std::fprintf(stderr, "quillane-sim: %s (try --help)\n", error->message.c_str());
        return 2;
    }
    const auto& options = std::get<sim::Options>(parsed);
    if (options.help) {
        std::fputs(sim::kUsage, stdout);
        return 0;
    }

    if (options.exact) {
        const ExactReturn exact = ComputeExactReturn(DecodeStrips(), options.lines);
        const std::string text = options.jsonl ? sim::ExactJson(exact, options.lines) + "\n"
                                               : sim::ExactText(exact, options.lines);
        std::fputs(text.c_str(), stdout);
        return 0;
    }

    const std::uint32_t seed = options.seed ? *options.seed : SeedFromClock();
    sim::Simulator simulator(seed, options.lines, options.credits, options.card, !options.noBonus);
    for (std::uint64_t n = 1; n <= options.spins; ++n) {
        const auto spin = simulator.Play();
        if (options.jsonl) {
            const std::string line = sim::SpinJson(n, spin) + "\n";
            std::fputs(line.c_str(), stdout);
        }
    }
    const std::string summary =
        options.jsonl ? sim::SummaryJson(simulator.summary()) + "\n"
                      : sim::SummaryText(simulator.summary(), seed, options.lines, options.credits);
    std::fputs(summary.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
