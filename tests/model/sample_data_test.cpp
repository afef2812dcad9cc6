#include "model/entry.h"
#include "model/param_codes.h"
#include "model/sample_data.h"
#include "model/text.h"
#include "model/val.h"

#include <gtest/gtest.h>

namespace radirav {
namespace {

TEST(LoadSampleData, FillsTheEthanolWaterSet) {
    ProgramState state;
    LoadSampleData(state);
    EXPECT_EQ(state.InputParams[9].Value, 2.63e-5f);
    EXPECT_EQ(state.InputValueTexts[9], "0.0000263");
    EXPECT_EQ(state.EqPointCount, 15);
    EXPECT_EQ(state.EqX[15], 0.8943f);
    EXPECT_EQ(state.EqY[15], 0.8943f);
    EXPECT_EQ(state.EqXText[16], "0.917");
    EXPECT_EQ(state.EqX[16], 0.0f) << "points beyond the count keep their previous contents";
    EXPECT_EQ(state.EqXText[21], "");
    EXPECT_EQ(state.SystemName, "Этанол-Вода");
    EXPECT_EQ(state.StudentName.front(), ' ');
    EXPECT_EQ(state.AntoineValues[3], -120.0f);
    EXPECT_FALSE(state.EquilibriumKind.has_value());
    EXPECT_TRUE(state.TrayType.empty());
}

TEST(LoadSampleData, KeepsTextAndValueInAgreement) {
    ProgramState state;
    LoadSampleData(state);
    for (int i = 1; i <= param::kCount; ++i)
        EXPECT_EQ(state.InputParams[i].Value, ToSingle(Val(state.InputValueTexts[i]))) << "parameter " << i;
}

TEST(LoadSampleData, LabelsHaveTheirFixedWidths) {
    ProgramState state;
    LoadSampleData(state);
    for (int i = 1; i <= param::kCount; ++i) {
        const std::size_t expected = (i <= 9 || i == 11 || i == 12) ? 48u : 47u;
        EXPECT_EQ(CharCount(state.InputParams[i].Label), expected) << "parameter " << i;
        EXPECT_EQ(state.InputParams[i].Code.size(), 4u) << "parameter " << i;
    }
    EXPECT_EQ(state.InputParams[21].Label, state.InputParams[13].Label);
    EXPECT_EQ(state.InputParams[21].Code, "LSIS");
    EXPECT_EQ(state.InputParams[13].Code, "LSUK");
    EXPECT_EQ(CharCount(state.ResultLabels[5]), 40u);
    EXPECT_EQ(CharCount(state.ResultLabels[1]), 38u);
    EXPECT_EQ(CharCount(state.ResultLabels[14]), 39u);
}

} // namespace
} // namespace radirav

namespace radirav {
namespace {

TEST(ParamLine, PutsEveryValueInColumn63) {
    ProgramState state;
    LoadSampleData(state);
    EnterParamValue(state, 10, "750,5");
    for (const int i : {1, 10, 13, 28}) {
        const std::string line = ParamLine(state, i);
        EXPECT_EQ(CharCount(line), 62u + CharCount(state.InputValueTexts[i])) << i;
    }
    EXPECT_EQ(ParamLine(state, 10).substr(ParamLine(state, 10).size() - 5), "750.5");
}

} // namespace
} // namespace radirav

namespace radirav {
namespace {

TEST(ParamCodes, EachCaseFileKeyNamesItsOwnParameter) {
    ProgramState state;
    LoadSampleData(state);
    for (int i = 1; i <= param::kCount; ++i) {
        EXPECT_EQ(ParamIndexOfKey(ParamKey(i)), i) << "two parameters share the key " << ParamKey(i);
        EXPECT_EQ(TrimBlanks(state.InputParams[i].Code), ParamKey(i)) << i;
    }
    EXPECT_EQ(state.InputParams[10].Code, "PRES");
    EXPECT_EQ(state.InputParams[28].Code, " EIS");
    EXPECT_EQ(ParamIndexOfKey("X"), 0);
}

} // namespace
} // namespace radirav
