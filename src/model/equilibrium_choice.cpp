#include "model/equilibrium_choice.h"

#include "model/checks.h"
#include "model/text.h"
#include "model/val.h"

namespace radirav {

namespace {

void SetConstantVolatility(ProgramState& state) {
    state.ConstantVolatility = true;
    state.TableMode = false;
    state.AntoineMode = false;
}

} // namespace

void ChooseConstantAlfa(ProgramState& state) {
    SetConstantVolatility(state);
    state.EquilibriumKind = kKindConstantAlfa;
}

void ChooseConstantVolatility(ProgramState& state) {
    SetConstantVolatility(state);
    if (state.AlfaEntered)
        state.EquilibriumKind = kKindConstantAlfa;
}

bool StoreTypedAlfa(ProgramState& state, std::string_view answer) {
    state.AlfaText = NormalizeDecimalText(answer);
    state.Alfa = Val(state.AlfaText);
    return IsAlfaInRange(*state.Alfa);
}

void MarkAlfaEntered(ProgramState& state) {
    state.AlfaEntered = true;
}

void ChooseVariableVolatility(ProgramState& state) {
    state.ConstantVolatility = false;
}

void ChooseAntoineConstants(ProgramState& state) {
    state.AntoineMode = true;
    state.TableMode = false;
    state.EquilibriumKind = kKindAntoine;
}

void FinishAntoineEntry(ProgramState& state) {
    state.AntoineMode = true;
    state.AntoineEntered = true;
    state.EquilibriumKind = kKindAntoine;
}

void ChooseTabulatedPoints(ProgramState& state) {
    state.TableMode = true;
    state.AntoineMode = false;
}

void FinishPointsEntry(ProgramState& state) {
    state.TableMode = true;
    state.PointsEntered = true;
}

void AcceptPointTable(ProgramState& state) {
    state.EquilibriumKind = state.EqPointCount;
}

std::optional<EquilibriumSource> ReadyEquilibrium(const ProgramState& state) {
    if (state.ConstantVolatility && state.AlfaEntered)
        return EquilibriumSource::ConstantAlfa;
    if (state.AntoineMode && state.AntoineEntered)
        return EquilibriumSource::Antoine;
    if (state.PointsEntered)
        return EquilibriumSource::Points;
    return std::nullopt;
}

void ApplyEquilibrium(ProgramState& state, EquilibriumSource source) {
    switch (source) {
    case EquilibriumSource::ConstantAlfa:
        ChooseConstantAlfa(state);
        MarkAlfaEntered(state);
        return;
    case EquilibriumSource::Antoine:
        ChooseVariableVolatility(state);
        ChooseAntoineConstants(state);
        FinishAntoineEntry(state);
        return;
    case EquilibriumSource::Points:
        ChooseVariableVolatility(state);
        ChooseTabulatedPoints(state);
        FinishPointsEntry(state);
        AcceptPointTable(state);
        return;
    }
}

} // namespace radirav
