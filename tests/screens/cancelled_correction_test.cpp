// A correction box cancelled ("Отмена", Escape, its close) keeps the value being corrected and
// its text; the first typing of a value keeps its empty answer, "0".
#include "model/equilibrium_choice.h"
#include "screens/equilibrium/form8_review.h"
#include "screens/group_test_support.h"
#include "support/sample_state.h"

#include <QLabel>
#include <QListWidget>

namespace radirav {
namespace {

using testing::ClickListRow;
using testing::Group;

class CancelledGroupCorrection : public testing::GroupTest, public ::testing::WithParamInterface<Group> {};

TEST_P(CancelledGroupCorrection, KeepsTheValueItsLineAndTheWayOn) {
    const testing::GroupFacts& facts = testing::FactsOf(GetParam());
    GroupWindow* form = EnterSample(GetParam());
    ASSERT_NE(form, nullptr);
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    const int second = facts.first + 1;
    const std::string text = state.InputValueTexts[second];
    const float value = state.InputParams[second].Value;
    const QString line = form->List1->item(1)->text();

    machine.AnswerInputBoxes({std::nullopt});
    ClickListRow(form->List1, 2);
    EXPECT_EQ(state.InputValueTexts[second], text);
    EXPECT_EQ(state.InputParams[second].Value, value);
    EXPECT_EQ(form->List1->item(1)->text(), line);
    EXPECT_TRUE(form->Label3->isVisible()) << "nothing corrected yet: the hint again";
    EXPECT_FALSE(form->Command3->isVisible());

    // After a real correction the end of corrections stays offered.
    machine.AnswerInputBoxes({QString::fromStdString(state.InputValueTexts[facts.first]), std::nullopt});
    ClickListRow(form->List1, 1);
    ClickListRow(form->List1, 2);
    EXPECT_EQ(state.InputValueTexts[second], text);
    EXPECT_TRUE(form->Command3->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Twins, CancelledGroupCorrection,
                         ::testing::Values(Group::General, Group::Rectifying, Group::Stripping),
                         [](const auto& info) { return testing::FactsOf(info.param).name; });

TEST_F(CancelledGroupCorrection, FirstTypingStillReadsACancelledBoxAsZero) {
    testing::Answers answers = testing::SampleAnswers(param::kFirstRectifying, param::kSectionCount);
    answers[2] = std::nullopt;
    Enter(Group::Rectifying, answers);
    EXPECT_EQ(state.InputValueTexts[param::kFirstRectifying + 2], "0");
}

class CancelledAntoineCorrection : public testing::ScreenTest {
protected:
    ScreenFlow flow{state, platform};
};

TEST_F(CancelledAntoineCorrection, KeepsTheConstantAndItsLine) {
    state = testing::SampleWithAntoine();
    FinishAntoineEntry(state);
    state.AntoineTexts[2] = "1200,0";
    flow.CorrectAntoineConstants();
    auto* form = LoadedScreen<Form8>();
    ASSERT_NE(form, nullptr);
    const QString line = form->List1->item(1)->text();
    const float value = state.AntoineValues[2];
    machine.AnswerInputBoxes({std::nullopt});
    ClickListRow(form->List1, 2);
    EXPECT_EQ(state.AntoineTexts[2], "1200,0");
    EXPECT_EQ(state.AntoineValues[2], value);
    EXPECT_EQ(form->List1->item(1)->text(), line);
    EXPECT_TRUE(form->Label4->isVisible()) << "nothing corrected yet: the hint again";
    EXPECT_FALSE(form->Command5->isVisible());

    // After a real correction the end of corrections stays offered.
    machine.AnswerInputBoxes({QStringLiteral("23"), std::nullopt});
    ClickListRow(form->List1, 1);
    ClickListRow(form->List1, 2);
    EXPECT_EQ(state.AntoineTexts[2], "1200,0");
    EXPECT_TRUE(form->Command5->isVisible());
}

} // namespace
} // namespace radirav
