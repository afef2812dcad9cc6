#include "screens/group_test_support.h"
#include "screens/recording_navigator.h"
#include "screens/results/form11_results.h"

#include <QLabel>
#include <QPointer>

namespace radirav {
namespace {

using testing::Group;
using testing::GroupTest;

// The stripping group typed and accepted: the tray choice is on screen.
class TrayChoice : public GroupTest {
protected:
    void Open() {
        form = qobject_cast<Form6*>(EnterSample(Group::Stripping));
        ASSERT_FALSE(form.isNull());
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        ASSERT_FALSE(form.isNull());
    }

    QPointer<Form6> form;
};

TEST_F(TrayChoice, ReplacesTheGroupWithTheTwoTrayTypes) {
    Open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("ВЫБОР ТАРЕЛОК"));
    EXPECT_TRUE(form->Surface().Ops().empty());
    EXPECT_EQ(testing::VisibleOf({form->Command1, form->Command2, form->Command3, form->Command4,
                                  form->Command5, form->Command6, form->Command7, form->List1, form->Label1,
                                  form->Label2, form->Label3, form->Label4}),
              (QStringList{"Command6", "Command7", "Label4"}));
    EXPECT_EQ(form->Command6->text(), QStringLiteral("  Тарелки колпачковые"));
    EXPECT_EQ(form->Command7->text(), QStringLiteral("   Тарелки   ситчатые"));
    EXPECT_EQ(form->Label4->text(), QStringLiteral("Назовите тип тарелок"));
}

struct TrayButton {
    const char* name;
    const char* trayType;
};

class TrayTypeButtons : public TrayChoice, public ::testing::WithParamInterface<TrayButton> {};

TEST_P(TrayTypeButtons, SetTheTrayTypeAndAskAboutVolatility) {
    Open();
    QTest::mouseClick(form->findChild<CommandButton*>(QString::fromUtf8(GetParam().name)), Qt::LeftButton);
    EXPECT_EQ(state.TrayType, GetParam().trayType);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("ОПРЕДЕЛЕНИЕ ЛЕТУЧЕСТИ"));
    EXPECT_EQ(
        testing::VisibleOf({form->Command4, form->Command5, form->Command6, form->Command7, form->Label4}),
        (QStringList{"Command4", "Command5"}));
    EXPECT_EQ(form->Command5->text(), QStringLiteral(" Для данной системы\n  летучесть постоянна ? "));
    EXPECT_EQ(form->Command4->text(), QStringLiteral("Для данной системы\nлетучесть не постоянна ?"));
}

