// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/history_json.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <limits>

#include "core/paylines.h"
#include "core/symbols.h"
#include "storage/json_value.h"

namespace quillane {
namespace {

using json::Members;
using json::Value;

constexpr std::int64_t kFormatVersion = 1;
constexpr std::size_t kMaxLineLength = 16 * 1024;
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
// 9999-12-31 23:59:59 UTC.
constexpr std::int64_t kLatestTime = 253402300799;

// Lines and credits per line that the bet keys can choose.
bool KeysCanBet(std::int64_t lines, std::int64_t perLine) {
    return lines % 2 == 1 &&
           (perLine == 1 || perLine == 2 || perLine == 3 || perLine == 5 || perLine == 10);
}

// [a, b, c] with each in its range.
std::optional<std::array<std::int64_t, 3>> Triple(const Value& value,
                                                  const std::array<std::int64_t, 3>& low,
                                                  const std::array<std::int64_t, 3>& high) {
    if (value.kind != Value::Kind::Array || value.items.size() != 3)
        return std::nullopt;
    std::array<std::int64_t, 3> result{};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto n = json::InRange(&value.items[i], low[i], high[i]);
        if (!n)
            return std::nullopt;
        result[i] = *n;
    }
    return result;
}

// A member that may be absent: absent leaves `into` as it is; present, it must be in range.
template <class T>
bool OptionalInteger(Members& members, std::string_view name, std::int64_t high, T& into) {
    if (members.Find(name) == nullptr)
        return true;
    const auto n = members.Integer(name, 0, high);
    if (n)
        into = *n;  // in range, so it fits
    return n.has_value();
}

// The object on a line, unless the line is longer than any this file writes.
std::optional<Value> ParseLine(std::string_view line) {
    if (line.size() > kMaxLineLength)
        return std::nullopt;
    return json::ParseObject(line);
}

std::optional<BonusRecord> DecodeBonus(const Value& value) {
    if (value.kind != Value::Kind::Object)
        return std::nullopt;
    Members members(value);
    BonusRecord bonus;
    if (!OptionalInteger(members, "card", kCardCount - 1, bonus.card))
        return std::nullopt;
    const Value* calls = members.Array("calls");
    const Value* patterns = members.Array("patterns");
    const auto payout = members.Integer("payout", 0, kInt32Max);
    if (calls == nullptr || patterns == nullptr || !payout || !members.Done() ||
        calls->items.empty() || calls->items.size() > kBingoNumbers ||
        patterns->items.size() > kPatternCount)
        return std::nullopt;
    std::array<bool, kBingoNumbers + 1> called{};
    for (const Value& call : calls->items) {
        const auto number = json::InRange(&call, 1, kBingoNumbers);
        if (!number || called[static_cast<std::size_t>(*number)])
            return std::nullopt;
        called[static_cast<std::size_t>(*number)] = true;
        bonus.calls.push_back(static_cast<int>(*number));
    }
    std::array<bool, kPatternCount> won{};
    int lastCall = 1;
    for (const Value& item : patterns->items) {
        const auto pattern =
            Triple(item, {0, 1, 0},
                   {kPatternCount - 1, static_cast<std::int64_t>(bonus.calls.size()), kInt32Max});
        if (!pattern || won[static_cast<std::size_t>((*pattern)[0])] || (*pattern)[1] < lastCall)
            return std::nullopt;
        won[static_cast<std::size_t>((*pattern)[0])] = true;
        lastCall = static_cast<int>((*pattern)[1]);
        bonus.patterns.push_back(
            {static_cast<int>((*pattern)[0]), lastCall, static_cast<std::int32_t>((*pattern)[2])});
    }
    bonus.payout = static_cast<std::int32_t>(*payout);
    return bonus;
}

void Append(std::string& out, std::string_view name, std::int64_t value) {
    out += '"';
    out += name;
    out += "\":";
    out += std::to_string(value);
}

// Number members, separated by commas.
void AppendAll(std::string& out,
               std::initializer_list<std::pair<std::string_view, std::int64_t>> members) {
    bool first = true;
    for (const auto& [name, value] : members) {
        if (!first)
            out += ',';
        first = false;
        Append(out, name, value);
    }
}

// ',' and the member, when it has a value.
template <class T>
void AppendPresent(std::string& out, std::string_view name, const std::optional<T>& value) {
    if (!value)
        return;
    out += ',';
    Append(out, name, *value);
}

// "[...]" with each item written by `write`, separated by commas.
template <class Items, class Write>
void AppendArray(std::string& out, const Items& items, Write write) {
    out += '[';
    bool first = true;
    for (const auto& item : items) {
        if (!first)
            out += ',';
        first = false;
        write(out, item);
    }
    out += ']';
}

void Numbers(std::string& out, const auto& numbers) {
    AppendArray(out, numbers, [](std::string& o, auto n) { o += std::to_string(n); });
}

std::optional<PendingBonus> DecodePending(const Value& value) {
    if (value.kind != Value::Kind::Object)
        return std::nullopt;
    Members members(value);
    PendingBonus pending;
    const auto lines = members.Integer("lines", 1, kMaxLinesBet);
    const auto perLine = members.Integer("perLine", 1, 10);
    if (!lines || !perLine || !KeysCanBet(*lines, *perLine))
        return std::nullopt;
    pending.linesBet = static_cast<int>(*lines);
    pending.creditsPerLine = static_cast<int>(*perLine);
    if (!OptionalInteger(members, "seed", std::numeric_limits<std::uint32_t>::max(),
                         pending.seed) ||
        !OptionalInteger(members, "card", kCardCount - 1, pending.card) || !members.Done())
        return std::nullopt;
    return pending;
}

}  // namespace

