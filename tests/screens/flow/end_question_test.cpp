// The title-bar close of every working window asks whether to end the work: "Нет" (also what
// Enter, Escape and the question's close give) leaves every window as it was, "Да" ends.
#include "model/equilibrium_choice.h"
#include "screens/equilibrium/form10_points_check.h"
#include "screens/equilibrium/form13_graph_editor.h"
#include "screens/equilibrium/form8_review.h"
#include "screens/flow/screen_flow.h"
#include "screens/group_test_support.h"
#include "screens/input/form1_title.h"
#include "screens/input/form6_stripping.h"
#include "screens/menu/form15_change_menu.h"
#include "screens/results/form11_results.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <functional>

namespace radirav {
namespace {

const QString kEndQuestion = QStringLiteral("Завершить работу с программой?");

class CloseAsks;

struct Working {
    const char* name;
    // Brings the window up through the screen flow and gives it back.
    std::function<ScreenWindow*(CloseAsks&)> open;
};
void PrintTo(const Working& c, std::ostream* os) {
    *os << c.name;
}

class CloseAsks : public testing::ScreenTest, public ::testing::WithParamInterface<Working> {
public:
    template <typename T> T* Screen() const { return LoadedScreen<T>(); }
    void Answer(std::vector<std::optional<QString>> answers) { machine.AnswerInputBoxes(std::move(answers)); }
    ProgramState& State() { return state; }

    ScreenFlow flow{state, platform};
};

TEST_P(CloseAsks, NoKeepsEveryWindowAndYesEnds) {
    ScreenWindow* window = GetParam().open(*this);
    ASSERT_NE(window, nullptr);
    testing::DestroyUnloadedWindows();
    const QStringList loaded = machine.screens.LoadedNames();
    const ProgramState before = state;

    machine.AnswerYesNo({false});
    window->close();
    testing::DestroyUnloadedWindows();
    ASSERT_EQ(machine.yesNoPrompts, QStringList{kEndQuestion});
    EXPECT_EQ(machine.yesNoSafeAnswers.back(), SafeAnswer::No) << "Enter, Escape and its close answer Нет";
    EXPECT_EQ(machine.screens.LoadedNames(), loaded);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(machine.programEnds, 0);
    EXPECT_EQ(state.InputValueTexts, before.InputValueTexts);

    machine.AnswerYesNo({true});
    window->close();
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(machine.programEnds, 1);
    EXPECT_EQ(machine.screens.Count(), 0);
}

std::vector<std::optional<QString>> SampleGroup(int first, int count) {
    return testing::SampleAnswers(first, count);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, CloseAsks,
    ::testing::Values(Working{"title", [](CloseAsks& t) -> ScreenWindow* { return t.flow.ShowTitle(); }},
                      Working{"general group for control",
                              [](CloseAsks& t) -> ScreenWindow* {
                                  LoadSampleData(t.State());
                                  t.Answer(SampleGroup(param::kFirstGeneral, param::kGeneralCount));
                                  t.flow.EnterGroup(ParamGroup::General);
                                  return t.Screen<Form2>();
                              }},
                      Working{"tray choice",
                              [](CloseAsks& t) -> ScreenWindow* {
                                  LoadSampleData(t.State());
                                  t.Answer(SampleGroup(param::kFirstStripping, param::kSectionCount));
                                  t.flow.EnterGroup(ParamGroup::Stripping);
                                  Form6* form6 = t.Screen<Form6>();
                                  QTest::mouseClick(form6->Command1, Qt::LeftButton);
                                  return form6;
                              }},
                      Working{"group changed from the menu",
                              [](CloseAsks& t) -> ScreenWindow* {
                                  t.State() = testing::SampleWithAlfa(10);
                                  t.flow.OpenChangeMenu();
                                  QTest::mouseClick(t.Screen<Form15>()->Command3, Qt::LeftButton);
                                  return t.Screen<Form4>();
                              }},
                      Working{"ideality question",
                              [](CloseAsks& t) -> ScreenWindow* {
                                  LoadSampleData(t.State());
                                  t.flow.ShowIdealityChoice();
                                  return t.Screen<Form8>();
                              }},
                      Working{"point check",
                              [](CloseAsks& t) -> ScreenWindow* {
                                  t.State() = testing::SampleWithPoints();
                                  t.flow.ShowEquilibriumCheck();
                                  return t.Screen<Form10>();
                              }},
                      Working{"results",
                              [](CloseAsks& t) -> ScreenWindow* {
                                  t.State() = testing::SampleWithAlfa(10);
                                  t.flow.CalculateAndShow();
                                  return t.Screen<Form11>();
                              }},
                      Working{"menu",
                              [](CloseAsks& t) -> ScreenWindow* {
                                  t.State() = testing::SampleWithAlfa(10);
                                  t.flow.OpenChangeMenu();
                                  return t.Screen<Form15>();
                              }},
                      Working{"editor retyping a point",
                              [](CloseAsks& t) -> ScreenWindow* {
                                  t.State() = testing::SampleWithPoints();
                                  t.flow.OpenGraphEditor();
                                  Form13* editor = t.Screen<Form13>();
                                  QTest::mouseClick(editor->Command5, Qt::LeftButton);
                                  return editor;
                              }}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

// No end button holds the focus when its window opens, so an Enter cannot end the work.
TEST_F(CloseAsks, MenuOpensOnTheFirstGroupAndPrintingKeepsTheFocus) {
    state = testing::SampleWithAlfa(10);
    flow.CalculateAndShow();
    auto* results = LoadedScreen<Form11>();
    ASSERT_NE(results, nullptr);
    QTest::mouseClick(results->Command3, Qt::LeftButton);
    EXPECT_EQ(results->focusWidget(), results->Command3);
    QTest::mouseClick(results->Command4, Qt::LeftButton);
    auto* menu = LoadedScreen<Form15>();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->focusWidget(), menu->Command2);
}

} // namespace
} // namespace radirav
