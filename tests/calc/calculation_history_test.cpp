#include "calc/calculation_history.h"
#include "model/entry.h"
#include "model/equilibrium_choice.h"
#include "model/sample_data.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <gtest/gtest.h>

#include <ostream>

namespace radirav {

void PrintTo(const InputChange& change, std::ostream* out) {
    *out << "{what " << static_cast<int>(change.what) << ", index " << change.index << ", \"" << change.before
         << "\" -> \"" << change.after << "\", kind " << change.kindBefore << " -> " << change.kindAfter
         << "}";
}

namespace {

ProgramState WithAlfa(const char* typed) {
    ProgramState state = testing::SampleWithPoints();
    ChooseConstantAlfa(state);
    StoreTypedAlfa(state, typed);
    return state;
}

struct ChangeCase {
    const char* name;
    ProgramState (*before)();
    void (*change)(ProgramState&);
    std::vector<InputChange> expected;
};

class HistoryChanges : public ::testing::TestWithParam<ChangeCase> {};

// What the second of two calculations lists as changed since the first. The tray counts do not
// matter here, so both calculations are noted with one result.
TEST_P(HistoryChanges, NameWhatTheCalculationReadsDifferently) {
    ProgramState state = GetParam().before();
    const ColumnResult result;
    CalculationHistory history;
    history.Add(state, result);
    GetParam().change(state);
    const CalculationRecord& second = history.Add(state, result);
    EXPECT_EQ(second.number, 2);
    EXPECT_EQ(second.changes, GetParam().expected);
    EXPECT_TRUE(history.Records().front().changes.empty());
}

using What = ChangedInput;

INSTANTIATE_TEST_SUITE_P(
    Session, HistoryChanges,
    ::testing::Values(ChangeCase{
                          "nothing", [] { return testing::SampleWithPoints(); }, [](ProgramState&) {}, {}},
                      ChangeCase{"feed typed anew",
                                 [] { return testing::SampleWithPoints(); },
                                 [](ProgramState& s) { EnterParamValue(s, param::kF, "5,51"); },
                                 {{What::Parameter, param::kF, "2.78", "5.51"}}},
                      ChangeCase{"same value typed differently",
                                 [] { return testing::SampleWithPoints(); },
                                 [](ProgramState& s) { EnterParamValue(s, param::kF, "2.780"); },
                                 {}},
                      ChangeCase{"two parameters in the order of the table",
                                 [] { return testing::SampleWithPoints(); },
                                 [](ProgramState& s) {
                                     EnterParamValue(s, param::kFirstStripping + param::kS, "0.4");
                                     EnterParamValue(s, param::kR, "6");
                                 },
                                 {{What::Parameter, param::kR, "5.25", "6"},
                                  {What::Parameter, param::kFirstStripping + param::kS, "0.3602", "0.4"}}},
                      ChangeCase{"tray type",
                                 [] { return testing::SampleWithPoints(); },
                                 [](ProgramState& s) { s.TrayType = "S"; },
                                 {{What::TrayType, 0, "K", "S"}}},
                      ChangeCase{"points to alfa",
                                 [] { return testing::SampleWithPoints(); },
                                 [](ProgramState& s) {
                                     ChooseConstantAlfa(s);
                                     StoreTypedAlfa(s, "10");
                                 },
                                 {{What::Equilibrium, 0, "", "10", 15, kKindConstantAlfa}}},
                      ChangeCase{"alfa typed anew",
                                 [] { return WithAlfa("10"); },
                                 [](ProgramState& s) { StoreTypedAlfa(s, "12,5"); },
                                 {{What::Alfa, 0, "10", "12.5"}}},
                      ChangeCase{"alfa to antoine",
                                 [] { return WithAlfa("10"); },
                                 [](ProgramState& s) {
                                     ChooseVariableVolatility(s);
                                     FinishAntoineEntry(s);
                                 },
                                 {{What::Equilibrium, 0, "10", "", kKindConstantAlfa, kKindAntoine}}},
                      ChangeCase{"antoine constant",
                                 [] { return testing::SampleWithAntoine(); },
                                 [](ProgramState& s) { EnterAntoineValue(s, 4, "12.5"); },
                                 {{What::AntoineConstant, 4, "12", "12.5"}}},
                      ChangeCase{"antoine to the sample points",
                                 [] { return testing::SampleWithAntoine(); },
                                 [](ProgramState& s) { UseSampleTabulatedEquilibrium(s); },
                                 {{What::Equilibrium, 0, "", "", kKindAntoine, 15}}},
                      ChangeCase{"one point moved",
                                 [] { return testing::SampleWithPoints(); },
                                 [](ProgramState& s) { s.EqY[3] = 0.45f; },
                                 {{What::Points, 0, "", "", 15, 15}}},
                      ChangeCase{"a point added",
                                 [] { return testing::SampleWithPoints(); },
                                 [](ProgramState& s) {
                                     s.EqPointCount = 16;
                                     AcceptPointTable(s);
                                 },
                                 {{What::Points, 0, "", "", 15, 16}}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

} // namespace
} // namespace radirav
