#pragma once

#include "calc/calculation_history.h"

#include <array>
#include <string>
#include <vector>

// The session's calculations as the comparison window shows, prints and copies them.
namespace radirav {

// One change in words: "F: 2.78 → 5.51", "тарелки: колпачковые → ситчатые",
// "равновесие: 15 равновесных точек → ALFA = 10".
std::string ChangeText(const InputChange& change);

// Columns: number, what changed, trays, feed tray, the stop or the warnings.
using HistoryRow = std::array<std::string, 5>;
HistoryRow HistoryHeader();

// One row per calculation, oldest first. The changes are joined by "; "; the first calculation
// reads "исходные данные", a repeat without changes "без изменений". A stopped column leaves
// trays and feed empty and gives the results window's message; a finished one its warnings
// (the first and how many more), or "без замечаний".
std::vector<HistoryRow> HistoryRows(const std::vector<CalculationRecord>& records);

// The header and the rows, cells separated by tabs and rows by line feeds, as a spreadsheet
// pastes them.
std::string HistoryCopyText(const std::vector<CalculationRecord>& records);

// The comparison on paper, one print document in the report's fixed-pitch font: the student and
// `dateText` as the report heads its page, the system, a title, then the table with every cell
// broken between words inside its column, no line wider than the report's results table.
std::vector<std::string> HistoryPrintLines(const ProgramState& state,
                                           const std::vector<CalculationRecord>& records,
                                           const std::string& dateText);

} // namespace radirav
