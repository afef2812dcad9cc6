#include "model/message_text.h"

#include <array>
#include <cstdint>

namespace radirav {

namespace {

// The length of the well-formed UTF-8 sequence at the start of `text` (1..4), 0 when it is not one
// (the table of well-formed byte sequences of the Unicode standard, chapter 3).
std::size_t ValidSequenceLength(std::string_view text, char32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80U) {
        codePoint = lead;
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80U, high = 0xBFU; // the allowed range of the second byte
    if (lead >= 0xC2U && lead <= 0xDFU) {
        length = 2;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        length = 3;
        low = lead == 0xE0U ? 0xA0U : 0x80U;  // no overlong forms
        high = lead == 0xEDU ? 0x9FU : 0xBFU; // no surrogates
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4;
        low = lead == 0xF0U ? 0x90U : 0x80U;
        high = lead == 0xF4U ? 0x8FU : 0xBFU; // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    char32_t cp = lead & (0xFFU >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0U) != 0x80U)
            return 0;
        cp = (cp << 6) | (byte(i) & 0x3FU);
    }
    codePoint = cp;
    return length;
}

bool IsControl(char32_t cp) {
    return cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp <= 0x9F);
}

bool IsInvisibleFormat(char32_t cp) {
    return (cp >= 0x200B && cp <= 0x200F) || (cp >= 0x2028 && cp <= 0x202E) ||
           (cp >= 0x2060 && cp <= 0x2069) || cp == 0xFEFF;
}

std::string Hex(std::uint32_t value, int digits) {
    static constexpr std::array<char, 16> kDigits{'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xFU];
    return text;
}

// Escapes `text` until `maxChars` characters are written; `cut` tells whether some was left over.
std::string Escape(std::string_view text, std::size_t maxChars, bool& cut) {
    std::string out;
    std::size_t chars = 0;
    cut = false;
    for (std::size_t i = 0; i < text.size();) {
        if (chars == maxChars) {
            cut = true;
            break;
        }
        ++chars;
        char32_t cp = 0;
        const std::size_t length = ValidSequenceLength(text.substr(i), cp);
        if (length == 0 || IsControl(cp)) {
            // One escape for an invalid byte; a valid C1 control is two bytes, both shown.
            const std::size_t bytes = length == 0 ? 1 : length;
            for (std::size_t k = 0; k < bytes; ++k)
                out += "\\x" + Hex(static_cast<unsigned char>(text[i + k]), 2);
            i += bytes;
        } else if (IsInvisibleFormat(cp)) {
            out += "\\u{" + Hex(cp, 4) + "}";
            i += length;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

} // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t length = ValidSequenceLength(text.substr(i), cp);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

bool HasControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t length = ValidSequenceLength(text.substr(i), cp);
        if (length != 0 && IsControl(cp))
            return true;
        i += length == 0 ? 1 : length;
    }
    return false;
}

std::string EscapeForMessage(std::string_view text) {
    bool cut = false;
    return Escape(text, text.size(), cut);
}

std::string ShortenForMessage(std::string_view text, std::size_t maxChars) {
    bool cut = false;
    std::string escaped = Escape(text, maxChars, cut);
    return cut ? escaped + "…" : escaped;
}

std::string QuoteForMessage(std::string_view text, std::size_t maxChars) {
    return "«" + ShortenForMessage(text, maxChars) + "»";
}

std::string OutOfRangeText(std::string_view value, const std::string& range) {
    return QuoteForMessage(value) + " вне диапазона; допустимо " + range;
}

} // namespace radirav
