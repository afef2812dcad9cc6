#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text helpers shared by the screens, the report and the batch calculator. All texts are UTF-8;
// every length, padding and centring counts characters (code points), never bytes.
namespace radirav {

std::size_t CharCount(std::string_view text);
// The code point `cp` appended to `out` in UTF-8.
void AppendUtf8(std::string& out, char32_t cp);
std::string Spaces(std::size_t count);

// Typed numbers: empty becomes "0"; the Russian layout's "ю"/"Ю" and "б"/"Б", which sit on the
// Latin "." and ",", become those; then the first comma becomes a decimal point. Nothing is trimmed.
std::string NormalizeDecimalText(std::string_view text);

// A text that NormalizeDecimalText turns back into `normalized`, for writing a stored value where
// it will be read as typed: "2.7,8" (typed as "2,7,8") becomes "2,7,8" again, while "2.78" stays.
// A stored text has the point of its first comma before any comma that is left, so the point
// just before the first comma turns back into a comma.
std::string RetypedDecimalText(std::string_view normalized);

// The blanks that pad `text` to `width` characters (not the text itself); none when it is longer.
std::string PadSpaces(std::string_view text, std::size_t width);

// One cell of a ruled table: trims blanks off `text` (in place), centres it in `width`
// characters, the odd blank going right, and closes the cell with "|". A text longer than the
// width is kept whole, unpadded.
std::string CenterCell(std::string& text, std::size_t width);

// Blanks off both ends (blanks only, not tabs).
std::string TrimBlanks(std::string_view text);

// First letter of every word upper case, the rest lower case; words are separated by blanks,
// tabs and line breaks only (a dash or a point does not start a word). Latin and Cyrillic.
std::string ProperCase(std::string_view text);

// A count as the program prints counts: a leading blank reserved for the sign (17 -> " 17").
std::string FormatCount(long long value);

// The short number form of a single-precision value: leading blank unless negative, at most
// seven significant digits, no zero before the point (0.5 -> " .5"), exponent form E+07 / E-05
// for very large or small magnitudes.
std::string FormatShortSingle(float value);

} // namespace radirav
