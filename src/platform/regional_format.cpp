#include "platform/regional_format.h"

#include <QLocale>

namespace radirav {

char RegionalDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
}

QString RegionalNumber(double value, char format, int precision) {
    QString text = QString::number(value, format, precision);
    text.replace(QLatin1Char('.'), QLatin1Char(RegionalDecimalSeparator()));
    return text;
}

} // namespace radirav
