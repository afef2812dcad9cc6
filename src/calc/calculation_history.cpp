#include "calc/calculation_history.h"

namespace radirav {

const CalculationRecord& CalculationHistory::Add(const ProgramState& state, const ColumnResult& result) {
    Input input = InputOf(state);
    CalculationRecord record;
    record.number = static_cast<int>(records_.size()) + 1;
    if (!records_.empty())
        record.changes = Changes(last_, input);
    record.trayType = input.trayType;
    record.equilibriumKind = input.kind;
    record.stop = result.stop;
    if (result.stop == CalcStop::None) {
        record.trays = result.requiredTrays;
        record.feed = result.feedTray;
        record.warnings = result.warnings;
    }
    last_ = std::move(input);
    records_.push_back(std::move(record));
    return records_.back();
}

CalculationHistory::Input CalculationHistory::InputOf(const ProgramState& state) {
    Input input;
    for (int i = 1; i <= param::kCount; ++i) {
        input.values[i] = state.InputParams[i].Value;
        input.texts[i] = state.InputValueTexts[i];
    }
    input.trayType = state.TrayType;
    input.kind = state.EquilibriumKind.value_or(0);
    if (input.kind == kKindConstantAlfa) {
        input.alfa = state.Alfa.value_or(0.0);
        input.alfaText = state.AlfaText;
    } else if (input.kind == kKindAntoine) {
        for (int i = 1; i <= 6; ++i) {
            input.antoine[i] = state.AntoineValues[i];
            input.antoineTexts[i] = state.AntoineTexts[i];
        }
    } else {
        for (int i = 1; i <= state.EqPointCount; ++i)
            input.points.emplace_back(state.EqX[i], state.EqY[i]);
    }
    return input;
}

// A value counts as changed when the calculation reads another number; a value typed again
// differently ("2.780" for "2.78") is no change.
std::vector<InputChange> CalculationHistory::Changes(const Input& before, const Input& after) {
    std::vector<InputChange> changes;
    for (int i = 1; i <= param::kCount; ++i) {
        if (before.values[i] != after.values[i])
            changes.push_back({ChangedInput::Parameter, i, before.texts[i], after.texts[i]});
    }
    if (before.trayType != after.trayType)
        changes.push_back({ChangedInput::TrayType, 0, before.trayType, after.trayType});
    const bool table = after.kind != kKindConstantAlfa && after.kind != kKindAntoine;
    const bool tableBefore = before.kind != kKindConstantAlfa && before.kind != kKindAntoine;
    if (table != tableBefore || (!table && before.kind != after.kind)) {
        changes.push_back(
            {ChangedInput::Equilibrium, 0, before.alfaText, after.alfaText, before.kind, after.kind});
    } else if (after.kind == kKindConstantAlfa && before.alfa != after.alfa) {
        changes.push_back({ChangedInput::Alfa, 0, before.alfaText, after.alfaText});
    } else if (after.kind == kKindAntoine) {
        for (int i = 1; i <= 6; ++i) {
            if (before.antoine[i] != after.antoine[i])
                changes.push_back(
                    {ChangedInput::AntoineConstant, i, before.antoineTexts[i], after.antoineTexts[i]});
        }
    } else if (table && before.points != after.points) {
        changes.push_back({ChangedInput::Points, 0, "", "", before.kind, after.kind});
    }
    return changes;
}

} // namespace radirav
