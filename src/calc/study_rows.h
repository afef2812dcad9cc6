#pragma once

#include "calc/calc_stop.h"
#include "calc/column.h"
#include "model/program_state.h"

#include <optional>
#include <string_view>
#include <vector>

// A study of one input: the column of the student's case calculated again for a row of values of
// that input, everything else unchanged, and the ranges of the input in which the column works.
namespace radirav {

// What a study varies: one of the 28 parameters, the constant relative volatility, or the tray
// type.
enum class StudiedKind { Parameter, Alfa, TrayType };

struct StudiedInput {
    StudiedKind kind = StudiedKind::Parameter;
    int index = 0; // the parameter number 1..28 of a parameter
    bool operator==(const StudiedInput&) const = default;
};

inline constexpr StudiedInput kStudiedReflux{StudiedKind::Parameter, param::kR};

// The tray type as a study value: bubble-cap 0, sieve 1, in the order the menu offers them.
inline constexpr double kBubbleCapValue = 0, kSieveValue = 1;
const char* TrayTypeOfValue(double value);
double ValueOfTrayType(std::string_view trayType);

// The input of a case-file key, upper case ("F", "SUK", "ALFA", "TRAY"); none for another key.
std::optional<StudiedInput> StudiedInputOfKey(std::string_view key);
std::string_view KeyOfStudiedInput(StudiedInput input);

// Whether the calculation of the case reads the input: ALFA only on a case of constant
// volatility; the 28 parameters and the tray type always.
bool IsStudiedInputRead(const ProgramState& state, StudiedInput input);

// The value the student's case gives the input.
double StudentValue(const ProgramState& state, StudiedInput input);

// `state` with the input set to `value`: a parameter stored in single precision as the checks
// and the calculation read it, ALFA as a double, the tray type by its value. The texts typed
// stay as they were: the calculation does not read them.
void SetStudiedValue(ProgramState& state, StudiedInput input, double value);

// Whether a case file holding `value` for the input, the rest as in `state`, passes its checks:
// the range of the input and the order XW < XF <= XP of the compositions. `state` itself passes.
bool PassesInputCheck(const ProgramState& state, StudiedInput input, double value);

// `count` values spread evenly from `from` to `to`, both ends exact (one value is `from`).
std::vector<double> EvenValues(double from, double to, int count);
// `count` values spread evenly in log(value) from `from` to `to`, both positive.
std::vector<double> LogValues(double from, double to, int count);

// One column of a study.
struct StudyRow {
    double value = 0;
    CalcStop stop = CalcStop::None;
    StopCause cause = StopCause::None;
    int trays = 0;                       // RequiredTrays after a normal end, else 0
    int feed = 0;                        // FeedTray after a normal end (0 when no tray qualified), else 0
    std::optional<float> feedEfficiency; // Ea of the feed tray after a normal end with one
    int warnings = 0;                    // hydraulic warnings after a normal end
    bool Works() const { return stop == CalcStop::None; }
};

// The column of `state` with the input at `value`, as the results window would show it.
ColumnResult CalculateWith(const ProgramState& state, StudiedInput input, double value);

// One row per value, in the order given.
std::vector<StudyRow> StudyRows(const ProgramState& state, StudiedInput input,
                                const std::vector<double>& values);

// Values of the input from `from` to `to` whose columns all reach the top; from <= to.
struct ValueRange {
    double from = 0, to = 0;
    bool operator==(const ValueRange&) const = default;
};

// The pieces of a row of values in which the columns work, in ascending order of value. A piece
// ends at a row that works; between a working row and a failing neighbour the edge is found by
// bisection to a ten-thousandth of their distance, so it lies on a value that works. Rows of the
// tray type are not a scale: each working one is a piece of its own.
std::vector<ValueRange> FindWorkingRanges(const ProgramState& state, StudiedInput input,
                                          const std::vector<StudyRow>& rows);

} // namespace radirav
