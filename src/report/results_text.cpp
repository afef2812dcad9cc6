#include "report/results_text.h"

#include "model/text.h"

#include <charconv>
#include <system_error>

namespace radirav {

std::string FormatResultNumber(float value, int width, int decimals, char decimalSeparator) {
    // A single-precision value carries about seven significant digits: round from its shortest
    // decimal form (123456.7f is 123456.703125 in binary but shows as 123456.7000).
    char shortest[32];
    const auto converted = std::to_chars(shortest, shortest + sizeof shortest - 1, value);
    *converted.ptr = '\0';
    double rounded = 0;
    std::from_chars(shortest, converted.ptr, rounded);
    char buffer[400];
    const auto fixed =
        std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, decimals);
    // More decimals than the buffer holds (never asked by the tables): the shortest form instead
    // of a text the conversion did not write.
    std::string text = fixed.ec == std::errc() ? std::string(buffer, fixed.ptr) : std::string(shortest);
    // A value that rounds to zero shows without a minus sign.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    if (const auto point = text.find('.'); point != std::string::npos)
        text[point] = decimalSeparator;
    const auto length = static_cast<int>(text.size());
    return length < width ? Spaces(static_cast<std::size_t>(width - length)) + text : text;
}

std::string TrayCountLine(int requiredTrays, int feedTray) {
    return "ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК " + FormatCount(requiredTrays) + "        ТАРЕЛКА ПИТАНИЯ - " +
           FormatCount(feedTray) + "-я, (считая снизу)      ";
}

std::vector<std::string> ResultsTableLines(const ProgramState& state, char decimalSeparator) {
    std::vector<std::string> lines{
        "  |                                        |1-ая ТАРЕЛКА |  ТАРЕЛКА    |   ВЕРХНЯЯ   |",
        "  |                                        |    СНИЗУ    |  ПИТАНИЯ    |   ТАРЕЛКА   |",
    };
    for (int i = 1; i <= kResultRows; ++i) {
        if (i == 6 || i == 7)
            continue;
        std::string label = state.ResultLabels[i];
        std::string line = "  |" + CenterCell(label, 40);
        for (int j = 1; j <= kResultColumns; ++j) {
            std::string cell = FormatResultNumber(state.TrayResults(i, j), 11, 4, decimalSeparator);
            line += CenterCell(cell, 13);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace radirav
