#pragma once

#include "model/program_state.h"

#include <optional>
#include <string_view>

// The equilibrium choice: the flags every screen changes when the student picks how the
// vapour-liquid equilibrium is given (constant ALFA, Antoine constants or tabulated points) and
// when that data has been entered. EquilibriumKind is what the calculation reads: 1 constant
// ALFA, 3 Antoine constants, otherwise the number of tabulated points.
namespace radirav {

// The student is about to type a constant ALFA: constant volatility, kind 1.
void ChooseConstantAlfa(ProgramState& state);

// The change menu's "constant volatility": as ChooseConstantAlfa, but the kind becomes 1 only
// when an ALFA has been entered, so that a recalculation uses the equilibrium the menu shows.
void ChooseConstantVolatility(ProgramState& state);

// A typed ALFA: NormalizeDecimalText into AlfaText, Val into Alfa. True when 1 < ALFA <= 1000000.
bool StoreTypedAlfa(ProgramState& state, std::string_view answer);
void MarkAlfaEntered(ProgramState& state);

void ChooseVariableVolatility(ProgramState& state);

// Ideal mixture: Antoine constants are the current model, kind 3.
void ChooseAntoineConstants(ProgramState& state);
// All six constants typed: they exist from now on and are the model of the next calculation.
void FinishAntoineEntry(ProgramState& state);

// Non-ideal mixture: tabulated points are the current model (the kind follows on acceptance).
void ChooseTabulatedPoints(ProgramState& state);
void FinishPointsEntry(ProgramState& state);
// The checked table becomes the equilibrium of the calculation: kind = its point count.
void AcceptPointTable(ProgramState& state);

// The three ways the equilibrium is given.
enum class EquilibriumSource { ConstantAlfa, Antoine, Points };

// The equilibrium a recalculation from the change menu is ready to use, tested in this order:
// constant volatility with an ALFA entered, the Antoine model with its constants entered,
// points entered; none when no test holds.
std::optional<EquilibriumSource> ReadyEquilibrium(const ProgramState& state);

// The data of `source` (ALFA, the six constants or the point table, already in the state) are
// entered and make the equilibrium of the next calculation: the choice flags name it, its data
// count as entered, and the kind the calculation reads follows them. The case reader, the
// variants and the change menu's recalculation all apply a choice through this.
void ApplyEquilibrium(ProgramState& state, EquilibriumSource source);

} // namespace radirav