std::string EncodeHistoryHeader(const HistoryHeader& header) {
    std::string out = "{";
    Append(out, "v", kFormatVersion);
    out += ",\"serial\":" + std::to_string(header.serial);
    out += ",\"name\":" + json::Quote(header.game.name);
    out += ",\"date\":" + json::Quote(header.game.date);
    const Account& a = header.game.account;
    out += ',';
    AppendAll(out, {{"credits", a.credits},
                    {"borrowed", a.borrowed},
                    {"spins", a.spins},
                    {"totalBets", a.totalBets},
                    {"bonusTotal", a.bonusTotal}});
    if (header.bonus) {
        const PendingBonus& p = *header.bonus;
        out += ",\"pending\":{";
        AppendAll(out, {{"lines", p.linesBet}, {"perLine", p.creditsPerLine}});
        AppendPresent(out, "seed", p.seed);
        AppendPresent(out, "card", p.card);
        out += '}';
    }
    out += '}';
    return out;
}

std::optional<HistoryHeader> DecodeHistoryHeader(std::string_view line) {
    const std::optional<Value> document = ParseLine(line);
    if (!document)
        return std::nullopt;
    Members members(*document);
    HistoryHeader header;
    const auto serial = members.Integer("serial", 1, std::numeric_limits<std::int64_t>::max());
    const std::string* name = members.String("name");
    const std::string* date = members.String("date");
    std::array<std::optional<std::int64_t>, 5> counters;
    const char* names[] = {"credits", "borrowed", "spins", "totalBets", "bonusTotal"};
    for (std::size_t i = 0; i < counters.size(); ++i)
        counters[i] = members.Integer(names[i], kInt32Min, kInt32Max);
    const Value* pending = members.Find("pending");
    if (members.Integer("v", kFormatVersion, kFormatVersion) == std::nullopt || !serial ||
        name == nullptr || date == nullptr ||
        std::any_of(counters.begin(), counters.end(), [](const auto& n) { return !n; }))
        return std::nullopt;
    if (pending != nullptr) {
        header.bonus = DecodePending(*pending);
        if (!header.bonus)
            return std::nullopt;
    }
    if (!members.Done())
        return std::nullopt;
    header.serial = static_cast<std::uint64_t>(*serial);
    header.game.name = *name;
    header.game.date = *date;
    header.game.account = {
        static_cast<std::int32_t>(*counters[0]), static_cast<std::int32_t>(*counters[1]),
        static_cast<std::int32_t>(*counters[2]), static_cast<std::int32_t>(*counters[3]),
        static_cast<std::int32_t>(*counters[4])};
    return header;
}

