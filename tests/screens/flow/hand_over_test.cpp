// Every road through the menu, the re-entry choice and the equilibrium screens, step by step,
// through the real screen flow: after each step exactly the windows the student works with are
// loaded, never a hidden one behind them and never two of a kind.
#include "model/equilibrium_choice.h"
#include "screens/equilibrium/form10_points_check.h"
#include "screens/equilibrium/form12_points_error.h"
#include "screens/equilibrium/form13_graph_editor.h"
#include "screens/equilibrium/form8_review.h"
#include "screens/flow/screen_flow.h"
#include "screens/group_test_support.h"
#include "screens/input/form4_rectifying.h"
#include "screens/menu/form15_change_menu.h"
#include "screens/menu/form16_reentry_choice.h"
#include "screens/results/form11_results.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <QListWidget>
#include <functional>

namespace radirav {
namespace {

using testing::Answers;
using testing::EightPointAnswers;

class HandOverRoad;

struct Step {
    const char* what;
    std::function<void(HandOverRoad&)> act;
    QStringList loaded; // in load order
};

struct Road {
    const char* name;
    ProgramState (*start)();
    std::vector<Step> steps;
};
void PrintTo(const Road& road, std::ostream* os) {
    *os << road.name;
}

class HandOverRoad : public testing::ScreenTest, public ::testing::WithParamInterface<Road> {
public:
    template <typename T> T* Screen() const { return LoadedScreen<T>(); }
    // Clicks `button` of the loaded window of type T.
    template <typename T> void Press(CommandButton* T::*button) {
        T* screen = LoadedScreen<T>();
        ASSERT_NE(screen, nullptr) << "no " << T::staticMetaObject.className();
        ASSERT_TRUE((screen->*button)->isVisible());
        QTest::mouseClick(screen->*button, Qt::LeftButton);
    }
    template <typename T> void CloseWindow() {
        T* screen = LoadedScreen<T>();
        ASSERT_NE(screen, nullptr);
        screen->close();
    }
    void Answer(Answers answers) { machine.AnswerInputBoxes(std::move(answers)); }
    void AnswerYesNo(std::vector<bool> answers) { machine.AnswerYesNo(std::move(answers)); }

