#include "model/equilibrium_choice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace radirav {
namespace {

// Flags as a word, in this order: ConstantVolatility, TableMode, AntoineMode, AlfaEntered,
// AntoineEntered, PointsEntered; 'T' set, 'F' cleared, '-' left as it was.
using FlagWord = const char*;
constexpr int kStartKind = 15; // the kind before the choice: a 15-point table
constexpr int kPoints = 12;    // the point count now in the table

struct ChoiceCase {
    const char* name;
    void (*action)(ProgramState&);
    FlagWord flags;
    int kindFromCleared; // EquilibriumKind afterwards, starting with every flag cleared
    int kindFromSet;     // ... starting with every flag set
};

ProgramState StartWith(bool flags) {
    ProgramState state;
    state.ConstantVolatility = state.TableMode = state.AntoineMode = flags;
    state.AlfaEntered = state.AntoineEntered = state.PointsEntered = flags;
    state.EquilibriumKind = kStartKind;
    state.EqPointCount = kPoints;
    return state;
}

std::string Word(const ProgramState& s) {
    std::string word;
    for (const bool flag :
         {s.ConstantVolatility, s.TableMode, s.AntoineMode, s.AlfaEntered, s.AntoineEntered, s.PointsEntered})
        word += flag ? 'T' : 'F';
    return word;
}

std::string Expected(FlagWord flags, bool start) {
    std::string word(flags);
    for (char& c : word) {
        if (c == '-')
            c = start ? 'T' : 'F';
    }
    return word;
}

class EquilibriumChoices : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(EquilibriumChoices, SetTheFlagsTheCalculationAndTheMenuRead) {
    for (const bool start : {false, true}) {
        ProgramState state = StartWith(start);
        GetParam().action(state);
        EXPECT_EQ(Word(state), Expected(GetParam().flags, start)) << "starting with flags " << start;
        EXPECT_EQ(state.EquilibriumKind, start ? GetParam().kindFromSet : GetParam().kindFromCleared)
            << "starting with flags " << start;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Choices, EquilibriumChoices,
    ::testing::Values(ChoiceCase{"ConstantAlfaBeforeTypingIt", ChooseConstantAlfa, "TFF---", 1, 1},
                      ChoiceCase{"ConstantVolatilityUsesAnEnteredAlfaOnly", ChooseConstantVolatility,
                                 "TFF---", kStartKind, 1},
                      ChoiceCase{"AlfaEntered", MarkAlfaEntered, "---T--", kStartKind, kStartKind},
                      ChoiceCase{"VariableVolatility", ChooseVariableVolatility, "F-----", kStartKind,
                                 kStartKind},
                      ChoiceCase{"AntoineConstants", ChooseAntoineConstants, "-FT---", 3, 3},
                      ChoiceCase{"AntoineEntryDone", FinishAntoineEntry, "--T-T-", 3, 3},
                      ChoiceCase{"TabulatedPoints", ChooseTabulatedPoints, "-TF---", kStartKind, kStartKind},
                      ChoiceCase{"PointsEntryDone", FinishPointsEntry, "-T---T", kStartKind, kStartKind},
                      ChoiceCase{"PointTableAccepted", AcceptPointTable, "------", kPoints, kPoints}),
    [](const auto& info) { return std::string(info.param.name); });

struct UseCase {
    const char* name;
    EquilibriumSource model;
    FlagWord flags;
    int kind;
};

class UsedEquilibrium : public ::testing::TestWithParam<UseCase> {};

// Whatever the flags were, the chosen model is named by them and is what the kind says; and
// the readiness test, asked again, finds that same model.
TEST_P(UsedEquilibrium, NamesTheModelInTheFlagsAndTheKind) {
    for (const bool start : {false, true}) {
        ProgramState state = StartWith(start);
        state.AlfaEntered = state.AntoineEntered = state.PointsEntered = true;
        ApplyEquilibrium(state, GetParam().model);
        EXPECT_EQ(Word(state).substr(0, 3), std::string(GetParam().flags)) << "starting with flags " << start;
        EXPECT_EQ(state.EquilibriumKind, GetParam().kind) << "starting with flags " << start;
        EXPECT_EQ(ReadyEquilibrium(state), GetParam().model) << "starting with flags " << start;
    }
}

INSTANTIATE_TEST_SUITE_P(Models, UsedEquilibrium,
                         ::testing::Values(UseCase{"ConstantAlfa", EquilibriumSource::ConstantAlfa, "TFF", 1},
                                           UseCase{"Antoine", EquilibriumSource::Antoine, "FFT", 3},
                                           UseCase{"Points", EquilibriumSource::Points, "FTF", kPoints}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ReadyCase {
    const char* name;
    FlagWord flags; // as StartWith's word; '-' is cleared here
    std::optional<EquilibriumSource> ready;
};

class ReadyForRecalculation : public ::testing::TestWithParam<ReadyCase> {};

TEST_P(ReadyForRecalculation, TestsAlfaThenAntoineThenPoints) {
    ProgramState state;
    bool* flags[] = {&state.ConstantVolatility, &state.TableMode,      &state.AntoineMode,
                     &state.AlfaEntered,        &state.AntoineEntered, &state.PointsEntered};
    for (int k = 0; k < 6; ++k)
        *flags[k] = GetParam().flags[k] == 'T';
    EXPECT_EQ(ReadyEquilibrium(state), GetParam().ready);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, ReadyForRecalculation,
    ::testing::Values(ReadyCase{"ConstantWithAlfa", "TFFTTT", EquilibriumSource::ConstantAlfa},
                      ReadyCase{"ConstantWithoutAlfaFallsToThePoints", "TFF-TT", EquilibriumSource::Points},
                      ReadyCase{"AntoineWithConstants", "F-TTTT", EquilibriumSource::Antoine},
                      ReadyCase{"AntoineWithoutConstantsFallsToThePoints", "F-TT-T",
                                EquilibriumSource::Points},
                      ReadyCase{"PointsMode", "FT-TTT", EquilibriumSource::Points},
                      ReadyCase{"NothingEntered", "TFT---", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct AlfaCase {
    const char* name;
    const char* typed;
    const char* text;
    double value;
    bool accepted;
};

class TypedAlfa : public ::testing::TestWithParam<AlfaCase> {};

TEST_P(TypedAlfa, IsStoredAsTextAndNumberAndAcceptedAboveOneUpToAMillion) {
    ProgramState state;
    EXPECT_EQ(StoreTypedAlfa(state, GetParam().typed), GetParam().accepted);
    EXPECT_EQ(state.AlfaText, GetParam().text);
    EXPECT_EQ(state.Alfa, std::optional<double>(GetParam().value));
    EXPECT_FALSE(state.AlfaEntered) << "only the caller knows the entry is over";
}

INSTANTIATE_TEST_SUITE_P(
    Typed, TypedAlfa,
    ::testing::Values(AlfaCase{"CommaIsADecimalPoint", "2,5", "2.5", 2.5, true},
                      AlfaCase{"OneIsRejected", "1", "1", 1.0, false},
                      AlfaCase{"HalfIsRejected", "0,5", "0.5", 0.5, false},
                      AlfaCase{"TextReadsAsZero", "текст", "текст", 0.0, false},
                      AlfaCase{"CancelledReadsAsZero", "", "0", 0.0, false},
                      AlfaCase{"JustAboveOneIsAccepted", "1.0000001", "1.0000001", 1.0000001, true},
                      AlfaCase{"AMillionIsAccepted", "1000000", "1000000", 1e6, true},
                      AlfaCase{"AboveAMillionIsRejected", "1000000,5", "1000000.5", 1000000.5, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace radirav
