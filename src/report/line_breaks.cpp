#include "report/line_breaks.h"

#include "model/text.h"

namespace radirav {

namespace {

constexpr std::string_view kNoBreakSpace = "\u00A0";

bool IsRelation(std::string_view word) {
    return word == "=" || word == "<" || word == ">" || word == "<=" || word == ">=";
}

bool StartsWithDigit(std::string_view word) {
    if (!word.empty() && word.front() == '-')
        word.remove_prefix(1);
    return !word.empty() && word.front() >= '0' && word.front() <= '9';
}

// "меньше 10 мм", "(больше 2.5)": a comparison in words and the number it compares with.
bool IsComparedNumber(std::string_view before, std::string_view word) {
    if (!before.empty() && before.front() == '(')
        before.remove_prefix(1);
    return (before == "меньше" || before == "больше") && StartsWithDigit(word);
}

bool EndsWithDigit(std::string_view word) {
    return !word.empty() && word.back() >= '0' && word.back() <= '9';
}

// The units the program's sentences give after a number ("0.8 мм", "1 с", "90 м3/(м ч)"), with the
// punctuation that may follow them.
bool IsUnitAfter(std::string_view before, std::string_view word) {
    if (before == "м3/(м")
        return true; // "ч)" closes the unit
    while (!word.empty() && (word.back() == ')' || word.back() == ':' || word.back() == ',' ||
                             word.back() == '.' || word.back() == ';'))
        word.remove_suffix(1);
    return EndsWithDigit(before) && (word == "мм" || word == "м" || word == "с" || word == "м3/(м");
}

std::vector<std::string_view> SplitAtBlanks(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ' ') {
            if (i > start)
                words.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return words;
}

// The words of `text` with the bound ones joined by `glue`.
std::vector<std::string> BoundGroups(std::string_view text, std::string_view glue) {
    std::vector<std::string> groups;
    std::string_view before;
    for (const std::string_view word : SplitAtBlanks(text)) {
        const bool bound = IsRelation(before) || IsRelation(word) || IsComparedNumber(before, word) ||
                           IsUnitAfter(before, word);
        if (!groups.empty() && bound)
            groups.back().append(glue).append(word);
        else
            groups.emplace_back(word);
        before = word;
    }
    return groups;
}

} // namespace

std::string BindNamesToValues(std::string_view text) {
    std::string bound;
    for (const std::string& group : BoundGroups(text, kNoBreakSpace)) {
        if (!bound.empty())
            bound += ' ';
        bound += group;
    }
    return bound;
}

std::vector<std::string> WrapWords(std::string_view text, std::size_t width) {
    std::vector<std::string> lines;
    std::string line;
    for (const std::string& group : BoundGroups(text, " ")) {
        if (!line.empty() && CharCount(line) + 1 + CharCount(group) > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + group;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace radirav
