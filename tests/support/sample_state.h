#pragma once

#include "model/checks.h"
#include "model/equilibrium_choice.h"
#include "model/program_state.h"
#include "model/sample_data.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace radirav::testing {

// The sample data set ready for the calculation with its 15 tabulated points.
inline ProgramState SampleWithPoints(const std::string& trayType = "K") {
    ProgramState state;
    LoadSampleData(state);
    UseSampleTabulatedEquilibrium(state);
    state.TrayType = trayType;
    return state;
}

// The sample with a table of its own (mole fractions x, y in ascending order), accepted as the
// check screen accepts one.
inline ProgramState SampleWithTable(std::initializer_list<std::pair<float, float>> points,
                                    const std::string& trayType = "K") {
    ProgramState state = SampleWithPoints(trayType);
    state.EqPointCount = static_cast<int>(points.size());
    state.EquilibriumKind = state.EqPointCount;
    int i = 0;
    for (const auto& [x, y] : points) {
        ++i;
        state.EqX[i] = x;
        state.EqY[i] = y;
        state.EqAlfa[i] = (1 - x) * y / x / (1 - y);
    }
    return state;
}

// Eight points that end at x = 0.7 (y = 0.9605), well short of the sample's distillate.
inline ProgramState SampleWithShortTable() {
    return SampleWithTable({{0.05f, 0.5f},
                            {0.1f, 0.7f},
                            {0.2f, 0.85f},
                            {0.3f, 0.9f},
                            {0.4f, 0.93f},
                            {0.5f, 0.95f},
                            {0.6f, 0.96f},
                            {0.7f, 0.9605f}});
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

// The sample as the entry screens leave it: ALFA = 10 typed and accepted, the points or the
// Antoine constants entered to their end.
inline ProgramState SampleEnteredWithAlfa10() {
    ProgramState state = SampleWithAlfa(10.0);
    StoreTypedAlfa(state, "10");
    MarkAlfaEntered(state);
    return state;
}

inline ProgramState SampleEnteredWithPoints() {
    ProgramState state = SampleWithPoints();
    FinishPointsEntry(state);
    return state;
}

inline ProgramState SampleEnteredWithAntoine() {
    ProgramState state = SampleWithAntoine();
    FinishAntoineEntry(state);
    return state;
}

} // namespace radirav::testing
