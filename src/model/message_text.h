#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts from a file or a command line shown inside a one-line message: whatever bytes they
// hold, the message stays one readable line of valid UTF-8.
namespace radirav {

// Whether `text` is well-formed UTF-8 throughout.
bool IsValidUtf8(std::string_view text);

// Whether `text` holds a control character of C0 (tab and line ends included), DEL or C1, which
// would move the cursor, sound the bell or restyle a terminal wherever the text is shown.
bool HasControlCharacter(std::string_view text);

// Printable UTF-8 as it is; a byte of invalid UTF-8 (a stray continuation byte, an overlong
// form, a surrogate, beyond U+10FFFF) and every control character of C0 and C1 as \xNN; the
// invisible format characters that break or reorder a line (U+200B..U+200F, U+2028, U+2029,
// U+202A..U+202E, U+2060..U+2069, U+FEFF) as \u{XXXX}.
std::string EscapeForMessage(std::string_view text);

// A user's text in a message: escaped and cut to `maxChars` characters, an ellipsis after the cut;
// QuoteForMessage sets it in «» as well.
std::string ShortenForMessage(std::string_view text, std::size_t maxChars = 60);
std::string QuoteForMessage(std::string_view text, std::size_t maxChars = 60);

// A value outside its accepted range, as every reader of values says it: «value» вне диапазона;
// допустимо RANGE.
std::string OutOfRangeText(std::string_view value, const std::string& range);

} // namespace radirav
