#include "calc/column.h"
#include "model/entry.h"
#include "model/equilibrium_choice.h"
#include "model/val.h"
#include "screens/flow/screen_flow.h"
#include "screens/group_test_support.h"
#include "screens/input/form3_5_7_confirmations.h"
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

TEST_P(MenuGroupEdit, OpensTheGroupListToCorrectWhileTheMenuWaitsHidden) {
    const EditCase& c = GetParam();
    const testing::GroupFacts& facts = testing::FactsOf(c.group);
    state.InputParams[facts.first].Value = 0; // a stale number the list must not show
    QPointer<Form15> menu = OpenMenu();
    ASSERT_FALSE(menu.isNull());
    QTest::mouseClick(menu->*c.button, Qt::LeftButton);
    EXPECT_TRUE(state.*c.changeFlag);
    EXPECT_EQ(Loaded(), (QStringList{"Form15", QString::fromUtf8(facts.name)}));
    ASSERT_FALSE(menu.isNull());
    EXPECT_FALSE(menu->isVisible());

    auto* group = qobject_cast<GroupWindow*>(machine.screens.Loaded().back());
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->isVisible());
    EXPECT_TRUE(group->List1->isVisible());
    EXPECT_TRUE(group->List1->isEnabled());
    ASSERT_EQ(group->List1->count(), facts.count);
    for (int k = 0; k < facts.count; ++k) {
        EXPECT_EQ(group->List1->item(k)->text().toStdString(), ParamLine(state, facts.first + k));
    }
    EXPECT_EQ(state.InputParams[facts.first].Value, ToSingle(Val(state.InputValueTexts[facts.first])));
    EXPECT_TRUE(group->Label1->isVisible());
    EXPECT_TRUE(group->Label3->isVisible());
    std::vector<QString> hidden{"Command1", "Command2", "Command3", "Label2"};
    if (c.group == Group::Stripping) {
        hidden.insert(hidden.end(), {"Command4", "Command5", "Command6", "Command7", "Label4"});
    }
    for (const QString& name : hidden) {
        const auto* control = group->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_FALSE(control->isVisible()) << name.toStdString();
    }
    EXPECT_EQ(testing::BackOf(group->Command1), testing::kGreen);

    // One line corrected and the group accepted: the same menu again, alone.
    machine.AnswerInputBoxes({QString::fromStdString(state.InputValueTexts[facts.first + 1])});
    ClickListRow(group->List1, 2);
    ASSERT_TRUE(group->Command3->isVisible());
    QTest::mouseClick(group->Command3, Qt::LeftButton);
    EXPECT_EQ(Loaded(), QStringList{"Form15"});
    EXPECT_EQ(LoadedScreen<Form15>(), menu.data());
    EXPECT_TRUE(menu->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Groups, MenuGroupEdit,
    ::testing::Values(EditCase{Group::General, &Form15::Command2, &ProgramState::ChangeGeneralMode},
                      EditCase{Group::Rectifying, &Form15::Command3, &ProgramState::ChangeRectifyingMode},
                      EditCase{Group::Stripping, &Form15::Command4, &ProgramState::ChangeStrippingMode}),
    [](const auto& info) { return std::string(testing::FactsOf(info.param.group).name); });

TEST_F(MenuRoad, TheMenuComesBackAsItWasLeftWithABadValueCorrectedOnTheWay) {
    QPointer<Form15> menu = OpenMenu();
    ASSERT_FALSE(menu.isNull());
    QTest::mouseClick(menu->Command5, Qt::LeftButton);
    QTest::mouseClick(menu->Command2, Qt::LeftButton);
    auto* form2 = LoadedScreen<Form2>();
    ASSERT_NE(form2, nullptr);

    machine.AnswerInputBoxes({QStringLiteral("-1")});
    ClickListRow(form2->List1, 1);
    QTest::mouseClick(form2->Command3, Qt::LeftButton);
    EXPECT_EQ(machine.beeps, 1);
    EXPECT_EQ(Loaded(), (QStringList{"Form15", "Form2", "Form3"}));
    QTest::mouseClick(LoadedScreen<Form3>()->Command1, Qt::LeftButton); // "Да": correct it

    machine.AnswerInputBoxes({QStringLiteral("2,9")});
    ClickListRow(form2->List1, 1);
    QTest::mouseClick(form2->Command3, Qt::LeftButton);
    EXPECT_EQ(Loaded(), QStringList{"Form15"});
    ASSERT_EQ(LoadedScreen<Form15>(), menu.data());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->Command5->text(), QStringLiteral("Тарелки ситчатые"));
    EXPECT_EQ(state.TrayType, "S");
    EXPECT_EQ(state.InputValueTexts[1], "2.9");
}