INSTANTIATE_TEST_SUITE_P(FirstRun, TrayTypeButtons,
                         ::testing::Values(TrayButton{"Command6", "K"}, TrayButton{"Command7", "S"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrayChoice, NotConstantVolatilityLeavesForTheIdealityQuestion) {
    testing::RecordingNavigator navigator;
    state.ConstantVolatility = true;
    form = new Form6(state, platform, navigator);
    machine.AnswerInputBoxes(testing::SampleAnswers(param::kFirstStripping, param::kSectionCount));
    form->EnterGroup();
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QTest::mouseClick(form->Command7, Qt::LeftButton);
    ASSERT_TRUE(form->Command4->isVisible());
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(navigator.asked, QStringList{QStringLiteral("ShowIdealityChoice")});
    EXPECT_FALSE(state.ConstantVolatility);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(machine.screens.Count(), 0);
}

struct AlfaCase {
    const char* name;
    std::vector<std::optional<QString>> answers;
    std::vector<bool> goOn; // answers to the out-of-range message
    std::optional<double> accepted;
    const char* acceptedText;
    int trays = 0, feed = 0; // of the bubble-cap column, where known from outside the code
};

class AlfaEntry : public TrayChoice, public ::testing::WithParamInterface<AlfaCase> {};

TEST_P(AlfaEntry, AcceptsOnlyOneToAMillionAndAsksAgainOrEnds) {
    const AlfaCase& c = GetParam();
    Open();
    QTest::mouseClick(form->Command6, Qt::LeftButton);
    machine.inputBoxes.clear();
    machine.AnswerInputBoxes(c.answers);
    machine.AnswerYesNo(c.goOn);
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    testing::DestroyUnloadedWindows();

    ASSERT_EQ(machine.inputBoxes.size(), c.answers.size());
    for (const InputBoxRequest& box : machine.inputBoxes) {
        EXPECT_EQ(box.prompt, QStringLiteral(" ВВЕДИТЕ ALFA"));
        EXPECT_EQ(box.title, QStringLiteral("ВВОД КОЭФФИЦИЕНТА ALFA"));
        EXPECT_EQ(box.positionTwips, QPoint(2000, 2000));
    }
    EXPECT_EQ(machine.yesNoPrompts.size(), static_cast<qsizetype>(c.goOn.size()));
    // Each refused ALFA beeps; so does a column that hits the tray limit (small ALFA).
    const int limitBeep = c.accepted && state.RequiredTrays >= kMaxTrays ? 1 : 0;
    EXPECT_EQ(machine.beeps, static_cast<int>(c.goOn.size()) + limitBeep);
    for (const QString& prompt : machine.yesNoPrompts) {
        EXPECT_EQ(prompt, QStringLiteral(" ALFA не может быть < = 1     Продолжаете работу ?"));
    }
    EXPECT_EQ(state.EquilibriumKind, kKindConstantAlfa);
    EXPECT_TRUE(state.ConstantVolatility);
    EXPECT_FALSE(state.TableMode);
    EXPECT_FALSE(state.AntoineMode);
    EXPECT_TRUE(form.isNull());
    if (c.accepted) {
        EXPECT_EQ(state.Alfa, c.accepted);
        EXPECT_EQ(state.AlfaText, c.acceptedText);
        EXPECT_TRUE(state.AlfaEntered);
        EXPECT_EQ(machine.programEnds, 0);
        EXPECT_EQ(machine.screens.LoadedNames(), QStringList{QStringLiteral("Form11")});
        // Straight to the results: no start or editor button.
        auto* form11 = LoadedScreen<Form11>();
        ASSERT_NE(form11, nullptr);
        EXPECT_TRUE(form11->isVisible());
        EXPECT_EQ(form11->windowTitle(), QStringLiteral("РЕЗУЛЬТАТЫ РАСЧЁТА"));
        EXPECT_TRUE(testing::VisibleOf({form11->Command1, form11->Command2}).isEmpty());
        EXPECT_EQ(state.TrayType, "K");
        if (c.trays != 0) {
            EXPECT_EQ(state.RequiredTrays, c.trays);
            EXPECT_EQ(state.FeedTray, c.feed);
        }
    } else {
        EXPECT_FALSE(state.AlfaEntered);
        EXPECT_EQ(machine.programEnds, 1);
        EXPECT_EQ(machine.screens.Count(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    FirstRun, AlfaEntry,
    ::testing::Values(
        AlfaCase{"CommaDecimal", {QStringLiteral("2,5")}, {}, 2.5, "2.5"},
        AlfaCase{"OneThenThree", {QStringLiteral("1"), QStringLiteral("3")}, {true}, 3.0, "3"},
        AlfaCase{"HalfThenEnd", {QStringLiteral("0,5")}, {false}, std::nullopt, ""},
        AlfaCase{
            "TextReadsAsZero", {QStringLiteral("много"), QStringLiteral("10")}, {true}, 10.0, "10", 15, 11},
        AlfaCase{"CancelledThenEnd", {std::nullopt}, {false}, std::nullopt, ""},
        AlfaCase{"AboveAMillion",
                 {QStringLiteral("1000000,5"), QStringLiteral("1e39"), QStringLiteral("4")},
                 {true, true},
                 4.0,
                 "4"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace radirav
