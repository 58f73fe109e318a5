#include "sim/simulator.h"

#include "core/paytable.h"
#include "core/spin_draw.h"

namespace quillane::sim {

Simulator::Simulator(std::uint32_t seed, int lines, int credits)
    : random_(seed), scorer_(DecodeStrips()), lines_(lines), credits_(credits) {}

const Simulator::Spin& Simulator::Play() {
    spin_.stops = DrawSpin(random_, kMotionStripDesignHeight).stops;
    scorer_.Score(spin_.stops, lines_, credits_, spin_.result);
    const Spin& spin = spin_;
    summary_.spins += 1;
    summary_.bet += static_cast<std::uint64_t>(lines_ * credits_);
    summary_.won += static_cast<std::uint64_t>(spin.result.winToPay);
    summary_.hits += spin.result.winToPay > 0;
    summary_.bonusTriggers += spin.result.ballCount >= kBonusBallCount;
    return spin;
}

}  // namespace quillane::sim