TEST_F(MenuRoad, AGroupBackWithoutItsMenuOpensAFreshOne) {
    state.ChangeGeneralMode = true;
    flow.EditGroup(ParamGroup::General);
    auto* form2 = LoadedScreen<Form2>();
    ASSERT_NE(form2, nullptr);
    machine.AnswerInputBoxes({QStringLiteral("2.78")});
    ClickListRow(form2->List1, 1);
    QTest::mouseClick(form2->Command3, Qt::LeftButton);
    EXPECT_EQ(Loaded(), QStringList{"Form15"});
    EXPECT_TRUE(LoadedScreen<Form15>()->isVisible());
}

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

    ASSERT_EQ(machine.inputBoxes.size(), c.typed.size());
    EXPECT_EQ(machine.inputBoxes[0].prompt, QStringLiteral(" ВВЕДИТЕ ALFA"));
    EXPECT_EQ(machine.inputBoxes[0].title, QStringLiteral("ВВОД КОЭФФИЦИЕНТА ALFA"));
    EXPECT_EQ(machine.inputBoxes[0].positionTwips, QPoint(2000, 2000));
    ASSERT_EQ(machine.yesNoPrompts.size(), static_cast<qsizetype>(c.beeps));
    for (const QString& prompt : machine.yesNoPrompts) {
        EXPECT_EQ(prompt, QStringLiteral(" ALFA не может быть < = 1     Продолжаете работу ?"));
    }
    if (!c.accepted) {
        EXPECT_EQ(machine.beeps, c.beeps);
        EXPECT_EQ(machine.programEnds, 1);
        EXPECT_EQ(Loaded(), QStringList{});
        return;
    }
    EXPECT_EQ(machine.programEnds, 0);
    EXPECT_EQ(state.Alfa, *c.accepted);
    EXPECT_TRUE(state.AlfaEntered);
    EXPECT_EQ(state.EquilibriumKind, 1);
    EXPECT_EQ(Loaded(), QStringList{"Form11"});
    auto* form11 = LoadedScreen<Form11>();
    EXPECT_FALSE(form11->Command1->isVisible());
    EXPECT_FALSE(form11->Command2->isVisible());
    ProgramState expected = testing::SampleWithAlfa(*c.accepted, "S");
    CalculateColumn(expected);
    EXPECT_EQ(state.RequiredTrays, expected.RequiredTrays);
    EXPECT_EQ(state.TrayResults, expected.TrayResults);
    // A column beyond 300 trays beeps once more with its message.
    EXPECT_EQ(machine.beeps, c.beeps + (expected.RequiredTrays >= kMaxTrays ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MenuAlfa,
    ::testing::Values(
        AlfaCase{"one and a half at once", {QStringLiteral("1,5")}, {}, 0, 1.5},
        AlfaCase{"one then one and a half", {QStringLiteral("1"), QStringLiteral("1.5")}, {true}, 1, 1.5},
        AlfaCase{"exactly a million", {QStringLiteral("1000000")}, {}, 0, 1e6},
        AlfaCase{
            "above a million then two", {QStringLiteral("1000001"), QStringLiteral("2")}, {true}, 1, 2.0},
        AlfaCase{"text then no", {QStringLiteral("много")}, {false}, 1, std::nullopt}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

// Fifty changes of the feed flow from the menu, each recalculated: the same windows every round,
// none left behind, and the results those of the calculation on the same data.
TEST_F(MenuRoad, FiftyRoundsOfChangeAndRecalculationLeaveNothingBehind) {
    flow.CalculateAndShow();
    std::vector<QStringList> firstRound;
    int firstWidgetCount = 0;
    for (int round = 0; round < 50; ++round) {
        std::vector<QStringList> stages;
        auto* form11 = LoadedScreen<Form11>();
        ASSERT_NE(form11, nullptr) << "round " << round;
        stages.push_back(Loaded());
        QTest::mouseClick(form11->Command4, Qt::LeftButton);
        auto* menu = LoadedScreen<Form15>();
        ASSERT_NE(menu, nullptr) << "round " << round;
        stages.push_back(Loaded());
        if (round % 2 == 1) {
            QTest::mouseClick(menu->Command5, Qt::LeftButton);
        }
        QTest::mouseClick(menu->Command2, Qt::LeftButton);
        auto* form2 = LoadedScreen<Form2>();
        ASSERT_NE(form2, nullptr) << "round " << round;
        stages.push_back(Loaded());
        const QString feed = QStringLiteral("2,%1").arg(50 + round % 10 * 5);
        machine.AnswerInputBoxes({feed});
        ClickListRow(form2->List1, 1);
        QTest::mouseClick(form2->Command3, Qt::LeftButton);
        ASSERT_EQ(LoadedScreen<Form15>(), menu) << "round " << round;
        stages.push_back(Loaded());

        ProgramState expected = state;
        QTest::mouseClick(menu->Command13, Qt::LeftButton);
        stages.push_back(Loaded());
        CalculateColumn(expected);
        EXPECT_EQ(state.InputParams[1].Value, ToSingle(Val(feed.toStdString().replace(1, 1, ".")))) << round;
        EXPECT_EQ(state.RequiredTrays, expected.RequiredTrays) << "round " << round;
        EXPECT_EQ(state.FeedTray, expected.FeedTray) << "round " << round;
        EXPECT_EQ(state.TrayResults, expected.TrayResults) << "round " << round;

        const int widgets = static_cast<int>(QApplication::allWidgets().size());
        if (round == 0) {
            firstRound = stages;
            firstWidgetCount = widgets;
        }
        EXPECT_EQ(stages, firstRound) << "round " << round;
        EXPECT_EQ(widgets, firstWidgetCount) << "round " << round;
    }
    EXPECT_EQ(firstRound, (std::vector<QStringList>{
                              {"Form11"}, {"Form15"}, {"Form15", "Form2"}, {"Form15"}, {"Form11"}}));
    EXPECT_EQ(machine.beeps, 0);
}

} // namespace
} // namespace radirav
