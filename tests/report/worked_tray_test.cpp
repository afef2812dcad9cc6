#include "calc/column.h"
#include "model/entry.h"
#include "model/text.h"
#include "report/results_text.h"
#include "report/stop_text.h"
#include "report/worked_tray.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace radirav {
namespace {

// The number a worked step's result starts with, as a student reads it.
double Figure(std::string text) {
    text = text.substr(0, text.find(' '));
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{"−", "-"}, {"·10^", "e"}, {",", "."}}) {
        for (std::size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, from.size(), to);
    }
    return std::strtod(text.c_str(), nullptr);
}

// The step whose formula defines `symbol` ("w" finds "w = V·Mп/ρп/S").
const WorkedStep* StepOf(const WorkedTray& tray, const std::string& symbol) {
    for (const WorkedStep& step : tray.steps) {
        if (step.formula.rfind(symbol + " = ", 0) == 0)
            return &step;
    }
    return nullptr;
}

// The printed report's table: label and the three cells of each row.
std::vector<std::vector<double>> ReportCells(const ProgramState& state) {
    std::vector<std::vector<double>> rows;
    const std::vector<std::string> lines = ResultsTableLines(state);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        std::vector<double> cells;
        std::stringstream line(lines[i]);
        std::string cell;
        for (int column = 0; std::getline(line, cell, '|'); ++column) {
            if (column >= 2 && !TrimBlanks(cell).empty())
                cells.push_back(std::strtod(cell.c_str(), nullptr));
        }
        rows.push_back(cells);
    }
    return rows;
}

// Trays 1, 10 and 59 of the sample are the bottom, feed and top columns of the printed report:
// each step of the twelve rows shows the figure the report prints, to the report's four decimals
// and the worked tray's five significant digits.
TEST(WorkedTray, SampleTraysOneTenAndFiftyNineGiveThePrintedReportsFigures) {
    ProgramState state = testing::SampleWithPoints();
    const ColumnResult result = CalculateAndStore(state);
    ASSERT_EQ(result.requiredTrays, 59);
    ASSERT_EQ(result.feedTray, 10);
    const std::vector<std::vector<double>> cells = ReportCells(state);
    const char* const kRowSymbols[] = {"w", "F", "q", "h", "τ", "Sc", "NL", "NG", "NOG", "EOG", "EMV", "Ea"};
    ASSERT_EQ(cells.size(), std::size(kRowSymbols));
    const int trays[] = {1, 10, 59};
    for (std::size_t column = 0; column < 3; ++column) {
        const std::optional<WorkedTray> tray = WorkTray(state, result, trays[column]);
        ASSERT_TRUE(tray);
        for (std::size_t row = 0; row < cells.size(); ++row) {
            const WorkedStep* step = StepOf(*tray, kRowSymbols[row]);
            ASSERT_NE(step, nullptr) << kRowSymbols[row];
            const double shown = Figure(step->result);
            EXPECT_NEAR(shown, cells[row][column], 5e-5 + 5e-5 * std::fabs(shown))
                << kRowSymbols[row] << " of tray " << trays[column];
        }
    }
}

// No line of the sheet is longer than the page allows, whatever the tray.
TEST(WorkedTray, LinesFitTheWidth) {
    ProgramState state = testing::SampleWithPoints();
    state.StudentName = "Иванова Мария Степановна, гр. ХТ-21";
    const ColumnResult result = CalculateAndStore(state);
    for (int number = 1; number <= result.requiredTrays; ++number) {
        for (const std::string& line : WorkedTrayLines(*WorkTray(state, result, number, ','), state,
                                                       "07 декабря 2026г.        14:35:12", 100))
            EXPECT_LE(CharCount(line), 100u) << "tray " << number << ": " << line;
    }
}

ProgramState SampleWith(ProgramState state, std::initializer_list<std::pair<int, const char*>> answers) {
    for (const auto& [index, text] : answers)
        EnterParamValue(state, index, text);
    return state;
}

struct StopCase {
    const char* name;
    ProgramState state;
    int tray;                // the tray worked out; 0 for the one the calculation stopped on
    std::string lastFormula; // how the formula of the last step shown begins
    bool markedStop;         // that step is the one the calculation stopped on
};

class WorkedTrayOfAStoppedColumn : public ::testing::TestWithParam<StopCase> {};

