// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/game_names.h"

#include <QCoreApplication>
#include <array>

namespace quillane {
namespace {

// By symbol code; the wild's animation frames are the wild.
constexpr std::array<const char*, kSymbolCount> kSymbolNames = {
    QT_TRANSLATE_NOOP("SymbolNames", "Wild"),    QT_TRANSLATE_NOOP("SymbolNames", "Wild"),
    QT_TRANSLATE_NOOP("SymbolNames", "Wild"),    QT_TRANSLATE_NOOP("SymbolNames", "Wild"),
    QT_TRANSLATE_NOOP("SymbolNames", "Wild"),    QT_TRANSLATE_NOOP("SymbolNames", "B ball"),
    QT_TRANSLATE_NOOP("SymbolNames", "I ball"),  QT_TRANSLATE_NOOP("SymbolNames", "N ball"),
    QT_TRANSLATE_NOOP("SymbolNames", "G ball"),  QT_TRANSLATE_NOOP("SymbolNames", "O ball"),
    QT_TRANSLATE_NOOP("SymbolNames", "Card"),    QT_TRANSLATE_NOOP("SymbolNames", "Tickets"),
    QT_TRANSLATE_NOOP("SymbolNames", "Cage"),    QT_TRANSLATE_NOOP("SymbolNames", "Ace"),
    QT_TRANSLATE_NOOP("SymbolNames", "King"),    QT_TRANSLATE_NOOP("SymbolNames", "Queen"),
    QT_TRANSLATE_NOOP("SymbolNames", "Jack"),    QT_TRANSLATE_NOOP("SymbolNames", "Ten"),
    QT_TRANSLATE_NOOP("SymbolNames", "Doll"),    QT_TRANSLATE_NOOP("SymbolNames", "Elephant"),
    QT_TRANSLATE_NOOP("SymbolNames", "Daubers"), QT_TRANSLATE_NOOP("SymbolNames", "Bag"),
};

// The same, for more than one; a screen reader says "three Elephants".
constexpr std::array<const char*, kSymbolCount> kSymbolPlurals = {
    QT_TRANSLATE_NOOP("SymbolNames", "Wilds"),   QT_TRANSLATE_NOOP("SymbolNames", "Wilds"),
    QT_TRANSLATE_NOOP("SymbolNames", "Wilds"),   QT_TRANSLATE_NOOP("SymbolNames", "Wilds"),
    QT_TRANSLATE_NOOP("SymbolNames", "Wilds"),   QT_TRANSLATE_NOOP("SymbolNames", "B balls"),
    QT_TRANSLATE_NOOP("SymbolNames", "I balls"), QT_TRANSLATE_NOOP("SymbolNames", "N balls"),
    QT_TRANSLATE_NOOP("SymbolNames", "G balls"), QT_TRANSLATE_NOOP("SymbolNames", "O balls"),
    QT_TRANSLATE_NOOP("SymbolNames", "Cards"),   QT_TRANSLATE_NOOP("SymbolNames", "Tickets"),
    QT_TRANSLATE_NOOP("SymbolNames", "Cages"),   QT_TRANSLATE_NOOP("SymbolNames", "Aces"),
    QT_TRANSLATE_NOOP("SymbolNames", "Kings"),   QT_TRANSLATE_NOOP("SymbolNames", "Queens"),
    QT_TRANSLATE_NOOP("SymbolNames", "Jacks"),   QT_TRANSLATE_NOOP("SymbolNames", "Tens"),
    QT_TRANSLATE_NOOP("SymbolNames", "Dolls"),   QT_TRANSLATE_NOOP("SymbolNames", "Elephants"),
    QT_TRANSLATE_NOOP("SymbolNames", "Daubers"), QT_TRANSLATE_NOOP("SymbolNames", "Bags"),
};

// By Pattern, in test order.
constexpr std::array<const char*, kPatternCount> kPatternNames = {
    QT_TRANSLATE_NOOP("PatternNames", "Large Plus"),
    QT_TRANSLATE_NOOP("PatternNames", "Large X"),
    QT_TRANSLATE_NOOP("PatternNames", "Four Corners"),
    QT_TRANSLATE_NOOP("PatternNames", "Inside Corners"),
    QT_TRANSLATE_NOOP("PatternNames", "Solid Diamond"),
    QT_TRANSLATE_NOOP("PatternNames", "Small Diamond"),
    QT_TRANSLATE_NOOP("PatternNames", "Large Diamond"),
    QT_TRANSLATE_NOOP("PatternNames", "Picture Frame"),
    QT_TRANSLATE_NOOP("PatternNames", "Small Frame"),
    QT_TRANSLATE_NOOP("PatternNames", "Any Bingo"),
    QT_TRANSLATE_NOOP("PatternNames", "Double Hard Way"),
    QT_TRANSLATE_NOOP("PatternNames", "Postage Stamp"),
    QT_TRANSLATE_NOOP("PatternNames", "Blackout Bonus"),
};

// By card number.
constexpr std::array<const char*, kCardCount> kCardColours = {
    QT_TRANSLATE_NOOP("CardColours", "Blue"),   QT_TRANSLATE_NOOP("CardColours", "Red"),
    QT_TRANSLATE_NOOP("CardColours", "White"),  QT_TRANSLATE_NOOP("CardColours", "Green"),
    QT_TRANSLATE_NOOP("CardColours", "Yellow"),
};

}  // namespace

QString SymbolText(Symbol s) {
    return s < kSymbolNames.size() ? QCoreApplication::translate("SymbolNames", kSymbolNames[s])
                                   : QString();
}

QString SymbolPluralText(Symbol s) {
    return s < kSymbolPlurals.size() ? QCoreApplication::translate("SymbolNames", kSymbolPlurals[s])
                                     : QString();
}

QString PatternText(Pattern p) {
    const auto i = static_cast<std::size_t>(p);
    return i < kPatternNames.size() ? QCoreApplication::translate("PatternNames", kPatternNames[i])
                                    : QString();
}

QString CardColourText(int card) {
    if (card < 0 || card >= kCardCount)
        //: The colour of a bonus card the history does not know.
        return QCoreApplication::translate("CardColours", "Unknown");
    return QCoreApplication::translate("CardColours", kCardColours[static_cast<std::size_t>(card)]);
}

}  // namespace quillane
