// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/report.h"

#include <cstdio>

namespace quillane::sim {
namespace {

template <typename Array>
void AppendArray(std::string& out, const Array& values) {
    out += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += ',';
        out += std::to_string(values[i]);
    }
    out += ']';
}

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string OneIn(std::uint64_t count, std::uint64_t of) {
    if (count == 0)
        return "never";
    return "1 in " + Fixed(static_cast<double>(of) / static_cast<double>(count), 1);
}

// The spread of a return estimated in bets per spin, in percent of the bet.
std::string SpreadJson(const std::string& key, const Estimate& e) {
    return ",\"" + key + "_se\":" + Fixed(100 * e.standardError, 4) + ",\"" + key + "_ci95\":[" +
           Fixed(100 * e.Low(), 4) + "," + Fixed(100 * e.High(), 4) + "]";
}

std::string ReturnText(const std::string& label, const Estimate& e) {
    return label + Fixed(100 * e.Low(), 4) + "% to " + Fixed(100 * e.High(), 4) +
           "% (standard error " + Fixed(100 * e.standardError, 4) + " points)\n";
}

}  // namespace

std::string SpinJson(std::uint64_t number, const Spin& spin) {
    const SpinResult& r = spin.result;
    std::string out = "{\"spin\":" + std::to_string(number) + ",\"stops\":";
    AppendArray(out, spin.stops);
    out += ",\"line_win\":";
    AppendArray(out, r.lineWin);
    out += ",\"win_length\":";
    AppendArray(out, r.winLength);
    out += ",\"balls\":" + std::to_string(r.ballCount);
    out += ",\"scatter_win\":" + std::to_string(r.scatterWin);
    out += ",\"win\":" + std::to_string(r.winToPay);
    if (const auto& bonus = spin.bonus) {
        out += ",\"bonus\":{\"bet\":" + std::to_string(bonus->bet) +
               ",\"card\":" + std::to_string(bonus->card) +
               ",\"calls\":" + std::to_string(bonus->calls) + ",\"totals\":";
        AppendArray(out, bonus->totals);
        out += ",\"payout\":" + std::to_string(bonus->payout) + "}";
    }
    out += "}";
    return out;
}

std::string SummaryJson(const Summary& s, bool spread) {
    // Without a spin no share of the bet is known: the shares are null, not 0.
    const bool played = s.spins > 0;
    auto share = [played](double percent) { return played ? Fixed(percent, 4) : "null"; };
    const std::string totals =
        "{\"summary\":{\"spins\":" + std::to_string(s.spins) + ",\"bet\":" + std::to_string(s.bet) +
        ",\"won\":" + std::to_string(s.won) + ",\"rtp\":" + share(s.RtpPercent()) +
        ",\"hit_rate\":" + share(s.HitRatePercent()) +
        ",\"bonus_triggers\":" + std::to_string(s.bonusTriggers) +
        ",\"bonus_won\":" + std::to_string(s.bonusWon);
    if (!spread || !played)
        return totals + "}}";
    const Estimate payout = s.BonusPayout();
    return totals + ",\"bonus_games\":" + std::to_string(s.bonusGames) +
           SpreadJson("rtp", s.Return()) + ",\"base_rtp\":" + Fixed(s.BaseRtpPercent(), 4) +
           SpreadJson("base_rtp", s.BaseReturn()) +
           ",\"bonus_rtp\":" + Fixed(s.BonusRtpPercent(), 4) +
           SpreadJson("bonus_rtp", s.BonusReturn()) + ",\"volatility\":" + Fixed(s.Return().sd, 4) +
           ",\"largest_win\":" + std::to_string(s.largestWin) +
           ",\"largest_win_spin\":" + std::to_string(s.largestWinSpin) +
           ",\"longest_winless_run\":" + std::to_string(s.longestWinlessRun) +
           ",\"bonus_payout\":{\"mean\":" + Fixed(payout.mean, 4) +
           ",\"sd\":" + Fixed(payout.sd, 4) +
           ",\"p50\":" + std::to_string(s.BonusPayoutPercentile(500)) +
           ",\"p90\":" + std::to_string(s.BonusPayoutPercentile(900)) +
           ",\"p99\":" + std::to_string(s.BonusPayoutPercentile(990)) +
           ",\"p99_9\":" + std::to_string(s.BonusPayoutPercentile(999)) +
           ",\"max\":" + std::to_string(s.LargestBonusPayout()) + "}}}";
}

