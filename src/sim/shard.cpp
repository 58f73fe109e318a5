// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/shard.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace quillane::sim {
namespace {

std::string Wide(const WideSum& sum) {
    std::string out = "[";
    out += std::to_string(sum.high);
    out += ',';
    out += std::to_string(sum.low);
    return out + ']';
}

// Reads exactly the text ShardJson writes: any other spacing or order is refused, so that a file
// that merely looks close is not taken for a shard.
class Reader {
  public:
    explicit Reader(const std::string& text) : text_(text) {}

    bool Expect(const std::string& literal) {
        if (!ok_)
            return false;
        if (text_.compare(pos_, literal.size(), literal) != 0) {
            // A file cut short in the middle of a key is told apart from one that has other text.
            if (text_.size() - pos_ < literal.size() &&
                literal.compare(0, text_.size() - pos_, text_, pos_) == 0)
                pos_ = text_.size();
            return Fail();
        }
        pos_ += literal.size();
        return true;
    }
    std::uint64_t Number() {
        std::uint64_t value = 0;
        if (!ok_ || pos_ >= text_.size() || text_[pos_] < '0' || text_[pos_] > '9') {
            Fail();
            return 0;
        }
        const char* begin = text_.data() + pos_;
        auto [end, ec] = std::from_chars(begin, text_.data() + text_.size(), value);
        if (ec != std::errc{}) {
            Fail();
            return 0;
        }
        pos_ += static_cast<std::size_t>(end - begin);
        return value;
    }
    void Wide(WideSum& into) {
        Expect("[");
        into.high = Number();
        Expect(",");
        into.low = Number();
        Expect("]");
    }
    bool Next(char c) {
        if (ok_ && pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool AtEnd() const {
        return pos_ == text_.size() || (pos_ + 1 == text_.size() && text_.back() == '\n');
    }
    bool ok() const { return ok_; }
    std::string Where() const {
        return pos_ >= text_.size() ? "it ends early"
                                    : "unexpected text at byte " + std::to_string(pos_ + 1);
    }

  private:
    bool Fail() {
        ok_ = false;
        return false;
    }
    const std::string& text_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

std::optional<std::string> CheckSums(const Shard& shard) {
    const ShardRun& r = shard.run;
    const Summary& s = shard.summary;
    if (r.count == 0 || r.index == 0 || r.index > r.count)
        return "its part " + std::to_string(r.index) + "/" + std::to_string(r.count) +
               " is not a part";
    if (r.lines < 1 || r.lines > 9 || r.credits < 1 || r.credits > 10 || r.card < 0 || r.card > 4)
        return std::string("its bet or card is out of range");
    if (s.spins != SpinsOfShard(r.spins, r.index, r.count).count)
        return std::string("its spins are not those of its part");
    std::uint64_t games = 0;
    for (const auto& [payout, n] : s.bonusPayouts)
        games += n;
    if (games != s.bonusGames ||
        s.bet != s.spins * static_cast<std::uint64_t>(r.lines * r.credits) ||
        s.won != s.baseWon + s.bonusWon || s.hits > s.spins || s.bonusGames > s.bonusTriggers ||
        s.bonusTriggers > s.spins || s.largestWinSpin > s.spins || s.longestWinlessRun > s.spins ||
        s.winlessRun > s.longestWinlessRun || s.leadingWinlessRun > s.longestWinlessRun)
        return std::string("its counts do not add up");
    return std::nullopt;
}

}  // namespace

bool ShardRun::SameRunAs(const ShardRun& o) const {
    return seed == o.seed && spins == o.spins && lines == o.lines && credits == o.credits &&
           card == o.card && playBonus == o.playBonus && count == o.count;
}

ShardSpins SpinsOfShard(std::uint64_t spins, std::uint64_t index, std::uint64_t count) {
    const std::uint64_t base = spins / count;
    const std::uint64_t longer = spins % count;
    const std::uint64_t before = index - 1;
    return {before * base + std::min(before, longer), base + (before < longer ? 1 : 0)};
}

std::string ShardJson(const Shard& shard) {
    const ShardRun& r = shard.run;
    const Summary& s = shard.summary;
    std::string out =
        "{\"shard\":{\"seed\":" + std::to_string(r.seed) + ",\"spins\":" + std::to_string(r.spins) +
        ",\"lines\":" + std::to_string(r.lines) + ",\"credits\":" + std::to_string(r.credits) +
        ",\"card\":" + std::to_string(r.card) + ",\"bonus\":" + (r.playBonus ? "1" : "0") +
        ",\"part\":" + std::to_string(r.index) + ",\"of\":" + std::to_string(r.count) +
        "},\"sums\":{\"spins\":" + std::to_string(s.spins) + ",\"bet\":" + std::to_string(s.bet) +
        ",\"won\":" + std::to_string(s.won) + ",\"base_won\":" + std::to_string(s.baseWon) +
        ",\"bonus_won\":" + std::to_string(s.bonusWon) + ",\"hits\":" + std::to_string(s.hits) +
        ",\"bonus_triggers\":" + std::to_string(s.bonusTriggers) +
        ",\"bonus_games\":" + std::to_string(s.bonusGames) +
        ",\"won_squares\":" + Wide(s.wonSquares) + ",\"base_squares\":" + Wide(s.baseSquares) +
        ",\"bonus_squares\":" + Wide(s.bonusSquares) +
        ",\"largest_win\":" + std::to_string(s.largestWin) +
        ",\"largest_win_spin\":" + std::to_string(s.largestWinSpin) +
        ",\"longest_winless_run\":" + std::to_string(s.longestWinlessRun) +
        ",\"leading_winless_run\":" + std::to_string(s.leadingWinlessRun) +
        ",\"winless_run\":" + std::to_string(s.winlessRun) + "},\"bonus_payouts\":[";
    bool first = true;
    for (const auto& [payout, games] : s.bonusPayouts) {
        out += (first ? "[" : ",[") + std::to_string(payout) + "," + std::to_string(games) + "]";
        first = false;
    }
    return out + "]}";
}

std::variant<Shard, std::string> ParseShard(const std::string& text) {
    Shard shard;
    ShardRun& r = shard.run;
    Summary& s = shard.summary;
    Reader in(text);
    auto small = [&](int& into, const char* key) {
        in.Expect(key);
        const std::uint64_t v = in.Number();
        into = v > 100 ? 100 : static_cast<int>(v);
    };
    in.Expect("{\"shard\":{\"seed\":");
    const std::uint64_t seed = in.Number();
    r.seed = static_cast<std::uint32_t>(seed);
    in.Expect(",\"spins\":");
    r.spins = in.Number();
    small(r.lines, ",\"lines\":");
    small(r.credits, ",\"credits\":");
    small(r.card, ",\"card\":");
    in.Expect(",\"bonus\":");
    const std::uint64_t bonus = in.Number();
    r.playBonus = bonus == 1;
    in.Expect(",\"part\":");
    r.index = in.Number();
    in.Expect(",\"of\":");
    r.count = in.Number();
    const struct {
        const char* key;
        std::uint64_t& into;
    } counts[] = {{"},\"sums\":{\"spins\":", s.spins},
                  {",\"bet\":", s.bet},
                  {",\"won\":", s.won},
                  {",\"base_won\":", s.baseWon},
                  {",\"bonus_won\":", s.bonusWon},
                  {",\"hits\":", s.hits},
                  {",\"bonus_triggers\":", s.bonusTriggers},
                  {",\"bonus_games\":", s.bonusGames}};
    for (const auto& c : counts) {
        in.Expect(c.key);
        c.into = in.Number();
    }
    in.Expect(",\"won_squares\":");
    in.Wide(s.wonSquares);
    in.Expect(",\"base_squares\":");
    in.Wide(s.baseSquares);
    in.Expect(",\"bonus_squares\":");
    in.Wide(s.bonusSquares);
    const struct {
        const char* key;
        std::uint64_t& into;
    } runs[] = {{",\"largest_win\":", s.largestWin},
                {",\"largest_win_spin\":", s.largestWinSpin},
                {",\"longest_winless_run\":", s.longestWinlessRun},
                {",\"leading_winless_run\":", s.leadingWinlessRun},
                {",\"winless_run\":", s.winlessRun}};
    for (const auto& c : runs) {
        in.Expect(c.key);
        c.into = in.Number();
    }
    in.Expect("},\"bonus_payouts\":[");
    if (!in.Next(']')) {
        do {
            in.Expect("[");
            const std::uint64_t payout = in.Number();
            in.Expect(",");
            const std::uint64_t games = in.Number();
            in.Expect("]");
            const auto key = static_cast<std::int32_t>(payout);
            if (in.ok() && (payout > 0x7fffffff || games == 0 || s.bonusPayouts.count(key) != 0))
                return std::string("its bonus payouts are not a histogram");
            s.bonusPayouts[key] = games;
        } while (in.ok() && in.Next(','));
        in.Expect("]");
    }
    in.Expect("}");
    if (!in.ok())
        return "it is not a shard summary of quillane-sim (" + in.Where() + ")";
    if (!in.AtEnd())
        return std::string("it has more text after the shard summary");
    if (seed > 0xffffffffu || bonus > 1)
        return std::string("its seed or bonus flag is out of range");
    if (auto error = CheckSums(shard))
        return *error;
    return shard;
}

std::variant<Shard, std::string> MergeShards(std::vector<Shard> shards) {
    if (shards.empty())
        return std::string("no shard to merge");
    std::sort(shards.begin(), shards.end(),
              [](const Shard& a, const Shard& b) { return a.run.index < b.run.index; });
    const ShardRun& run = shards.front().run;
    for (const Shard& shard : shards)
        if (!shard.run.SameRunAs(run))
            return std::string(
                "the shards come from different runs (seed, spins, bet, card, bonus "
                "or number of parts differ)");
    for (std::size_t i = 1; i < shards.size(); ++i)
        if (shards[i].run.index == shards[i - 1].run.index)
            return "part " + std::to_string(shards[i].run.index) + " is given twice";
    for (std::uint64_t part = 1, i = 0; part <= run.count; ++part, ++i)
        if (i >= shards.size() || shards[i].run.index != part)
            return "part " + std::to_string(part) + " of " + std::to_string(run.count) +
                   " is missing";
    Shard whole;
    whole.run = run;
    whole.run.index = 1;
    whole.run.count = 1;
    for (const Shard& shard : shards)
        whole.summary.Append(shard.summary);
    return whole;
}

}  // namespace quillane::sim
