#pragma once

#include "calc/calc_stop.h"
#include "calc/column.h"
#include "calc/hydraulics.h"
#include "model/program_state.h"

#include <array>
#include <string>
#include <vector>

// The calculations of one session side by side: what the student changed before each one and
// what it gave. Kept in memory by whoever runs the screens for as long as the program runs; it
// is no part of the input and never written to a case file.
namespace radirav {

enum class ChangedInput {
    Parameter,       // one of the 28 parameters
    TrayType,        // K or S
    Equilibrium,     // the kind: constant ALFA, Antoine constants or a table of points
    Alfa,            // the constant relative volatility, the kind unchanged
    AntoineConstant, // one of A1 .. C2, the kind unchanged
    Points,          // the table of points, the kind (a table) unchanged
};

// One change since the calculation before, the values as the student typed them.
struct InputChange {
    ChangedInput what = ChangedInput::Parameter;
    int index = 0; // the parameter 1..28, or the Antoine constant 1..6
    std::string before, after;
    // EquilibriumKind before and after: 1 constant ALFA, 3 Antoine constants, otherwise the
    // number of points (an equilibrium change and a change of the table).
    int kindBefore = 0, kindAfter = 0;
    bool operator==(const InputChange&) const = default;
};

struct CalculationRecord {
    int number = 0;                   // 1 for the first calculation of the session
    std::vector<InputChange> changes; // in the order of the input; empty for the first
    std::string trayType;
    int equilibriumKind = 0;
    CalcStop stop = CalcStop::None;
    int trays = 0; // after a normal end, else 0
    int feed = 0;  // after a normal end, else 0
    std::vector<HydraulicWarning> warnings;
};

class CalculationHistory {
public:
    // Notes the calculation just made from the input of `state`, and what changed since the one
    // before it.
    const CalculationRecord& Add(const ProgramState& state, const ColumnResult& result);
    const std::vector<CalculationRecord>& Records() const { return records_; }

private:
    // What a calculation read of the input: values to compare, texts to show.
    struct Input {
        std::array<float, param::kCount + 1> values{};
        std::array<std::string, param::kCount + 1> texts;
        std::string trayType;
        int kind = 0;
        double alfa = 0;
        std::string alfaText;
        std::array<float, 7> antoine{};
        std::array<std::string, 7> antoineTexts;
        std::vector<std::pair<float, float>> points;
    };
    static Input InputOf(const ProgramState& state);
    static std::vector<InputChange> Changes(const Input& before, const Input& after);

    std::vector<CalculationRecord> records_;
    Input last_;
};

} // namespace radirav
