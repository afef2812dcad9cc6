#include "results/results_text.h"

#include "model/text.h"

#include <cmath>
#include <cstdio>

namespace radirav {

std::string FormatResultNumber(float value, int width, int decimals, char decimalSeparator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(value));
    std::string text = buffer;
    // A value that rounds to zero shows without a minus sign.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    if (const auto point = text.find('.'); point != std::string::npos) text[point] = decimalSeparator;
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
        if (i == 6 || i == 7) continue;
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
