#include "ui/widgets/number_format.h"

#include <QLocale>

namespace quillane {

QString WithThousands(std::int64_t value) {
    const QLocale locale = QLocale::system();
    QString separator = locale.groupSeparator();
    if (locale.language() == QLocale::C || separator.isEmpty())
        separator = QStringLiteral(",");
    const bool negative = value < 0;
    QString digits = QString::number(value);
    if (negative)
        digits.remove(0, 1);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(i, separator);
    return negative ? "-" + digits : digits;
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
