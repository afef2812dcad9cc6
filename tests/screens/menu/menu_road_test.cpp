#include "calc/column.h"
#include "model/entry.h"
#include "model/equilibrium_choice.h"
#include "model/val.h"
#include "screens/flow/screen_flow.h"
#include "screens/group_test_support.h"
#include "screens/menu/form15_change_menu.h"
#include "screens/results/form11_results.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>

namespace radirav {
namespace {

using testing::ClickListRow;
using testing::Group;

// After a first run with a constant ALFA: the menu and the groups through the real screen flow.
class MenuRoad : public testing::ScreenTest {
protected:
    void SetUp() override {
        state = testing::SampleWithAlfa(10.0);
        state.AlfaText = "10";
        MarkAlfaEntered(state);
    }

    QStringList Loaded() {
        testing::DestroyUnloadedWindows();
        return machine.screens.LoadedNames();
    }

    Form15* OpenMenu() {
        flow.OpenChangeMenu();
        return LoadedScreen<Form15>();
    }

    ScreenFlow flow{state, platform};
};

struct EditCase {
    Group group;
    CommandButton* Form15::*button;
    bool ProgramState::*changeFlag;
};

class MenuGroupEdit : public MenuRoad, public ::testing::WithParamInterface<EditCase> {};

TEST_P(MenuGroupEdit, OpensTheGroupListToCorrectThenTheSameMenuAsItWasLeft) {
    const EditCase& c = GetParam();
    const testing::GroupFacts& facts = testing::FactsOf(c.group);
    state.InputParams[facts.first].Value = 0; // a stale number the list must not show
    QPointer<Form15> menu = OpenMenu();
    ASSERT_FALSE(menu.isNull());
    QTest::mouseClick(menu->Command5, Qt::LeftButton);
    QTest::mouseClick(menu->*c.button, Qt::LeftButton);
    EXPECT_TRUE(state.*c.changeFlag);
    EXPECT_EQ(Loaded(), (QStringList{"Form15", QString::fromUtf8(facts.name)}));
    ASSERT_FALSE(menu.isNull());
    EXPECT_FALSE(menu->isVisible());

    auto* group = qobject_cast<GroupWindow*>(machine.screens.Loaded().back());
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->List1->isVisible() && group->List1->isEnabled());
    ASSERT_EQ(group->List1->count(), facts.count);
    EXPECT_EQ(group->List1->item(0)->text().toStdString(), ParamLine(state, facts.first));
    EXPECT_EQ(state.InputParams[facts.first].Value, ToSingle(Val(state.InputValueTexts[facts.first])));
    QStringList shown;
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                             "Command7", "Label1", "Label2", "Label3", "Label4"}) {
        const auto* control = group->findChild<QWidget*>(QString::fromUtf8(name));
        if (control != nullptr && control->isVisible()) {
            shown << control->objectName();
        }
    }
    EXPECT_EQ(shown, (QStringList{"Label1", "Label3"}));

    machine.AnswerInputBoxes({QString::fromStdString(state.InputValueTexts[facts.first + 1])});
    ClickListRow(group->List1, 2);
    QTest::mouseClick(group->Command3, Qt::LeftButton);
    EXPECT_EQ(Loaded(), QStringList{"Form15"});
    EXPECT_EQ(LoadedScreen<Form15>(), menu.data());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->Command5->text(), QStringLiteral("Тарелки ситчатые"));
}

INSTANTIATE_TEST_SUITE_P(
    Groups, MenuGroupEdit,
    ::testing::Values(EditCase{Group::General, &Form15::Command2, &ProgramState::ChangeGeneralMode},
                      EditCase{Group::Rectifying, &Form15::Command3, &ProgramState::ChangeRectifyingMode},
                      EditCase{Group::Stripping, &Form15::Command4, &ProgramState::ChangeStrippingMode}),
    [](const auto& info) { return std::string(testing::FactsOf(info.param.group).name); });

struct AlfaCase {
    const char* name;
    testing::Answers typed;
    std::vector<bool> goOn;
    int beeps;
    std::optional<double> accepted; // none: the student ended the program
};

class MenuAlfa : public MenuRoad, public ::testing::WithParamInterface<AlfaCase> {};

