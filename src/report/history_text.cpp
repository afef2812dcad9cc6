#include "report/history_text.h"

#include "model/message_text.h"
#include "model/param_codes.h"
#include "model/text.h"
#include "report/line_breaks.h"
#include "report/report_text.h"
#include "report/stop_message.h"
#include "report/stop_text.h"

#include <algorithm>

namespace radirav {

namespace {

std::string TrayWords(const std::string& trayType) {
    return trayType == "S" ? "ситчатые" : "колпачковые";
}

std::string EquilibriumWords(int kind, const std::string& alfaText) {
    if (kind == kKindConstantAlfa)
        return "ALFA = " + alfaText;
    if (kind == kKindAntoine)
        return "константы Антуана";
    return std::to_string(kind) + " равновесных точек";
}

std::string Arrow(const std::string& before, const std::string& after) {
    return before + " → " + after;
}

std::string Outcome(const CalculationRecord& record) {
    if (const std::optional<std::string> message = StopMessage(record.stop))
        return TrimBlanks(*message);
    if (record.warnings.empty())
        return "без замечаний";
    std::string all;
    for (const std::string& sentence : WarningSentences(record.warnings))
        all += (all.empty() ? "" : " ") + sentence;
    return all;
}

// A cell of a tab-separated line keeps to one cell.
std::string OneCell(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

// The printed columns in characters (number, changes, trays, feed tray, outcome), two blanks
// apart: 86 in all, the width of the report's results table.
constexpr std::array<std::size_t, 5> kPrintWidths{3, 30, 7, 7, 31};
constexpr std::array<bool, 5> kRightAligned{true, false, true, true, false};
constexpr std::size_t kColumnGap = 2;
constexpr std::size_t kPrintWidth = 86;

// Where the character `chars` (counted from 0) of UTF-8 `text` begins.
std::size_t ByteOffset(std::string_view text, std::size_t chars) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == chars)
            return i;
    }
    return text.size();
}

// One cell in lines of at most `width` characters: broken between words, a word longer than the
// column cut at its edge so that the columns after it stay in place.
std::vector<std::string> CellLines(const std::string& text, std::size_t width) {
    std::vector<std::string> lines;
    for (std::string& line : WrapWords(OneCell(text), width)) {
        while (CharCount(line) > width) {
            const std::size_t cut = ByteOffset(line, width);
            lines.push_back(line.substr(0, cut));
            line.erase(0, cut);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void AppendPrintedRow(std::vector<std::string>& lines, const HistoryRow& row) {
    std::array<std::vector<std::string>, 5> cells;
    std::size_t height = 1;
    for (std::size_t i = 0; i < row.size(); ++i) {
        cells[i] = CellLines(row[i], kPrintWidths[i]);
        height = std::max(height, cells[i].size());
    }
    for (std::size_t k = 0; k < height; ++k) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string text = k < cells[i].size() ? cells[i][k] : std::string();
            const std::string pad = PadSpaces(text, kPrintWidths[i]);
            line += (i == 0 ? "" : Spaces(kColumnGap)) + (kRightAligned[i] ? pad + text : text + pad);
        }
        lines.push_back(line.substr(0, line.find_last_not_of(' ') + 1));
    }
}

} // namespace

std::string ChangeText(const InputChange& change) {
    switch (change.what) {
    case ChangedInput::Parameter:
        return std::string(ParamKey(change.index)) + ": " + Arrow(change.before, change.after);
    case ChangedInput::TrayType:
        return "тарелки: " + Arrow(TrayWords(change.before), TrayWords(change.after));
    case ChangedInput::Equilibrium:
        return "равновесие: " + Arrow(EquilibriumWords(change.kindBefore, change.before),
                                      EquilibriumWords(change.kindAfter, change.after));
    case ChangedInput::Alfa:
        return "ALFA: " + Arrow(change.before, change.after);
    case ChangedInput::AntoineConstant:
        return std::string(kAntoineNames[static_cast<std::size_t>(change.index - 1)]) + ": " +
               Arrow(change.before, change.after);
    case ChangedInput::Points:
        if (change.kindBefore == change.kindAfter)
            return "равновесные точки изменены";
        return "равновесные точки изменены: " +
               Arrow(std::to_string(change.kindBefore), std::to_string(change.kindAfter) + " точек");
    }
    return {};
}

HistoryRow HistoryHeader() {
    return {"№", "Что изменено", "Тарелок", "Тарелка питания", "Итог"};
}

std::vector<HistoryRow> HistoryRows(const std::vector<CalculationRecord>& records) {
    std::vector<HistoryRow> rows;
    for (const CalculationRecord& record : records) {
        std::string changes;
        for (const InputChange& change : record.changes)
            changes += (changes.empty() ? "" : "; ") + ChangeText(change);
        if (changes.empty())
            changes = record.number == 1 ? "исходные данные" : "без изменений";
        const bool finished = record.stop == CalcStop::None;
        rows.push_back({std::to_string(record.number), changes, finished ? std::to_string(record.trays) : "",
                        finished && record.feed > 0 ? std::to_string(record.feed) : "", Outcome(record)});
    }
    return rows;
}

std::string HistoryCopyText(const std::vector<CalculationRecord>& records) {
    std::vector<HistoryRow> rows = HistoryRows(records);
    rows.insert(rows.begin(), HistoryHeader());
    std::string text;
    for (const HistoryRow& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            text += (i == 0 ? "" : "\t") + OneCell(row[i]);
        text += "\n";
    }
    return text;
}

std::vector<std::string> HistoryPrintLines(const ProgramState& state,
                                           const std::vector<CalculationRecord>& records,
                                           const std::string& dateText) {
    // Names from a file are shown, never obeyed: a control character prints as its code.
    const std::string student = EscapeForMessage(state.StudentName);
    const std::string title = "СРАВНЕНИЕ РАСЧЁТОВ";
    std::vector<std::string> lines{student + PadSpaces(student, 40) + dateText,          "",
                                   "СИСТЕМА - " + EscapeForMessage(state.SystemName),    "",
                                   Spaces((kPrintWidth - CharCount(title)) / 2) + title, ""};
    AppendPrintedRow(lines, HistoryHeader());
    lines.push_back(std::string(kPrintWidth, '-'));
    const std::vector<HistoryRow> rows = HistoryRows(records);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0)
            lines.emplace_back(); // rows of several lines stay apart
        AppendPrintedRow(lines, rows[r]);
    }
    return lines;
}

} // namespace radirav
