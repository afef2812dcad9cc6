#include "model/entry.h"

#include "model/text.h"
#include "model/val.h"

namespace radirav {

namespace {

void EnterCoordinate(std::string& text, float& value, std::string_view answer) {
    text = NormalizeDecimalText(answer);
    value = ToSingle(Val(text));
    if (value > 1.0f || value < 0.0f)
        text = kOutOfRangeMarker;
}

} // namespace

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

void EnterPointX(ProgramState& state, int index, std::string_view answer) {
    EnterCoordinate(state.EqXText[index], state.EqX[index], answer);
}

void EnterPointY(ProgramState& state, int index, std::string_view answer) {
    EnterCoordinate(state.EqYText[index], state.EqY[index], answer);
}

} // namespace radirav
