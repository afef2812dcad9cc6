#include "model/text.h"

#include <charconv>
#include <cstdint>
#include <utility>
#include <vector>

namespace radirav {

namespace {

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

std::vector<char32_t> DecodeUtf8(std::string_view text) {
    std::vector<char32_t> out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = lead;
        if (lead >= 0xF0U) {
            extra = 3;
            cp = lead & 0x07U;
        } else if (lead >= 0xE0U) {
            extra = 2;
            cp = lead & 0x0FU;
        } else if (lead >= 0xC0U) {
            extra = 1;
            cp = lead & 0x1FU;
        }
        ++i;
        for (int k = 0;
             k < extra && i < text.size() && IsContinuationByte(static_cast<unsigned char>(text[i]));
             ++k, ++i) {
            cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3FU);
        }
        out.push_back(cp);
    }
    return out;
}

// Case mapping for the scripts the program's users type: ASCII, Latin-1 letters and Cyrillic.
char32_t ToUpper(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    if (c >= 0x430 && c <= 0x44F)
        return c - 0x20; // а..я
    if (c >= 0x450 && c <= 0x45F)
        return c - 0x50; // ѐ..џ, ё among them
    return c;
}

char32_t ToLower(char32_t c) {
    if (c >= U'A' && c <= U'Z')
        return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    if (c >= 0x410 && c <= 0x42F)
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    return c;
}

bool IsWordSeparator(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r';
}

} // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::size_t CharCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if (!IsContinuationByte(static_cast<unsigned char>(c)))
            ++count;
    }
    return count;
}

std::string Spaces(std::size_t count) {
    return std::string(count, ' ');
}

std::string NormalizeDecimalText(std::string_view text) {
    if (text.empty())
        return "0";
    // On the Russian layout the keys of the Latin "." and "," type "ю" and "б".
    static constexpr std::pair<std::string_view, char> kLayoutKeys[]{
        {"ю", '.'}, {"Ю", '.'}, {"б", ','}, {"Б", ','}};
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [letter, key] : kLayoutKeys) {
            if (text.substr(i, letter.size()) == letter) {
                result += key;
                i += letter.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            result += text[i++];
    }
    if (const auto comma = result.find(','); comma != std::string::npos)
        result[comma] = '.';
    return result;
}

std::string RetypedDecimalText(std::string_view normalized) {
    std::string text(normalized);
    const auto comma = text.find(',');
    if (comma == std::string::npos)
        return text;
    if (const auto point = text.rfind('.', comma); point != std::string::npos)
        text[point] = ',';
    return text;
}

std::string PadSpaces(std::string_view text, std::size_t width) {
    const std::size_t length = CharCount(text);
    return length < width ? Spaces(width - length) : std::string();
}

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string CenterCell(std::string& text, std::size_t width) {
    text = TrimBlanks(text);
    const std::size_t length = CharCount(text);
    const std::size_t free = length < width ? width - length : 0;
    const std::size_t left = free / 2;
    return Spaces(left) + text + Spaces(free - left) + "|";
}

std::string ProperCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool wordStart = true;
    for (const char32_t c : DecodeUtf8(text)) {
        AppendUtf8(out, wordStart ? ToUpper(c) : ToLower(c));
        wordStart = IsWordSeparator(c);
    }
    return out;
}

std::string FormatCount(long long value) {
    std::string digits = std::to_string(value);
    return value < 0 ? digits : " " + digits;
}

std::string FormatShortSingle(float value) {
    // Seven significant digits in the general form (locale-independent): trailing zeros dropped,
    // the exponent form chosen for large and small magnitudes; then the program's own spelling.
    char buffer[32];
    if (value == 0.0f)
        value = 0.0f; // negative zero shows as zero, with the blank of a non-negative value
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7).ptr;
    std::string text(buffer, end);
    if (const auto e = text.find('e'); e != std::string::npos)
        text[e] = 'E';
    const bool negative = !text.empty() && text[0] == '-';
    std::string body = negative ? text.substr(1) : text;
    if (body.size() > 1 && body[0] == '0' && body[1] == '.')
        body.erase(0, 1);
    return (negative ? "-" : " ") + body;
}

} // namespace radirav
