#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace radirav {

// Russian text saved by a Windows editor in its usual 8-bit encoding, Windows-1251, as UTF-8.
// The text is taken only when it reads as Russian: every byte above 0x7F is a Russian letter
// (А..я, Ё, ё) or a sign of Russian typing (« » „ “ ” ‘ ’ – — … № °, the no-break space), at least
// one is a letter, and every word with Russian letters is written as Russian words are: no Latin
// letter in it, lower case, capitals or capitalised. Any other text (another code page, a binary
// file) gives nothing.
std::optional<std::string> DecodeRussianWindows1251(std::string_view bytes);

} // namespace radirav
