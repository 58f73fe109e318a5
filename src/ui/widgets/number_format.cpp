// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/number_format.h"

#include <QLocale>

#include "core/digit_groups.h"

namespace quillane {

QString WithThousands(std::int64_t value) {
    const QLocale locale = QLocale::system();
    QString separator = locale.groupSeparator();
    if (locale.language() == QLocale::C || separator.isEmpty())
        separator = QStringLiteral(",");
    return QString::fromStdString(GroupedDigits(value, separator.toStdString()));
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
