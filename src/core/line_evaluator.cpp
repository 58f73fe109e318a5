// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/line_evaluator.h"

#include <limits>
#include <map>
#include <stdexcept>
#include <tuple>

namespace quillane {
namespace {

constexpr int kNoRow = static_cast<int>(kPayTable.size());

// A state is what is known after `depth` reels: the earliest table row already matched and the
// rows still able to match. Rows after the matched one can never take precedence, so they drop.
struct Knowledge {
    int depth = 0;
    int best = kNoRow;
    std::uint64_t alive = 0;

    auto operator<=>(const Knowledge&) const = default;
};

Knowledge Step(const Knowledge& k, Symbol c) {
    Knowledge out{k.depth + 1, k.best, 0};
    for (int i = 0; i < kNoRow; ++i) {
        if (!(k.alive >> i & 1u))
            continue;
        const PayRow& row = kPayTable[static_cast<std::size_t>(i)];
        if (!RowAcceptsAt(row, k.depth, c))
            continue;
        if (row.count == out.depth) {
            if (i < out.best)
                out.best = i;
        } else {
            out.alive |= std::uint64_t{1} << i;
        }
    }
    if (out.best < kNoRow)
        out.alive &= (std::uint64_t{1} << out.best) - 1;
    // Once nothing can change, the depth no longer matters: share one state per outcome.
    if (out.alive == 0)
        out.depth = kReelCount;
    return out;
}

}  // namespace

const LineEvaluator& LineEvaluator::Instance() {
    static const LineEvaluator evaluator;
    return evaluator;
}

LineEvaluator::LineEvaluator() {
    static_assert(kPayTable.size() <= 64, "the live rows are held in one 64-bit mask");
    std::map<Knowledge, State> ids;
    std::vector<Knowledge> states;
    auto id_of = [&](const Knowledge& k) {
        auto [it, added] = ids.try_emplace(k, static_cast<State>(states.size()));
        if (added) {
            if (states.size() > std::numeric_limits<State>::max()) {
                throw std::logic_error("the pay table needs wider line states");
            }
            states.push_back(k);
        }
        return it->second;
    };
    id_of(Knowledge{0, kNoRow, (std::uint64_t{1} << kNoRow) - 1});
    for (std::size_t i = 0; i < states.size(); ++i) {
        const Knowledge k = states[i];
        for (int c = 0; c < kStride; ++c) {
            if (c >= kSymbolCount || k.alive == 0) {
                next_.push_back(static_cast<State>(i));
            } else {
                next_.push_back(id_of(Step(k, static_cast<Symbol>(c))));
            }
        }
    }
    for (int a = 0; a < kStride; ++a) {
        for (int b = 0; b < kStride; ++b) {
            afterTwo_.push_back(
                Next(Next(start(), static_cast<Symbol>(a)), static_cast<Symbol>(b)));
        }
    }
    for (const Knowledge& k : states) {
        LinePay pay;
        if (k.best < kNoRow) {
            const PayRow& row = kPayTable[static_cast<std::size_t>(k.best)];
            pay = {row.pays, row.count};
        }
        pay_.push_back(pay);
        row_.push_back(k.best < kNoRow ? k.best : -1);
        settled_.push_back(k.alive == 0 ? 1 : 0);
    }
}

}  // namespace quillane