std::string EncodeSpinRecord(const SpinRecord& record) {
    std::string out = "{";
    AppendAll(out, {{"v", kFormatVersion},
                    {"time", record.time},
                    {"bet", record.bet},
                    {"lines", record.lines},
                    {"perLine", record.creditsPerLine}});
    out += ",\"reels\":";
    AppendArray(out, record.window, [](std::string& o, const auto& column) { Numbers(o, column); });
    out += ",\"lineWins\":";
    AppendArray(out, record.lineWins, [](std::string& o, const LineWinRecord& win) {
        Numbers(o, std::array<std::int64_t, 3>{win.line, win.count, win.pay});
    });
    out += ',';
    AppendAll(out, {{"scatter", record.scatterWin},
                    {"balls", record.ballCount},
                    {"credits", record.creditsAfter}});
    if (record.bonus) {
        const BonusRecord& bonus = *record.bonus;
        out += ",\"bonus\":{";
        if (bonus.card >= 0) {
            Append(out, "card", bonus.card);
            out += ',';
        }
        out += "\"calls\":";
        Numbers(out, bonus.calls);
        out += ",\"patterns\":";
        AppendArray(out, bonus.patterns, [](std::string& o, const PatternRecord& p) {
            Numbers(o, std::array<std::int64_t, 3>{p.pattern, p.call, p.share});
        });
        out += ',';
        Append(out, "payout", bonus.payout);
        out += '}';
    }
    out += '}';
    return out;
}

std::optional<SpinRecord> DecodeSpinRecord(std::string_view line) {
    const std::optional<Value> document = ParseLine(line);
    if (!document)
        return std::nullopt;
    Members members(*document);
    SpinRecord record;
    if (members.Integer("v", kFormatVersion, kFormatVersion) == std::nullopt)
        return std::nullopt;
    const auto time = members.Integer("time", 0, kLatestTime);
    const auto lines = members.Integer("lines", 1, kMaxLinesBet);
    const auto perLine = members.Integer("perLine", 1, 10);
    const auto bet = members.Integer("bet", 1, kMaxLinesBet * 10);
    const Value* reels = members.Array("reels");
    const Value* lineWins = members.Array("lineWins");
    const auto scatter = members.Integer("scatter", 0, kInt32Max);
    const auto balls = members.Integer("balls", 0, kReelCount);
    const auto credits = members.Integer("credits", kInt32Min, kInt32Max);
    const Value* bonus = members.Find("bonus");
    if (!time || !lines || !perLine || !bet || reels == nullptr || lineWins == nullptr ||
        !scatter || !balls || !credits || !members.Done() || !KeysCanBet(*lines, *perLine) ||
        reels->items.size() != static_cast<std::size_t>(kReelCount) ||
        lineWins->items.size() > static_cast<std::size_t>(kPaylineCount))
        return std::nullopt;
    record.time = *time;
    record.lines = static_cast<int>(*lines);
    record.creditsPerLine = static_cast<int>(*perLine);
    record.bet = static_cast<std::int32_t>(*bet);
    for (std::size_t r = 0; r < reels->items.size(); ++r) {
        const auto column = Triple(reels->items[r], {0, 0, 0},
                                   {kSymbolCount - 1, kSymbolCount - 1, kSymbolCount - 1});
        if (!column)
            return std::nullopt;
        for (std::size_t row = 0; row < column->size(); ++row)
            record.window[r][row] = static_cast<Symbol>((*column)[row]);
    }
    int lastLine = 0;
    for (const Value& item : lineWins->items) {
        const auto win = Triple(item, {1, 1, 1}, {kPaylineCount, kReelCount, kInt32Max});
        if (!win || (*win)[0] <= lastLine)
            return std::nullopt;
        lastLine = static_cast<int>((*win)[0]);
        record.lineWins.push_back(
            {lastLine, static_cast<int>((*win)[1]), static_cast<std::int32_t>((*win)[2])});
    }
    record.scatterWin = static_cast<std::int32_t>(*scatter);
    record.ballCount = static_cast<int>(*balls);
    record.creditsAfter = *credits;
    if (bonus != nullptr) {
        record.bonus = DecodeBonus(*bonus);
        if (!record.bonus)
            return std::nullopt;
    }
    return record;
}

}  // namespace quillane