// A stop on a tray shows the steps up to the one that stopped it, which carries the stop's words;
// a whole tray below it shows all its steps, and the stop after them.
TEST_P(WorkedTrayOfAStoppedColumn, EndsWhereTheCalculationStopped) {
    const StopCase& c = GetParam();
    const ColumnResult result = CalculateColumn(c.state);
    ASSERT_NE(result.stop, CalcStop::None);
    const int number = c.tray > 0 ? c.tray : result.reason.tray;
    const std::optional<WorkedTray> tray = WorkTray(c.state, result, number);
    ASSERT_TRUE(tray);
    const std::vector<WorkedStep>& shown = tray->steps.empty() ? tray->inputs : tray->steps;
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().formula.rfind(c.lastFormula, 0), 0u) << shown.back().formula;
    EXPECT_EQ(shown.back().mark == StepMark::Stop, c.markedStop);
    EXPECT_EQ(tray->stop, StopReasonText(result.reason));
    if (c.markedStop) {
        EXPECT_EQ(shown.back().note, StopReasonText(result.reason));
    }
    EXPECT_FALSE(WorkTray(c.state, result, number + (c.markedStop ? 1 : 300)));
}

INSTANTIATE_TEST_SUITE_P(
    Stops, WorkedTrayOfAStoppedColumn,
    ::testing::Values(
        StopCase{"BlownOffTrayStopsAtItsClearLiquid",
                 SampleWith(testing::SampleWithPoints(), {{param::kR, "20"}}), 26, "h = ", true},
        StopCase{"WholeTrayBelowTheStopShowsEveryStep",
                 SampleWith(testing::SampleWithPoints(), {{param::kR, "20"}}), 25, "yвых = ", false},
        StopCase{"LiquidOfATrayPastTheTableStopsAtTheVolatility",
                 testing::SampleWithTable({{0.2337f, 0.0f},
                                           {0.2608f, 0.558f},
                                           {0.3273f, 0.5826f},
                                           {0.3965f, 0.6122f},
                                           {0.5198f, 0.6599f},
                                           {0.5732f, 0.6841f},
                                           {0.6763f, 0.7385f},
                                           {0.8943f, 0.8943f}}),
                 1, "α", true},
        StopCase{"VapourRicherThanPureStopsAtTheVapourLeaving",
                 SampleWith(testing::SampleWithPoints("S"), {{param::kDY, "3"},
                                                             {param::kDX, "0.1"},
                                                             {param::kFirstRectifying + param::kS, "100"},
                                                             {param::kFirstRectifying + param::kE, "0"}}),
                 0, "yвых = ", true},
        StopCase{"VapourBeyondTheInletEquilibriumStopsAtTheVapourLeaving",
                 SampleWith(testing::SampleWithAlfa(37.16), {{param::kFirstStripping + param::kLS, "0.154"},
                                                             {param::kFirstStripping + param::kS, "1.699"},
                                                             {param::kFirstRectifying + param::kRO, "763.4"},
                                                             {param::kDX, "0.006746"}}),
                 0, "yвых = ", true}),
    [](const auto& info) { return std::string(info.param.name); });

// Every hydraulic warning of a column is seen on the worked trays it names, and on the tray of its
// extreme in the same words.
TEST(WorkedTray, MarksTheWarningsOfTheColumnInTheirWords) {
    const ProgramState state = SampleWith(testing::SampleWithPoints(), {{param::kR, "15"}});
    const ColumnResult result = CalculateColumn(state);
    ASSERT_EQ(result.stop, CalcStop::None);
    ASSERT_FALSE(result.warnings.empty());
    const char* const kSymbols[] = {"h", "F", "q", "τ"}; // in the order of HydraulicQuantity
    float TrayRecord::*const kValues[] = {&TrayRecord::h, &TrayRecord::F, &TrayRecord::q, &TrayRecord::tau};
    for (const HydraulicWarning& warning : result.warnings) {
        const std::string text = WarningText(warning);
        const std::string consequence = text.substr(text.rfind(": "));
        const auto quantity = static_cast<std::size_t>(warning.quantity);
        bool extremeSeen = false;
        for (int number = warning.firstTray; number <= warning.lastTray; ++number) {
            const TrayRecord& record = *result.Tray(number);
            const float value = record.*kValues[quantity];
            if (record.section != warning.section ||
                (warning.below ? value >= warning.bound : value <= warning.bound))
                continue;
            const WorkedTray tray = *WorkTray(state, result, number);
            const WorkedStep* step = StepOf(tray, kSymbols[quantity]);
            ASSERT_NE(step, nullptr);
            EXPECT_EQ(step->mark, StepMark::Outside) << text << " tray " << number;
            if (value == warning.extreme) {
                extremeSeen = true;
                EXPECT_NE(step->note.find(consequence), std::string::npos) << step->note << "\n" << text;
            }
        }
        EXPECT_TRUE(extremeSeen) << text;
    }
}

struct ReasonCase {
    const char* name;
    StopReason reason;
    std::vector<std::string> says, never;
};

