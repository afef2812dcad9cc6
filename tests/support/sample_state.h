#pragma once

#include "model/checks.h"
#include "model/program_state.h"
#include "model/sample_data.h"

#include <string>

namespace radirav::testing {

// The sample data set ready for the calculation with its 15 tabulated points.
inline ProgramState SampleWithPoints(const std::string& trayType = "K") {
    ProgramState state;
    LoadSampleData(state);
    UseSampleTabulatedEquilibrium(state);
    state.TrayType = trayType;
    return state;
}

inline ProgramState SampleWithAlfa(double alfa, const std::string& trayType = "K") {
    ProgramState state;
    LoadSampleData(state);
    state.EquilibriumKind = kKindConstantAlfa;
    state.Alfa = alfa;
    state.AlfaText = std::to_string(alfa);
    state.ConstantVolatility = true;
    state.TrayType = trayType;
    return state;
}

inline ProgramState SampleWithAntoine(const std::string& trayType = "K") {
    ProgramState state;
    LoadSampleData(state);
    state.EquilibriumKind = kKindAntoine;
    state.AntoineMode = true;
    state.TrayType = trayType;
    return state;
}

} // namespace radirav::testing
