#include "model/windows1251.h"

#include "model/text.h"

#include <array>
#include <utility>

namespace radirav {

namespace {

// The signs above 0x7F besides the letters that Russian text holds, with their code points.
constexpr std::array<std::pair<unsigned char, char32_t>, 13> kRussianSigns{{
    {0x84, U'„'},
    {0x85, U'…'},
    {0x91, U'‘'},
    {0x92, U'’'},
    {0x93, U'“'},
    {0x94, U'”'},
    {0x96, U'–'},
    {0x97, U'—'},
    {0xA0, U'\u00A0'},
    {0xAB, U'«'},
    {0xB0, U'°'},
    {0xB9, U'№'},
    {0xBB, U'»'},
}};

// The code point of a Russian letter byte (0xC0..0xFF is А..я in alphabetical order), 0 for
// any other byte.
char32_t RussianLetter(unsigned char byte) {
    if (byte >= 0xC0)
        return U'А' + (byte - 0xC0);
    if (byte == 0xA8)
        return U'Ё';
    if (byte == 0xB8)
        return U'ё';
    return 0;
}

char32_t RussianSign(unsigned char byte) {
    for (const auto& [code, sign] : kRussianSigns) {
        if (code == byte)
            return sign;
    }
    return 0;
}

// A word as Russian is written: Cyrillic letters only, in lower case, in capitals, or capitalised.
// Text in another Cyrillic code page (KOI8-R, say) read as Windows-1251 mixes the cases inside its
// words, and Latin-1 text mixes a Cyrillic letter into Latin ones.
class WordShape {
public:
    // Feeds one byte; false once the word it ends or continues cannot be Russian.
    bool Add(unsigned char byte) {
        const bool latin = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
        const bool upper = (byte >= 0xC0 && byte <= 0xDF) || byte == 0xA8;
        const bool lower = byte >= 0xE0 || byte == 0xB8;
        if (!latin && !upper && !lower) {
            const bool fine = Fine();
            *this = {};
            return fine;
        }
        latin_ = latin_ || latin;
        cyrillic_ = cyrillic_ || upper || lower;
        if (letters_ == 0)
            firstUpper_ = upper;
        else if (upper)
            ++laterUpper_;
        ++letters_;
        return true;
    }
    bool Fine() const {
        if (!cyrillic_)
            return true;
        const bool capitals = firstUpper_ && laterUpper_ == letters_ - 1;
        return !latin_ && (laterUpper_ == 0 || capitals);
    }

private:
    bool latin_ = false, cyrillic_ = false, firstUpper_ = false;
    int letters_ = 0, laterUpper_ = 0;
};

} // namespace

std::optional<std::string> DecodeRussianWindows1251(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    bool anyLetter = false;
    WordShape word;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (!word.Add(byte))
            return std::nullopt;
        if (byte < 0x80) {
            text += c;
            continue;
        }
        char32_t cp = RussianLetter(byte);
        anyLetter = anyLetter || cp != 0;
        if (cp == 0)
            cp = RussianSign(byte);
        if (cp == 0)
            return std::nullopt;
        AppendUtf8(text, cp);
    }
    if (!anyLetter || !word.Fine())
        return std::nullopt;
    return text;
}

} // namespace radirav
