#pragma once

#include "calc/column.h"
#include "calc/input_study.h"
#include "model/program_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The words of a study of one input, shared by the batch calculator and the diagram window.
namespace radirav {

// The input's name from the parameter table, with its section for a section's parameter:
// "ДЛИНА ПЕРЕЛИВА, М (укрепляющая часть)".
std::string StudiedInputLabel(const ProgramState& state, StudiedInput input);

// A value as a row shows it: a parameter as its shortest single-precision decimal, ALFA as its
// shortest double, the tray type as K or S.
std::string StudyValueText(StudiedInput input, double value);

// A number of a header to four significant digits, without trailing zeros: 3.27351 -> "3.274".
std::string FourDigits(double value);

// Why a case file would refuse `value` (written as `typed`) for the input, in the reader's words
// and after the key: "F: «0» вне диапазона; допустимо 0 < F <= 100"; none when it passes.
std::optional<std::string> StudyValueFault(const ProgramState& state, StudiedInput input, double value,
                                           std::string_view typed);

// ALFA is studied on a case of constant volatility only: why this case has none.
std::string AlfaNotStudiedText(const ProgramState& state);

// "исследование F - РАСХОД ИСХОДНОЙ СМЕСИ, КГ/С: 21 значение от 2 до 4; в варианте 2.78"
std::string StudyTitle(const ProgramState& state, const InputStudy& study);

// Where the columns work, all pieces named: "колонна работает при F от 2 до 3.14 и от 3.3 до 4".
std::string WorkingText(const InputStudy& study);

// "минимальное флегмовое число 3.274 (асимптота числа тарелок)"
std::string MinimumRefluxText(double minimumReflux);

// "оптимальное флегмовое число 4.12 (наименьшее N·(R + 1) = 210 при N = 41), R/Rmin = 1.26"
std::string OptimumText(const RefluxOptimum& optimum);

// How far the student's R lies from the optimum: "R варианта 5.25 на 27 % больше оптимального";
// from twice the optimum on as a ratio, "R варианта 5.25 больше оптимального, R/Rопт = 3.2".
std::string StudentRefluxText(double studentR, const RefluxOptimum& optimum);

// The input as the choice of a study offers it: "F — РАСХОД ИСХОДНОЙ СМЕСИ, КГ/С".
std::string StudyChoiceText(const ProgramState& state, StudiedInput input);

// The input's value as a mark on its plot names it: "F = 2.78", "тарелки ситчатые".
std::string StudyValueMark(StudiedInput input, double value);

// The study in words under its plot: for the reflux ratio how far the student's R lies from the
// optimum and the optimum itself; for any other input, or a reflux study without an optimum,
// where the columns work.
std::vector<std::string> StudyWords(const InputStudy& study);

// The figures of the column of one value of the input: "F = 2.5: тарелок 45, питание на
// тарелке 12", then the stop and why, or each hydraulic warning, or that there are none.
std::vector<std::string> StudyColumnText(StudiedInput input, double value, const ColumnResult& column);

} // namespace radirav