std::string SummaryText(const Summary& s, std::uint32_t seed, int lines, int credits) {
    std::string out;
    out += "Seed            " + std::to_string(seed) + "\n";
    out += "Bet per spin    " + std::to_string(lines) + " lines x " + std::to_string(credits) +
           (credits == 1 ? " credit\n" : " credits\n");
    out += "Spins           " + std::to_string(s.spins) + "\n";
    if (s.spins == 0)
        return out + "Return          none: no spins were played\n";
    out += "Total bet       " + std::to_string(s.bet) + "\n";
    out += "Total won       " + std::to_string(s.won) + "\n";
    out += "Return          " + Fixed(s.RtpPercent(), 4) + "%\n";
    out +=
        "Base game       " + Fixed(s.BaseRtpPercent(), 4) + "% (without the bonus; see --exact)\n";
    out += "Hit rate        " + Fixed(s.HitRatePercent(), 4) + "%\n";
    out += "Bonus triggers  " + std::to_string(s.bonusTriggers) + " (" +
           OneIn(s.bonusTriggers, s.spins) + ")\n";
    out += "Bonus won       " + std::to_string(s.bonusWon) + " (" + Fixed(s.BonusRtpPercent(), 4) +
           "% of the bet)\n";
    out += ReturnText("Return 95%      ", s.Return());
    out += ReturnText("Base game 95%   ", s.BaseReturn());
    if (s.bonusGames > 0)
        out += ReturnText("Bonus 95%       ", s.BonusReturn());
    out += "Volatility      " + Fixed(s.Return().sd, 4) +
           " bets (standard deviation of the win per spin)\n";
    out += "Largest win     " + std::to_string(s.largestWin) + " credits, spin " +
           std::to_string(s.largestWinSpin) + "\n";
    out += "Longest drought " + std::to_string(s.longestWinlessRun) + " spins without a win\n";
    if (s.bonusGames == 0)
        return out + "Bonus payout    no bonus game played\n";
    const Estimate payout = s.BonusPayout();
    out += "Bonus payout    mean " + Fixed(payout.mean, 2) + ", standard deviation " +
           Fixed(payout.sd, 2) + " credits over " + std::to_string(s.bonusGames) + " games\n";
    out += "  percentiles   50%: " + std::to_string(s.BonusPayoutPercentile(500)) +
           "  90%: " + std::to_string(s.BonusPayoutPercentile(900)) +
           "  99%: " + std::to_string(s.BonusPayoutPercentile(990)) +
           "  99.9%: " + std::to_string(s.BonusPayoutPercentile(999)) +
           "  largest: " + std::to_string(s.LargestBonusPayout()) + "\n";
    return out;
}

std::string ExactJson(const ExactReturn& e, int lines) {
    return "{\"exact\":{\"lines\":" + std::to_string(lines) +
           ",\"combinations\":" + std::to_string(e.combinations) +
           ",\"line_return\":" + Fixed(e.lineReturn, 10) +
           ",\"scatter_return\":" + Fixed(e.scatterReturn, 10) +
           ",\"rtp\":" + Fixed(100.0 * e.Rtp(), 6) +
           ",\"line_hit_rate\":" + Fixed(100.0 * e.lineHitRate, 6) +
           ",\"hit_rate\":" + Fixed(100.0 * e.hitRate, 6) +
           ",\"bonus_trigger_rate\":" + Fixed(100.0 * e.bonusTriggerRate, 6) + "}}";
}

std::string ExactText(const ExactReturn& e, int lines) {
    std::string out;
    out += "Exact base game over all " + std::to_string(e.combinations) + " stop combinations, " +
           std::to_string(lines) + (lines == 1 ? " line\n" : " lines\n");
    out += "Line return per credit      " + Fixed(e.lineReturn, 8) + "\n";
    out += "Scatter return per bet      " + Fixed(e.scatterReturn, 8) + "\n";
    out += "Return without the bonus    " + Fixed(100.0 * e.Rtp(), 4) + "%\n";
    out += "Line hit rate               " + Fixed(100.0 * e.lineHitRate, 4) + "%\n";
    out += "Hit rate, lines or scatter  " + Fixed(100.0 * e.hitRate, 4) + "%\n";
    out += "Bonus trigger probability   " + Fixed(100.0 * e.bonusTriggerRate, 4) + "% (1 in " +
           Fixed(1.0 / e.bonusTriggerRate, 2) + ")\n";
    return out;
}

}  // namespace quillane::sim
