#pragma once

#include <string_view>

namespace radirav {

// Numeric reading of a typed text: blanks, tabs and line feeds anywhere are ignored; the longest
// leading number (sign, digits, one decimal point, exponent after E or D) is read and reading
// stops at the first other character, so a comma ends the number. No number reads as 0.
// A magnitude beyond double range reads as an infinity, never as a crash.
double Val(std::string_view text);

// Whether Val finds a number at all (a digit after an optional sign and point); "abc", "." and
// "-" read as 0 without being a number.
bool StartsWithNumber(std::string_view text);

// What follows the one number a case file's value is: blanks around the number are allowed, none
// inside it, so "6 7" leaves "7" and "5 abc" leaves "abc". Empty when the value is one number;
// the whole text when it holds no number at all.
std::string_view TextAfterNumber(std::string_view text);

// A double stored into a single-precision variable: beyond float range it becomes an infinity
// of the same sign (the checks then reject it) instead of undefined behaviour.
float ToSingle(double value);

} // namespace radirav
