// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/number_format.h"

#include <QLocale>

#include "core/digit_groups.h"

namespace quillane {

QString ThousandsSeparator() {
    const QLocale locale = QLocale::system();
    const QString separator = locale.groupSeparator();
    return locale.language() == QLocale::C || separator.isEmpty() ? QStringLiteral(",") : separator;
}

QString WithThousands(std::int64_t value) {
    return QString::fromStdString(GroupedDigits(value, ThousandsSeparator().toStdString()));
}

QString GroupedNumber(std::int64_t value) {
    return WithThousands(value).rightJustified(10, ' ');
}

QString Percentage(double value) {
    QString text = QString::asprintf("%4.2f", value);
    const QString point = QLocale::system().decimalPoint();
    if (!point.isEmpty())
        text.replace('.', point);
    return text + "%";
}

}  // namespace quillane