    ScreenFlow flow{state, platform};
};

template <typename T>
Step Press(const char* what, CommandButton* T::*button, QStringList loaded, Answers answers = {}) {
    return {what,
            [button, answers](HandOverRoad& road) {
                road.Answer(answers);
                road.Press(button);
            },
            std::move(loaded)};
}

TEST_P(HandOverRoad, LoadsOnlyTheWindowsTheStudentWorksWith) {
    state = GetParam().start();
    flow.CalculateAndShow();
    testing::DestroyUnloadedWindows();
    ASSERT_EQ(machine.screens.LoadedNames(), QStringList{"Form11"});
    for (const Step& step : GetParam().steps) {
        SCOPED_TRACE(step.what);
        step.act(*this);
        if (HasFatalFailure()) {
            return;
        }
        testing::DestroyUnloadedWindows();
        EXPECT_EQ(machine.screens.LoadedNames(), step.loaded);
    }
    EXPECT_EQ(machine.programEnds, 0);
}

const QStringList kResults{"Form11"}, kMenu{"Form15"}, kEditor{"Form13"};

INSTANTIATE_TEST_SUITE_P(
    Roads, HandOverRoad,
    ::testing::Values(
        Road{"diagram beside the results goes with them",
             testing::SampleEnteredWithAlfa10,
             {Press("diagram", &Form11::DiagramButton, {"Form11", "ColumnDiagram"}),
              Press("menu", &Form11::Command4, kMenu), Press("recalculate", &Form15::Command13, kResults)}},
        Road{"group changed from the menu",
             testing::SampleEnteredWithAlfa10,
             {Press("menu", &Form11::Command4, kMenu),
              Press("rectifying section", &Form15::Command3, {"Form15", "Form4"}),
              {"retype a line",
               [](HandOverRoad& road) {
                   road.Answer({QStringLiteral("0.683")});
                   testing::ClickListRow(road.Screen<Form4>()->List1, 1);
               },
               {"Form15", "Form4"}},
              Press("end of corrections", &Form4::Command3, kMenu),
              Press("recalculate", &Form15::Command13, kResults)}},
        Road{"points corrected through the re-entry choice",
             testing::SampleEnteredWithPoints,
             {Press("menu", &Form11::Command4, kMenu), Press("equilibrium data", &Form15::Command11, {"Form16"}),
              Press("correct them", &Form16::Command2, kEditor),
              Press("end of changes", &Form13::Command1, kResults),
              Press("menu again", &Form11::Command4, kMenu)}},
        Road{"points typed anew through the re-entry choice",
             testing::SampleEnteredWithPoints,
             {Press("menu", &Form11::Command4, kMenu), Press("equilibrium data", &Form15::Command11, {"Form16"}),
              Press("new points", &Form16::Command1, kEditor, EightPointAnswers()),
              Press("end of changes", &Form13::Command1, kResults)}},
        Road{"points typed for the first time from the menu",
             testing::SampleEnteredWithAlfa10,
             {Press("menu", &Form11::Command4, kMenu), Press("not constant", &Form15::Command7, kMenu),
              Press("non-ideal", &Form15::Command9, kMenu),
              Press("equilibrium data", &Form15::Command11, kEditor, EightPointAnswers()),
              Press("end of changes", &Form13::Command1, kResults)}},
        Road{"failing points go back to the check with its question",
             testing::SampleEnteredWithPoints,
             {Press("menu", &Form11::Command4, kMenu), Press("equilibrium data", &Form15::Command11, {"Form16"}),
              Press("new points", &Form16::Command1, kEditor, EightPointAnswers(true)),
              Press("end of changes", &Form13::Command1, {"Form10", "Form12"}),
              Press("correct them", &Form12::Command1, kEditor)}},
        Road{"Antoine constants typed anew",
             testing::SampleEnteredWithAntoine,
             {Press("menu", &Form11::Command4, kMenu), Press("Antoine constants", &Form15::Command12, {"Form16"}),
              Press("new constants", &Form16::Command3, {"Form8"}, testing::SampleAntoineAnswers()),
              Press("accept", &Form8::Command3, kResults)}},
        Road{"Antoine constants corrected",
             testing::SampleEnteredWithAntoine,
             {Press("menu", &Form11::Command4, kMenu), Press("Antoine constants", &Form15::Command12, {"Form16"}),
              Press("correct them", &Form16::Command4, {"Form8"}),
              {"retype A1",
               [](HandOverRoad& road) {
                   road.Answer({QStringLiteral("23")});
                   testing::ClickListRow(road.Screen<Form8>()->List1, 1);
               },
               {"Form8"}},
              Press("end of corrections", &Form8::Command5, kResults)}},
        Road{"ALFA from the menu", testing::SampleEnteredWithAlfa10,
             {Press("menu", &Form11::Command4, kMenu),
              Press("ALFA", &Form15::Command8, kResults, {QStringLiteral("12")})}},
        Road{"re-entry choice closed",
             testing::SampleEnteredWithPoints,
             {Press("menu", &Form11::Command4, kMenu), Press("equilibrium data", &Form15::Command11, {"Form16"}),
              {"title-bar close", [](HandOverRoad& road) { road.CloseWindow<Form16>(); }, kMenu},
              Press("recalculate", &Form15::Command13, kResults)}},
        Road{"check screen, graph and editor of a first entry",
             testing::SampleEnteredWithPoints,
             {{"points typed",
               [](HandOverRoad& road) {
                   road.Answer(EightPointAnswers());
                   road.flow.EnterEquilibriumPoints();
               },
               {"Form10"}},
              Press("accept", &Form10::Command1, kResults), Press("back to the editor", &Form11::Command2, kEditor),
              Press("end of changes", &Form13::Command1, kResults)}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

// The point-count question answered "Нет" ends the program: nothing opens after it.
class EndedRoad : public testing::ScreenTest, public ::testing::WithParamInterface<bool> {
protected:
    ScreenFlow flow{state, platform};
};

TEST_P(EndedRoad, PointCountRefusedOpensNoEditor) {
    const bool entered = GetParam();
    state = entered ? testing::SampleEnteredWithPoints() : testing::SampleEnteredWithAlfa10();
    flow.OpenChangeMenu();
    auto* menu = LoadedScreen<Form15>();
    ASSERT_NE(menu, nullptr);
    if (!entered) {
        QTest::mouseClick(menu->Command7, Qt::LeftButton);
        QTest::mouseClick(menu->Command9, Qt::LeftButton);
    }
    machine.AnswerInputBoxes({QStringLiteral("5")});
    machine.AnswerYesNo({false});
    QTest::mouseClick(menu->Command11, Qt::LeftButton);
    if (entered) {
        auto* choice = LoadedScreen<Form16>();
        ASSERT_NE(choice, nullptr);
        QTest::mouseClick(choice->Command1, Qt::LeftButton);
    }
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(machine.programEnds, 1);
    EXPECT_EQ(machine.screens.LoadedNames(), QStringList{});
    flow.OpenGraphEditor();
    flow.CalculateAndShow();
    EXPECT_EQ(machine.screens.Count(), 0) << "no intent is carried out once the end was asked";
}

INSTANTIATE_TEST_SUITE_P(PointsEntered, EndedRoad, ::testing::Bool(), [](const auto& info) {
    return info.param ? "ThroughTheReentryChoice" : "FromTheMenu";
});

} // namespace
} // namespace radirav
