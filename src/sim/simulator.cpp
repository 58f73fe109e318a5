#include "sim/simulator.h"

#include <stdexcept>

#include "core/paytable.h"
#include "core/spin_draw.h"

namespace quillane::sim {

Simulator::Simulator(std::uint32_t seed, int lines, int credits, int card, bool playBonus)
    : random_(seed),
      scorer_(DecodeStrips()),
      lines_(lines),
      credits_(credits),
      card_(card),
      playBonus_(playBonus) {
    if (card < 0 || card >= kCardCount)
        throw std::invalid_argument("the player's card is 0 to 4");
}

const Simulator::Spin& Simulator::Play() {
    spin_.stops = DrawSpin(random_, kMotionStripDesignHeight).stops;
    scorer_.Score(spin_.stops, lines_, credits_, spin_.result);
    const bool triggered = spin_.result.ballCount >= kBonusBallCount;
    spin_.bonus.reset();
    if (triggered && playBonus_)
        spin_.bonus = PlayBonus();

    const auto win = static_cast<std::uint64_t>(spin_.result.winToPay);
    const auto payout = static_cast<std::uint64_t>(spin_.bonus ? spin_.bonus->payout : 0);
    summary_.spins += 1;
    summary_.bet += static_cast<std::uint64_t>(lines_ * credits_);
    summary_.won += win + payout;
    summary_.baseWon += win;
    summary_.bonusWon += payout;
    summary_.hits += win > 0;
    summary_.bonusTriggers += triggered;
    return spin_;
}

Simulator::Bonus Simulator::PlayBonus() {
    Bonus bonus;
    bonus.bet = lines_ * credits_;
    bonus.card = card_;
    BingoGame game(random_, bonus.bet);
    game.PlayOut();
    bonus.calls = game.callsMade();
    for (int c = 0; c < kCardCount; ++c)
        bonus.totals[static_cast<std::size_t>(c)] = game.total(c);
    bonus.payout = game.total(card_);
    return bonus;
}

}  // namespace quillane::sim
