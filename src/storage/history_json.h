#pragma once

#include <optional>
#include <string>
#include <string_view>

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

}  // namespace quillane
