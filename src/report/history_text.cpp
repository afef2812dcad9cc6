#include "report/history_text.h"

#include "model/param_codes.h"
#include "model/text.h"
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

} // namespace radirav