TEST_P(MenuAlfa, IsAskedUntilInRangeThenTheColumnIsCalculated) {
    const AlfaCase& c = GetParam();
    state.TrayType = "S";
    Form15* menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    machine.AnswerInputBoxes(c.typed);
    machine.AnswerYesNo(c.goOn);
    QTest::mouseClick(menu->Command8, Qt::LeftButton);

    EXPECT_EQ(machine.inputBoxes.size(), c.typed.size());
    EXPECT_EQ(machine.yesNoPrompts,
              QStringList(c.beeps, QStringLiteral(" ALFA не может быть < = 1     Продолжаете работу ?")));
    EXPECT_EQ(machine.programEnds, c.accepted ? 0 : 1);
    EXPECT_EQ(Loaded(), c.accepted ? QStringList{"Form11"} : QStringList{});
    ProgramState expected = testing::SampleWithAlfa(c.accepted.value_or(0), "S");
    if (c.accepted) {
        CalculateAndStore(expected);
        EXPECT_EQ(state.Alfa, *c.accepted);
        EXPECT_TRUE(state.AlfaEntered);
        EXPECT_EQ(state.TrayResults, expected.TrayResults);
    }
    // A column beyond 300 trays beeps once more with its message.
    EXPECT_EQ(machine.beeps, c.beeps + (c.accepted && expected.RequiredTrays >= kMaxTrays ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MenuAlfa,
    ::testing::Values(
        AlfaCase{"one and a half at once", {QStringLiteral("1,5")}, {}, 0, 1.5},
        AlfaCase{"one then one and a half", {QStringLiteral("1"), QStringLiteral("1.5")}, {true}, 1, 1.5},
        AlfaCase{
            "above a million then two", {QStringLiteral("1000001"), QStringLiteral("2")}, {true}, 1, 2.0},
        AlfaCase{"text then no", {QStringLiteral("много")}, {false}, 1, std::nullopt}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

// Fifty changes of the feed flow from the menu, each recalculated: the same windows every round,
// none left behind, and the results those of the calculation on the same data.
TEST_F(MenuRoad, FiftyRoundsOfChangeAndRecalculationLeaveNothingBehind) {
    flow.CalculateAndShow();
    qsizetype widgets = 0;
    for (int round = 0; round < 50; ++round) {
        auto* form11 = LoadedScreen<Form11>();
        ASSERT_NE(form11, nullptr) << "round " << round;
        EXPECT_EQ(Loaded(), QStringList{"Form11"}) << "round " << round;
        QTest::mouseClick(form11->Command4, Qt::LeftButton);
        auto* menu = LoadedScreen<Form15>();
        ASSERT_NE(menu, nullptr) << "round " << round;
        EXPECT_EQ(Loaded(), QStringList{"Form15"}) << "round " << round;
        if (round % 2 == 1) {
            QTest::mouseClick(menu->Command5, Qt::LeftButton);
        }
        QTest::mouseClick(menu->Command2, Qt::LeftButton);
        auto* form2 = LoadedScreen<Form2>();
        ASSERT_NE(form2, nullptr) << "round " << round;
        EXPECT_EQ(Loaded(), (QStringList{"Form15", "Form2"})) << "round " << round;
        machine.AnswerInputBoxes({QStringLiteral("2,%1").arg(50 + round % 10 * 5)});
        ClickListRow(form2->List1, 1);
        QTest::mouseClick(form2->Command3, Qt::LeftButton);
        EXPECT_EQ(Loaded(), QStringList{"Form15"}) << "round " << round;
        ASSERT_EQ(LoadedScreen<Form15>(), menu) << "round " << round;

        ProgramState expected = state;
        QTest::mouseClick(menu->Command13, Qt::LeftButton);
        CalculateAndStore(expected);
        EXPECT_EQ(state.InputParams[1].Value, 2.5f + round % 10 * 0.05f) << "round " << round;
        EXPECT_EQ(state.TrayType, round % 4 == 1 || round % 4 == 2 ? "S" : "K") << "round " << round;
        EXPECT_EQ(state.TrayResults, expected.TrayResults) << "round " << round;
        EXPECT_EQ(state.RequiredTrays, expected.RequiredTrays) << "round " << round;
        Loaded();
        if (round == 0) {
            widgets = QApplication::allWidgets().size();
        }
        EXPECT_EQ(QApplication::allWidgets().size(), widgets) << "round " << round;
    }
    EXPECT_EQ(machine.beeps, 0);
}

} // namespace
} // namespace radirav
