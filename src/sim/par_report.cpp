// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/par_report.h"

#include <cstdio>

#include "core/symbol_names.h"

namespace quillane::sim {
namespace {

std::string Format(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string Padded(std::string text, std::size_t width, bool right) {
    if (text.size() < width)
        text.insert(right ? 0 : text.size(), width - text.size(), ' ');
    return text;
}

std::string PayName(const PayRow& row) {
    switch (row.combination) {
        case Combination::Wilds:
            return std::to_string(row.count) + " Wild";
        case Combination::BingoBalls:
            return "B I N G O";
        case Combination::SymbolRun:
            return std::to_string(row.count) + " " + std::string(SymbolName(row.symbol));
    }
    return "";
}

double Cycle(const ParSheet& sheet) {
    return static_cast<double>(sheet.exact.combinations);
}

// "1 in n" spins, as a number; 0 for never.
double OneIn(std::uint64_t count, double cycle) {
    return count == 0 ? 0.0 : cycle / static_cast<double>(count);
}

std::string Percent(double fraction, int decimals) {
    return Format(("%." + std::to_string(decimals) + "f").c_str(), 100 * fraction);
}

}  // namespace

std::string ParText(const ParSheet& sheet, int credits, const std::vector<ParSheet>& byLines) {
    const double rtp = sheet.exact.Rtp();
    std::string out = "PAR sheet: " + std::to_string(sheet.lines) +
                      (sheet.lines == 1 ? " line x " : " lines x ") + std::to_string(credits) +
                      (credits == 1 ? " credit" : " credits") + ", over all " +
                      std::to_string(sheet.exact.combinations) + " stop combinations\n\n";
    out += "Pay              Pays   Hits per cycle        1 in spins    Return    Share\n";
    for (std::size_t i = 0; i < kPayTable.size(); ++i) {
        const PayRow& row = kPayTable[i];
        out += Padded(PayName(row), 14, false) +
               Padded(std::to_string(row.pays * credits), 7, true) +
               Padded(std::to_string(sheet.rowHits[i]), 17, true) +
               Padded(Format("%.1f", OneIn(sheet.rowHits[i], Cycle(sheet))), 18, true) +
               Padded(Percent(sheet.RowReturn(i), 4) + "%", 10, true) +
               Padded(Percent(sheet.RowReturn(i) / rtp, 2) + "%", 9, true) + "\n";
    }
    out += "\nScatter          Pays     Combinations        1 in spins    Return    Share\n";
    for (std::size_t balls = 0; balls <= kReelCount; ++balls) {
        const int pays = kScatterPays[balls] * sheet.lines * credits;
        out +=
            Padded(std::to_string(balls) + (balls == 1 ? " ball" : " balls"), 14, false) +
            Padded(std::to_string(pays), 7, true) +
            Padded(std::to_string(sheet.ballCombinations[balls]), 17, true) +
            Padded(Format("%.1f", OneIn(sheet.ballCombinations[balls], Cycle(sheet))), 18, true) +
            Padded(Percent(sheet.ScatterReturn(balls), 4) + "%", 10, true) +
            Padded(Percent(sheet.ScatterReturn(balls) / rtp, 2) + "%", 9, true) + "\n";
    }
    out += "\nBonus trigger probability   " + Percent(sheet.exact.bonusTriggerRate, 4) +
           "% (1 in " + Format("%.2f", 1.0 / sheet.exact.bonusTriggerRate) + ")\n";
    out += "Return without the bonus    " + Percent(rtp, 4) + "%\n";
    out += "Hit rate                    " + Percent(sheet.exact.hitRate, 4) + "%\n";
    out += "Volatility                  " + Format("%.4f", sheet.volatility) +
           " bets (standard deviation of the win per spin)\n";
    out += "\nLines    Return   Hit rate   Volatility   Bonus trigger\n";
    for (const ParSheet& s : byLines) {
        out += Padded(std::to_string(s.lines), 5, true) +
               Padded(Percent(s.exact.Rtp(), 4) + "%", 10, true) +
               Padded(Percent(s.exact.hitRate, 4) + "%", 11, true) +
               Padded(Format("%.4f", s.volatility), 13, true) +
               Padded(Percent(s.exact.bonusTriggerRate, 4) + "%", 16, true) + "\n";
    }
    return out;
}

std::string ParJson(const ParSheet& sheet, int credits, const std::vector<ParSheet>& byLines) {
    const double rtp = sheet.exact.Rtp();
    std::string out = "{\"par\":{\"lines\":" + std::to_string(sheet.lines) +
                      ",\"credits\":" + std::to_string(credits) +
                      ",\"combinations\":" + std::to_string(sheet.exact.combinations) +
                      ",\"pays\":[";
    for (std::size_t i = 0; i < kPayTable.size(); ++i) {
        const PayRow& row = kPayTable[i];
        out += std::string(i == 0 ? "" : ",") + "{\"pay\":\"" + PayName(row) +
               "\",\"pays\":" + std::to_string(row.pays * credits) +
               ",\"hits\":" + std::to_string(sheet.rowHits[i]) +
               ",\"rtp\":" + Percent(sheet.RowReturn(i), 8) +
               ",\"share\":" + Percent(sheet.RowReturn(i) / rtp, 6) + "}";
    }
    out += "],\"scatter\":[";
    for (std::size_t balls = 0; balls <= kReelCount; ++balls) {
        out += std::string(balls == 0 ? "" : ",") + "{\"balls\":" + std::to_string(balls) +
               ",\"pays\":" + std::to_string(kScatterPays[balls] * sheet.lines * credits) +
               ",\"combinations\":" + std::to_string(sheet.ballCombinations[balls]) +
               ",\"rtp\":" + Percent(sheet.ScatterReturn(balls), 8) +
               ",\"share\":" + Percent(sheet.ScatterReturn(balls) / rtp, 6) + "}";
    }
    out += "],\"bonus_trigger_rate\":" + Percent(sheet.exact.bonusTriggerRate, 6) +
           ",\"rtp\":" + Percent(rtp, 6) + ",\"hit_rate\":" + Percent(sheet.exact.hitRate, 6) +
           ",\"volatility\":" + Format("%.6f", sheet.volatility) + ",\"by_lines\":[";
    for (std::size_t i = 0; i < byLines.size(); ++i) {
        const ParSheet& s = byLines[i];
        out += std::string(i == 0 ? "" : ",") + "{\"lines\":" + std::to_string(s.lines) +
               ",\"rtp\":" + Percent(s.exact.Rtp(), 6) +
               ",\"hit_rate\":" + Percent(s.exact.hitRate, 6) +
               ",\"volatility\":" + Format("%.6f", s.volatility) +
               ",\"bonus_trigger_rate\":" + Percent(s.exact.bonusTriggerRate, 6) + "}";
    }
    return out + "]}}";
}

}  // namespace quillane::sim
