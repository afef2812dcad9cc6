#pragma once

#include "calc/column.h"
#include "model/program_state.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One tray worked out step by step, in Russian, with the tray's own numbers: the sheet a student
// checks a hand calculation against. Every figure is the one the column calculated.
namespace radirav {

// How a result stands against the usual design window of its quantity, or that the calculation
// stopped on it.
enum class StepMark { None, Inside, Outside, Stop };

struct WorkedStep {
    std::string what;    // what the quantity is, with its unit
    std::string formula; // "λ = α·V/L·k²"
    std::string numbers; // the formula with the tray's numbers put in: "9,4113·0,034101/0,18316·0,99808²"
    std::string result;  // "1,7456", with its unit when it has one
    StepMark mark = StepMark::None;
    std::string note{}; // the usual window and what lies outside it, or why the calculation stopped
};

struct WorkedTray {
    int number = 0;
    std::string title;                   // which tray, of how many, and what is special about it
    std::string section;                 // whose parameters and operating line it used
    std::vector<WorkedStep> inputs;      // the liquid, the vapour entering, alpha, T and the flows
    std::vector<std::string> parameters; // the section's parameters and the column-wide values
    std::vector<WorkedStep> steps;       // the tray model, k to the vapour leaving
    std::string stop;                    // why the column stopped, when it did; else empty
};

// Tray `number` of the column `result` of the input `state`, up to the step that stopped it when
// the calculation stopped on it; none when the column never got to it. Numbers are written with
// `decimalSeparator`.
std::optional<WorkedTray> WorkTray(const ProgramState& state, const ColumnResult& result, int number,
                                   char decimalSeparator = '.');

// `text` broken into lines: the first no wider than `firstWidth`, the others than `restWidth`, as
// `measure` measures. A formula breaks where a reader expects it: before " = ", else before a plus
// or minus in as few brackets as possible, else at a blank in as few brackets as possible; a word
// longer than a line is left whole.
std::vector<std::string> BreakLine(const std::string& text, double firstWidth, double restWidth,
                                   const std::function<double(std::string_view)>& measure);

// The worked tray as text lines of at most `width` characters (longer formulas wrap at an
// operator): a heading with the student, the system, `dateText` and the tray, then each step as a
// line with its name and lines with the formula, the numbers and the result.
std::vector<std::string> WorkedTrayLines(const WorkedTray& tray, const ProgramState& state,
                                         const std::string& dateText, std::size_t width = 100);

} // namespace radirav
