// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/saved_game.h"
#include "core/settled_game.h"
#include "core/spin_record.h"

namespace quillane {

// One spin of the game history as a line of JSON (without its line break), e.g.
//   {"v":1,"time":1700000000,"bet":9,"lines":9,"perLine":1,
//    "reels":[[10,13,0],[5,14,15],[16,17,18],[19,20,21],[11,12,13]],
//    "lineWins":[[1,3,10]],"scatter":0,"balls":1,"credits":1001,
//    "bonus":{"card":0,"calls":[12,40,...],"patterns":[[1,20,45]],"payout":300}}
// Symbols are the symbol codes; a line win is [line, count, pay]; a pattern is
// [index in kPatterns, call, share]. "bonus" is there only for a spin that opened one, and its
// "card" only when the card is known.
std::string EncodeSpinRecord(const SpinRecord& record);

// The record of a line EncodeSpinRecord wrote. Strict: nullopt for anything else, such as a
// line cut short, an unknown or repeated key, a number out of its range, or another version.
std::optional<SpinRecord> DecodeSpinRecord(std::string_view line);

// The first line of a history file: the game the history belongs to as it was committed with it,
// and the commit's serial number. The history is written before the game file, so when a kill
// comes between the two, the next start completes the game file from here.
struct HistoryHeader {
    std::uint64_t serial = 0;
    SavedGame game;
    std::optional<PendingBonus> bonus;

    bool operator==(const HistoryHeader&) const = default;
};

// {"v":1,"serial":12,"name":"CurrentGame","date":"12/07/26","credits":991,"borrowed":1000,
//  "spins":1,"totalBets":9,"bonusTotal":0,"pending":{"lines":9,"perLine":1,"seed":5,"card":2}}
// "pending" is there only for a bonus game that has not paid, its "seed" and "card" once known.
std::string EncodeHistoryHeader(const HistoryHeader& header);
std::optional<HistoryHeader> DecodeHistoryHeader(std::string_view line);

}  // namespace quillane
