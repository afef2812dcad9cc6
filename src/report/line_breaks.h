#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Where a line of the program's prose may break: between words, never between a name and its value.
// The blanks around "=", "<", ">", "<=" and ">=" bind ("R = 1.37", "XF <= XW" stay whole), and so
// do the blanks of a comparison in words ("меньше 10 мм") and between a number and its unit ("1 с").
// Runs of blanks count as one.
namespace radirav {

// `text` with the binding blanks turned into no-break spaces (U+00A0), for a screen that wraps
// lines itself.
std::string BindNamesToValues(std::string_view text);

// `text` in lines of at most `width` characters, broken only at blanks that do not bind; a word
// (or a bound group) longer than the width stands alone on its line.
std::vector<std::string> WrapWords(std::string_view text, std::size_t width);

} // namespace radirav
