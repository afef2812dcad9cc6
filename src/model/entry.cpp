#include "model/entry.h"

#include "model/text.h"
#include "model/val.h"

namespace radirav {

void EnterParamValue(ProgramState& state, int index, std::string_view answer) {
    state.InputValueTexts[index] = NormalizeDecimalText(answer);
    state.InputParams[index].Value = ToSingle(Val(state.InputValueTexts[index]));
}

std::string ParamLine(const ProgramState& state, int index) {
    const std::string& label = state.InputParams[index].Label;
    return label + PadSpaces(label, 62) + state.InputValueTexts[index];
}

void EnterAntoineValue(ProgramState& state, int index, std::string_view answer) {
    state.AntoineTexts[index] = NormalizeDecimalText(answer);
    state.AntoineValues[index] = ToSingle(Val(state.AntoineTexts[index]));
}

} // namespace radirav
