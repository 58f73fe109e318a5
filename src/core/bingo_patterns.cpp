// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bingo.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <span>

namespace quillane {

const std::array<PatternInfo, kPatternCount> kPatterns = {{
    {Pattern::LargePlus, "Big Plus Bingo", 2},
    {Pattern::LargeX, "Big X Bingo", 3},
    {Pattern::FourCorners, "Four Corners", 6},
    {Pattern::InsideCorners, "Inside Corners", 7},
    {Pattern::SolidDiamond, "Solid Diamond", 4},
    {Pattern::SmallDiamond, "Inside Diamond", 8},
    {Pattern::LargeDiamond, "Large Diamond", 9},
    {Pattern::PictureFrame, "Picture Frame", 10},
    {Pattern::SmallFrame, "Inside Frame", 12},
    {Pattern::AnyBingo, "Any Way Bingo", 1},
    {Pattern::DoubleHardWay, "Double Hard Way", 5},
    {Pattern::PostageStamp, "Postage Stamp", 11},
    {Pattern::Blackout, "Blackout Bingo", 0},
}};

namespace {

// Cells named as on the card: column letter and row 1 (top) to 5, separated by spaces.
constexpr std::uint32_t Cells(const char* names) {
    constexpr std::string_view kColumns = "BINGO";
    std::uint32_t mask = 0;
    for (const char* p = names; *p != '\0'; ++p) {
        if (*p == ' ')
            continue;
        const auto column = static_cast<std::uint32_t>(kColumns.find(p[0]));
        const auto row = static_cast<std::uint32_t>(p[1] - '1');
        mask |= 1u << (column * 5 + row);
        ++p;
    }
    return mask;
}

constexpr std::uint32_t kFreeBit = 1u << kFreeCell;

// Shapes of one mask each, as arrays so that every pattern is a list of shapes.
constexpr std::uint32_t kLargePlus[] = {Cells("B3 I3 G3 O3 N1 N2 N4 N5")};
constexpr std::uint32_t kLargeX[] = {Cells("B1 I2 G4 O5 O1 G2 I4 B5")};
constexpr std::uint32_t kFourCorners[] = {Cells("B1 O1 B5 O5")};
constexpr std::uint32_t kInsideCorners[] = {Cells("I2 G2 I4 G4")};
constexpr std::uint32_t kSolidDiamond[] = {Cells("N1 I2 N2 G2 B3 I3 G3 O3 I4 N4 G4 N5")};
constexpr std::uint32_t kSmallDiamond[] = {Cells("N2 I3 G3 N4")};
constexpr std::uint32_t kLargeDiamond[] = {Cells("N1 I2 G2 B3 O3 I4 G4 N5")};
constexpr std::uint32_t kPictureFrame[] = {
    Cells("B1 I1 N1 G1 O1 B5 I5 N5 G5 O5 B2 B3 B4 O2 O3 O4")};
constexpr std::uint32_t kSmallFrame[] = {Cells("I2 N2 G2 I3 G3 I4 N4 G4")};
constexpr std::uint32_t kAllCells[] = {(1u << kCardCells) - 1};

// Columns B to O, rows 1 to 5, then the two diagonals.
constexpr std::uint32_t kLines[] = {
    Cells("B1 B2 B3 B4 B5"), Cells("I1 I2 I3 I4 I5"), Cells("N1 N2 N3 N4 N5"),
    Cells("G1 G2 G3 G4 G5"), Cells("O1 O2 O3 O4 O5"), Cells("B1 I1 N1 G1 O1"),
    Cells("B2 I2 N2 G2 O2"), Cells("B3 I3 N3 G3 O3"), Cells("B4 I4 N4 G4 O4"),
    Cells("B5 I5 N5 G5 O5"), Cells("B1 I2 N3 G4 O5"), Cells("O1 G2 N3 I4 B5"),
};
// The lines that keep clear of the free space: columns B, I, G, O and rows 1, 2, 4, 5.
constexpr std::size_t kHardLineCount = 8;
constexpr std::array<std::uint32_t, kHardLineCount> kHardLines = [] {
    std::array<std::uint32_t, kHardLineCount> hard{};
    std::size_t n = 0;
    for (std::uint32_t line : kLines)
        if ((line & kFreeBit) == 0)
            hard.at(n++) = line;
    return hard;
}();
static_assert(std::ranges::find(kHardLines, 0u) == kHardLines.end(), "every hard line found");
constexpr std::uint32_t kStamps[] = {
    Cells("B1 I1 B2 I2"),
    Cells("B4 I4 B5 I5"),
    Cells("G1 O1 G2 O2"),
    Cells("G4 O4 G5 O5"),
};

// A pattern is `needed` of its shapes covered; most have one shape.
struct PatternShapes {
    std::span<const std::uint32_t> shapes;
    std::size_t needed = 1;
};

constexpr std::size_t kMaxShapes = std::size(kLines);

// In the order of Pattern.
constexpr std::array<PatternShapes, kPatternCount> kShapes = {{
    {kLargePlus},
    {kLargeX},
    {kFourCorners},
    {kInsideCorners},
    {kSolidDiamond},
    {kSmallDiamond},
    {kLargeDiamond},
    {kPictureFrame},
    {kSmallFrame},
    {kLines},
    {kHardLines, 2},
    {kStamps},
    {kAllCells},
}};

const PatternShapes& ShapesOf(Pattern pattern) {
    return kShapes[static_cast<std::size_t>(pattern)];
}

// The call that marks the last of the shape's cells.
int LastCall(const CellCalls& calls, std::uint32_t shape) {
    int last = 0;
    for (; shape != 0; shape &= shape - 1)
        last = std::max(last, int{calls[static_cast<std::size_t>(std::countr_zero(shape))]});
    return last;
}

}  // namespace

bool HasPattern(std::uint32_t marks, Pattern pattern) {
    marks |= kFreeBit;
    const PatternShapes& p = ShapesOf(pattern);
    std::size_t covered = 0;
    for (std::uint32_t shape : p.shapes)
        covered += (marks & shape) == shape;
    return covered >= p.needed;
}

int CompletingCall(const CellCalls& calls, Pattern pattern) {
    CellCalls withFree = calls;
    withFree[kFreeCell] = 0;
    const PatternShapes& p = ShapesOf(pattern);
    std::array<int, kMaxShapes> last{};
    for (std::size_t i = 0; i < p.shapes.size(); ++i)
        last[i] = LastCall(withFree, p.shapes[i]);
    std::sort(last.begin(), last.begin() + static_cast<std::ptrdiff_t>(p.shapes.size()));
    return last[p.needed - 1];
}

std::uint32_t BingoCard::Marks() const {
    std::uint32_t marks = 0;
    for (int cell = 0; cell < kCardCells; ++cell) {
        if (marked[static_cast<std::size_t>(cell)] != 0)
            marks |= 1u << cell;
    }
    return marks;
}

bool BingoCard::Has(Pattern pattern) const {
    return HasPattern(Marks(), pattern);
}

}  // namespace quillane
