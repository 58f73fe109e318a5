// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cabinet/cabinet_key_tips.h"

#include <QCoreApplication>

#include "core/betting.h"
#include "core/paylines.h"
#include "ui/cabinet/cabinet_layout.h"

namespace quillane {
namespace {

namespace layout = cabinet_layout;

QString LinesKeyTip(const QString& caption, int lines) {
    return lines == 1
               //: A lines key's tooltip; %1 is its caption ("1 Payline")
               ? QCoreApplication::translate(
                     "CabinetKeyTips",
                     "%1 \u2014 plays 1 payline from the next spin. It does not spin; the "
                     "Left and Right arrow keys choose the lines too.")
                     .arg(caption)
               //: A lines key's tooltip; %1 is its caption ("5 Paylines"), %2 the lines
               : QCoreApplication::translate(
                     "CabinetKeyTips",
                     "%1 \u2014 plays %2 paylines from the next spin. It does not spin; "
                     "the Left and Right arrow keys choose the lines too.")
                     .arg(caption)
                     .arg(lines);
}

QString CreditsKeyTip(const QString& caption, int credits) {
    return credits == 1
               //: A credits key's tooltip; %1 is its caption ("1 Credit")
               ? QCoreApplication::translate(
                     "CabinetKeyTips",
                     "%1 \u2014 spins now with 1 credit per line. To choose the credits "
                     "without spinning, use the Up and Down arrow keys.")
                     .arg(caption)
               //: A credits key's tooltip; %1 is its caption ("2 Credits"), %2 the credits
               : QCoreApplication::translate(
                     "CabinetKeyTips",
                     "%1 \u2014 spins now with %2 credits per line. To choose the "
                     "credits without spinning, use the Up and Down arrow keys.")
                     .arg(caption)
                     .arg(credits);
}

}  // namespace

QString CabinetKeyCaption(int stop) {
    switch (stop) {
        case layout::kBetMaxStop:
            //: The Bet Max button as a screen reader names it
            return QCoreApplication::translate("CabinetElements", "Bet Max");
        case layout::kSpinStop:
            //: The Spin button as a screen reader names it
            return QCoreApplication::translate("CabinetElements", "Spin");
        case layout::kCoinSlotStop:
            // The two words painted on the slot.
            return QCoreApplication::translate("CabinetPainter", "Insert") + u' ' +
                   QCoreApplication::translate("CabinetPainter", "Coins");
        default:
            return QCoreApplication::translate("CabinetPainter", layout::KeyAt(stop + 1).caption);
    }
}

QString CabinetKeyTip(int stop) {
    const QString caption = CabinetKeyCaption(stop);
    switch (stop) {
        case layout::kBetMaxStop:
            //: The Bet Max button's tooltip; %1 is its name, %2 the credits per line, %3 the
            //: lines, %4 the whole bet
            return QCoreApplication::translate(
                       "CabinetKeyTips",
                       "%1 \u2014 spins now with %2 credits on each of %3 lines, %4 "
                       "credits in all, when you have that many. Key: M.")
                .arg(caption)
                .arg(CreditsForKey(kLastCreditsKey))
                .arg(kMaxLinesBet)
                .arg(kBetMaxStake);
        case layout::kSpinStop:
            //: The Spin button's tooltip; %1 is its name
            return QCoreApplication::translate(
                       "CabinetKeyTips",
                       "%1 \u2014 spins with the bet the keys show. Keys: Enter or Space.")
                .arg(caption);
        case layout::kCoinSlotStop:
            //: The coin slot's tooltip; %1 is its caption
            return QCoreApplication::translate(
                       "CabinetKeyTips",
                       "%1 \u2014 a click here does nothing: borrow credits from the "
                       "Borrow menu, or press Tab until the slot is ringed, then Enter.")
                .arg(caption);
        default: {
            const int key = stop + 1;
            return IsLinesKey(key) ? LinesKeyTip(caption, LinesForKey(key))
                                   : CreditsKeyTip(caption, CreditsForKey(key));
        }
    }
}

}  // namespace quillane