StopReason Reason(StopCause cause, double value, double bound, double efficiency = 0) {
    StopReason reason;
    reason.cause = cause;
    reason.tray = 300;
    reason.value = value;
    reason.bound = bound;
    reason.efficiency = efficiency;
    reason.inletLiquid = 0.52;
    return reason;
}

StopReason Steep(StopReason reason, double alfa, double lambda) {
    reason.alfa = alfa;
    reason.lambda = lambda;
    return reason;
}

class StopExplanation : public ::testing::TestWithParam<ReasonCase> {};

// At their edges the explanations say what is true: the distillate reached only on the last tray,
// no reflux for components alike in volatility, the volatility named where an impossible vapour
// comes from it and not from the efficiency.
TEST_P(StopExplanation, SaysWhatIsTrueAtItsEdge) {
    const std::string text = StopReasonText(GetParam().reason);
    for (const std::string& part : GetParam().says)
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    for (const std::string& part : GetParam().never)
        EXPECT_EQ(text.find(part), std::string::npos) << part << "\n" << text;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, StopExplanation,
    ::testing::Values(ReasonCase{"DistillateReachedOnlyOnTray300",
                                 Reason(StopCause::TooManyTrays, 0.883, 0.8814, 0.6),
                                 {"лишь на тарелке 300", "y = 0.883", "xP = 0.881"},
                                 {"доходит лишь до"}},
                      ReasonCase{"VapourShortOfTheDistillateQuotesIt",
                                 Reason(StopCause::TooManyTrays, 0.873, 0.8814, 0.6),
                                 {"доходит лишь до y = 0.873", "xP = 0.881"},
                                 {}},
                      ReasonCase{"VolatilityNearOneHelpsNoReflux",
                                 Reason(StopCause::NoSeparation, 1.0000001, 1.04e8),
                                 {"1.0000001", "не разделяются", "больше миллиона"},
                                 {"Увеличьте"}},
                      ReasonCase{"VolatilityOfTenPercentCountsTheStages",
                                 Reason(StopCause::NoSeparation, 1.01, 1040.3),
                                 {"α = 1.01", "1041"},
                                 {}},
                      ReasonCase{"CurveFallingUnderAnOrdinaryTrayNamesTheVolatility",
                                 Reason(StopCause::BeyondEquilibrium, 0.671, 0.668, 0.7),
                                 {"летучест", "x = 0.52"},
                                 {"диффузии"}},
                      ReasonCase{"EfficiencyAboveOneNamesTheTrays",
                                 Reason(StopCause::BeyondEquilibrium, 0.671, 0.668, 2.1),
                                 {"диффузии"},
                                 {"летучест"}},
                      ReasonCase{"OvershootOnASteepEquilibriumNamesTheVolatility",
                                 Steep(Reason(StopCause::VapourAboveOne, 3.47, 1, 3.48), 1e6, 8.46),
                                 {"α = 1e+06", "λ = 8.46"},
                                 {"диффузии"}},
                      ReasonCase{"OvershootOnAnOrdinaryEquilibriumNamesTheTrays",
                                 Steep(Reason(StopCause::VapourAboveOne, 1.08, 1, 1.08), 9.4, 1.85),
                                 {"диффузии"},
                                 {"летучест"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct WarningCase {
    const char* name;
    HydraulicQuantity quantity;
    bool below;
    float extreme, bound;
    bool cannotWork;
};

class FarOutsideWarning : public ::testing::TestWithParam<WarningCase> {};

// Ten times past its bound a tray does not work badly: it does not work.
TEST_P(FarOutsideWarning, SaysTheTrayCannotWorkOnlyTenTimesPastItsBound) {
    const WarningCase& c = GetParam();
    HydraulicWarning warning;
    warning.quantity = c.quantity;
    warning.below = c.below;
    warning.extreme = c.extreme;
    warning.bound = c.bound;
    warning.firstTray = warning.lastTray = 12;
    warning.trayCount = 1;
    EXPECT_EQ(WarningText(warning).find("работать не может") != std::string::npos, c.cannotWork)
        << WarningText(warning);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FarOutsideWarning,
    ::testing::Values(WarningCase{"FFactorOf4570", HydraulicQuantity::FFactor, false, 4570, 2.5, true},
                      WarningCase{"FFactorOf3", HydraulicQuantity::FFactor, false, 3, 2.5, false},
                      WarningCase{"ClearLiquidOf182Metres", HydraulicQuantity::ClearLiquidHeight, false, 182,
                                  0.1, true},
                      WarningCase{"ClearLiquidJustUnderTenTimes", HydraulicQuantity::ClearLiquidHeight, false,
                                  0.99f, 0.1, false},
                      WarningCase{"ResidenceTimeOfATwentiethSecond", HydraulicQuantity::ResidenceTime, true,
                                  0.05f, 1, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace radirav
