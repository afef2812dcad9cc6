#pragma once

#include <QString>

namespace radirav {

// The decimal separator of the system's regional number format ("," in a Russian locale);
// a point where the locale's separator is not a single ASCII character.
char RegionalDecimalSeparator();

// `value` as QString::number writes it ('g': 4 significant digits; 'f': `precision` decimals),
// with the regional decimal separator.
QString RegionalNumber(double value, char format = 'g', int precision = 4);

} // namespace radirav
