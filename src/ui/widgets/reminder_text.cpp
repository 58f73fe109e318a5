// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/reminder_text.h"

#include <QCoreApplication>

#include "ui/widgets/number_format.h"

namespace quillane {
namespace {

constexpr int kMinutesInHour = 60;

}  // namespace

QString PlayedText(int minutes) {
    return (minutes == 1
                ? QCoreApplication::translate("ReminderText", "You have played for %1 minute.")
                : QCoreApplication::translate("ReminderText", "You have played for %1 minutes."))
        .arg(WithThousands(minutes));
}

QString SessionResultText(std::int64_t net) {
    if (net == 0)
        //: The session has won as many credits as it has lost
        return QCoreApplication::translate("ReminderText", "You are even.");
    const std::int64_t amount = net > 0 ? net : -net;
    if (net > 0)
        return (amount == 1
                    ? QCoreApplication::translate("ReminderText", "You have won %1 credit.")
                    : QCoreApplication::translate("ReminderText", "You have won %1 credits."))
            .arg(WithThousands(amount));
    return (amount == 1 ? QCoreApplication::translate("ReminderText", "You have lost %1 credit.")
                        : QCoreApplication::translate("ReminderText", "You have lost %1 credits."))
        .arg(WithThousands(amount));
}

QString ReminderText(int minutesPlayed, std::int64_t net) {
    return PlayedText(minutesPlayed) + QLatin1Char('\n') + SessionResultText(net);
}

QString SessionClockText(int minutesPlayed) {
    const QString clock = QStringLiteral("%1:%2")
                              .arg(minutesPlayed / kMinutesInHour)
                              .arg(minutesPlayed % kMinutesInHour, 2, 10, QLatin1Char('0'));
    //: In the status bar: how long this session has lasted, as hours:minutes
    return QCoreApplication::translate("ReminderText", "Session %1").arg(clock);
}

}  // namespace quillane
