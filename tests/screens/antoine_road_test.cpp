#include "calc/column.h"
#include "model/sample_data.h"
#include "screens/equilibrium/form8_review.h"
#include "screens/equilibrium/form9_antoine_question.h"
#include "screens/group_test_support.h"
#include "screens/input/form1_title.h"
#include "screens/results/form11_results.h"
#include "support/sample_state.h"

#include <QListWidget>
#include <QPointer>

namespace radirav {
namespace {

using testing::Answers;

// The first run on the ideal-mixture road as the program wires it: title, the three groups,
// "not constant", ideal, six constants with C1 typed without its sign, the question, the
// correction of that line, the results and the printed report.
class AntoineRoad : public testing::ScreenTest {
protected:
    ScreenFlow flow{state, platform};
};

TEST_F(AntoineRoad, ACorrectedConstantReachesTheResultsAndTheReport) {
    Answers answers{QStringLiteral("студент и.и. гр. 5-12"), QStringLiteral("ЭТАНОЛ-ВОДА")};
    const Answers general = testing::SampleAnswers(1, 12);
    answers.insert(answers.end(), general.begin(), general.end());
    machine.AnswerInputBoxes(answers);
    QTest::mouseClick(flow.ShowTitle()->Command1, Qt::LeftButton);
    auto* form2 = OnlyLoaded<Form2>();
    ASSERT_NE(form2, nullptr);
    machine.AnswerInputBoxes(testing::SampleAnswers(13, 8));
    QTest::mouseClick(form2->Command1, Qt::LeftButton);
    auto* form4 = OnlyLoaded<Form4>();
    ASSERT_NE(form4, nullptr);
    machine.AnswerInputBoxes(testing::SampleAnswers(21, 8));
    QTest::mouseClick(form4->Command1, Qt::LeftButton);
    auto* form6 = OnlyLoaded<Form6>();
    ASSERT_NE(form6, nullptr);
    QTest::mouseClick(form6->Command1, Qt::LeftButton);
    QTest::mouseClick(form6->Command6, Qt::LeftButton);
    ASSERT_TRUE(form6->Command4->isVisible()) << "the ideality question is offered";
    QTest::mouseClick(form6->Command4, Qt::LeftButton);

    QPointer<Form8> form8 = OnlyLoaded<Form8>();
    ASSERT_FALSE(form8.isNull());
    machine.AnswerInputBoxes({QStringLiteral("23"), QStringLiteral("1200"), QStringLiteral("120"),
                              QStringLiteral("12"), QStringLiteral("1100"), QStringLiteral("-145")});
    QTest::mouseClick(form8->Command2, Qt::LeftButton);
    QTest::mouseClick(form8->Command3, Qt::LeftButton);
    QPointer<Form9> form9 = LoadedScreen<Form9>();
    ASSERT_FALSE(form9.isNull());
    QTest::mouseClick(form9->Command1, Qt::LeftButton);
    EXPECT_EQ(OnlyLoaded<Form8>(), form8.data()) << "the same window lists the constants to correct";

    machine.AnswerInputBoxes({QStringLiteral("-120")});
    testing::ClickListRow(form8->List1, 3);
    QTest::mouseClick(form8->Command5, Qt::LeftButton);
    QPointer<Form11> form11 = OnlyLoaded<Form11>();
    ASSERT_FALSE(form11.isNull());
    EXPECT_TRUE(form11->isVisible());

    ProgramState expected = testing::SampleWithAntoine("K");
    CalculateAndStore(expected);
    EXPECT_GT(expected.RequiredTrays, 0);
    EXPECT_EQ(state.EquilibriumKind, kKindAntoine);
    EXPECT_EQ(state.RequiredTrays, expected.RequiredTrays);
    EXPECT_EQ(state.FeedTray, expected.FeedTray);
    EXPECT_EQ(state.TrayResults, expected.TrayResults);

    QTest::mouseClick(form11->Command3, Qt::LeftButton);
    ASSERT_EQ(machine.printedDocuments.size(), 1u) << "the ideal mixture prints on one page";
    const QStringList& page = machine.printedDocuments[0];
    EXPECT_TRUE(page.contains(QStringLiteral("                           ПАРАМЕТРЫ УРАВНЕНИЯ АНТУАНА")));
    EXPECT_TRUE(page.contains(
        QStringLiteral("         A1                  23                  A2                  12")));
    EXPECT_TRUE(page.contains(
        QStringLiteral("         C1                  -120                C2                  -145")));
}

// The re-entry choice's "correct the entered constants" lands here with the choice as the menu made it.
TEST_F(AntoineRoad, CorrectingFromElsewhereListsTheConstantsAndLeavesTheChoiceAlone) {
    LoadSampleData(state);
    state.AntoineMode = true;
    state.EquilibriumKind = 15;
    flow.CorrectAntoineConstants();
    auto* form8 = OnlyLoaded<Form8>();
    ASSERT_NE(form8, nullptr);
    EXPECT_TRUE(form8->isVisible());
    ASSERT_EQ(form8->List1->count(), 6);
    EXPECT_EQ(form8->List1->item(5)->text(), QStringLiteral("C2") + QString(28, QLatin1Char(' ')) + "-145");
    EXPECT_TRUE(form8->List1->isEnabled());
    EXPECT_FALSE(form8->Command5->isVisible());
    EXPECT_EQ(state.EquilibriumKind, 15) << "until a line is corrected";
}

} // namespace
} // namespace radirav
