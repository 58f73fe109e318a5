// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/refusal_text.h"

#include <QCoreApplication>

#include "core/digit_groups.h"

namespace quillane {
namespace {

// "%7.2f" with the locale's decimal point.
QString Amount(std::int64_t amount, const QLocale& locale) {
    QString text = QString::asprintf("%7.2f", static_cast<double>(amount));
    const QString point = locale.decimalPoint();
    if (!point.isEmpty())
        text.replace('.', point);
    return text;
}

// Groups of three digits with the locale's thousands separator.
QString Grouped(std::int64_t value, const QLocale& locale) {
    return QString::fromStdString(GroupedDigits(value, locale.groupSeparator().toStdString()));
}

}  // namespace

QString RefusalText(const Refusal& refusal, const QLocale& locale) {
    switch (refusal.kind) {
        case Refusal::Kind::NoBet:
            return QCoreApplication::translate("RefusalText", "No bet was placed!");
        case Refusal::Kind::CreditsKey:
            return QCoreApplication::translate(
                       "RefusalText",
                       "You have %1, but you tried to bet %2 credits.  You cannot bet more "
                       "credits than you have.  Borrow some credits or place a smaller bet.")
                .arg(refusal.have)
                .arg(refusal.amount);
        case Refusal::Kind::PayBackUncovered:
            return QCoreApplication::translate("RefusalText", "You do not have %1 credits!")
                .arg(Amount(refusal.amount, locale));
        case Refusal::Kind::PayBackUnborrowed:
            return QCoreApplication::translate(
                "RefusalText", "You cannot pay back more credits than you have borrowed!");
        case Refusal::Kind::BorrowPastLimit:
            return QCoreApplication::translate(
                       "RefusalText",
                       "You cannot borrow %1 more credits: the credits and the borrowed "
                       "credits cannot go past %2.")
                .arg(refusal.amount)
                .arg(Grouped(refusal.limit, locale));
        case Refusal::Kind::NoGameFile:
            return QCoreApplication::translate("RefusalText",
                                               "There is no game file to store the game in.");
    }
    return {};
}

QString AutoplayProgressText(int spinsLeft) {
    if (spinsLeft == 1)
        //: In the message strip while autoplay runs; keep it short.
        return QCoreApplication::translate("AutoplayText", "Autoplay: 1 spin left");
    //: In the message strip while autoplay runs, %1 spins; keep it short.
    return QCoreApplication::translate("AutoplayText", "Autoplay: %1 spins left").arg(spinsLeft);
}

QString AutoplayStopText(AutoplayStop why) {
    switch (why) {
        case AutoplayStop::Finished:
            return QCoreApplication::translate("AutoplayText", "Autoplay finished");
        case AutoplayStop::Bonus:
            return QCoreApplication::translate("AutoplayText",
                                               "Autoplay stopped for the bonus game");
        case AutoplayStop::BigWin:
            return QCoreApplication::translate("AutoplayText", "Autoplay stopped on a big win");
        case AutoplayStop::LowCredits:
            return QCoreApplication::translate("AutoplayText", "Autoplay stopped: credits low");
        case AutoplayStop::NetLoss:
            //: In the message strip: the autoplay run lost as much as the player allowed
            return QCoreApplication::translate("AutoplayText",
                                               "Autoplay stopped: loss limit reached");
        case AutoplayStop::NetWin:
            //: In the message strip: the autoplay run won as much as the player asked for
            return QCoreApplication::translate("AutoplayText",
                                               "Autoplay stopped: win limit reached");
        case AutoplayStop::NoBet:
            return QCoreApplication::translate("AutoplayText",
                                               "Autoplay stopped: the bet cannot be placed");
        case AutoplayStop::Player:
            return QCoreApplication::translate("AutoplayText", "Autoplay stopped");
    }
    return {};
}

}  // namespace quillane
