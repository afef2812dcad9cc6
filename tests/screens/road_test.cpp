#include "calc/column.h"
#include "model/entry.h"
#include "model/text.h"
#include "model/val.h"
#include "report/results_text.h"
#include "screens/flow/screen_flow.h"
#include "screens/group_test_support.h"
#include "screens/input/form1_title.h"
#include "screens/results/form11_results.h"
#include "support/sample_state.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace radirav {
namespace {

using testing::Answers;
using testing::ClickListRow;

// The first run as the program wires it: title, names, the three groups with a correction on the
// way, the tray type, a constant ALFA, the results, the printed report, the end.
class Road : public testing::ScreenTest {
protected:
    // Title to results with a feed flow typed 278 instead of 2.78, found and corrected.
    Form11* DriveToResults(const char* trayButton) {
        Answers answers{QStringLiteral("студент и.и. гр. 5-12"), QStringLiteral("ЭТАНОЛ-ВОДА")};
        Answers general = testing::SampleAnswers(1, 12);
        general[0] = QStringLiteral("278");
        answers.insert(answers.end(), general.begin(), general.end());
        machine.AnswerInputBoxes(answers);
        Form1* form1 = flow.ShowTitle();
        QTest::mouseClick(form1->Command1, Qt::LeftButton);

        auto* form2 = OnlyLoaded<Form2>();
        if (form2 == nullptr) {
            return nullptr;
        }
        EXPECT_EQ(state.ErrorIndex, 1);
        QTest::mouseClick(form2->Command1, Qt::LeftButton);
        auto* form3 = LoadedScreen<Form3>();
        EXPECT_NE(form3, nullptr);
        if (form3 == nullptr) {
            return nullptr;
        }
        EXPECT_EQ(form2->Label2->text(), QString::fromStdString(ParamLine(state, 1)));
        QTest::mouseClick(form3->Command1, Qt::LeftButton);
        machine.AnswerInputBoxes({QStringLiteral("2,78")});
        ClickListRow(form2->List1, 1);
        machine.AnswerInputBoxes(testing::SampleAnswers(13, 8));
        QTest::mouseClick(form2->Command3, Qt::LeftButton);

        auto* form4 = OnlyLoaded<Form4>();
        if (form4 == nullptr) {
            return nullptr;
        }
        machine.AnswerInputBoxes(testing::SampleAnswers(21, 8));
        QTest::mouseClick(form4->Command1, Qt::LeftButton);

        auto* form6 = OnlyLoaded<Form6>();
        if (form6 == nullptr) {
            return nullptr;
        }
        QTest::mouseClick(form6->Command1, Qt::LeftButton);
        QTest::mouseClick(form6->findChild<QPushButton*>(QString::fromUtf8(trayButton)), Qt::LeftButton);
        machine.AnswerInputBoxes({QStringLiteral("10")});
        QTest::mouseClick(form6->Command5, Qt::LeftButton);
        return OnlyLoaded<Form11>();
    }

    ScreenFlow flow{state, platform};
};

TEST_F(Road, StartShowsTheBareGeneralWindowBehindTheNameBoxesThenTypesIntoIt) {
    flow.ShowNameBackdrop();
    QPointer<Form2> form2 = LoadedScreen<Form2>();
    ASSERT_FALSE(form2.isNull());
    EXPECT_TRUE(form2->isVisible());
    EXPECT_EQ(form2->windowTitle(), QStringLiteral("   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ"));
    EXPECT_TRUE(testing::VisibleOf({form2->Command1, form2->Command2, form2->Command3, form2->List1,
                                    form2->Label1, form2->Label2})
                    .isEmpty());
    machine.AnswerInputBoxes(testing::SampleAnswers(1, 12));
    flow.EnterGroup(ParamGroup::General);
    EXPECT_EQ(LoadedScreen<Form2>(), form2.data()) << "the same window takes the general group";
    EXPECT_EQ(machine.screens.Count(), 1);
    EXPECT_TRUE(form2->Command1->isVisible());
}

TEST_F(Road, BubbleCapTraysWithAlfaTenNeedFifteenTraysFedOnTheEleventh) {
    QPointer<Form11> form11 = DriveToResults("Command6");
    ASSERT_FALSE(form11.isNull());
    EXPECT_TRUE(form11->isVisible());
    EXPECT_EQ(state.StudentName, "Студент И.и. Гр. 5-12");
    EXPECT_EQ(state.InputValueTexts[1], "2.78");
    EXPECT_EQ(state.TrayType, "K");
    EXPECT_EQ(state.RequiredTrays, 15);
    EXPECT_EQ(state.FeedTray, 11);
    const std::vector<QString> screen = form11->Surface().Texts();
    ASSERT_EQ(screen.size(), 16u);
    EXPECT_EQ(
        screen[0],
        QStringLiteral("ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  15        ТАРЕЛКА ПИТАНИЯ -  11-я, (считая снизу)      "));

    ASSERT_TRUE(form11->Command3->isVisible());
    QTest::mouseClick(form11->Command3, Qt::LeftButton);
    ASSERT_EQ(machine.printedDocuments.size(), 1u) << "constant ALFA prints on one page";
    const QStringList& page = machine.printedDocuments[0];
    EXPECT_EQ(page.value(0).left(21), QStringLiteral("Студент И.и. Гр. 5-12"));
    EXPECT_TRUE(page.contains(QStringLiteral("СИСТЕМА - Этанол-вода")));
    EXPECT_TRUE(page.contains(QStringLiteral("  ") + QString::fromStdString(state.InputParams[1].Label) +
                              QStringLiteral("       2.78")));
    EXPECT_TRUE(page.contains(QStringLiteral(" ТАРЕЛКИ КОЛПАЧКОВЫЕ")));
    EXPECT_TRUE(page.contains(QStringLiteral("      ALFA=10")));
    EXPECT_TRUE(page.contains(QStringLiteral("  ") + screen[0]));
    EXPECT_EQ(page.mid(page.size() - 14), QStringList(screen.begin() + 2, screen.end()));

    QTest::mouseClick(form11->Command5, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(machine.programEnds, 1);
    EXPECT_EQ(machine.screens.Count(), 0);
}

TEST_F(Road, SieveTraysReachTheResultsTheCalculatorGivesForTheSameInput) {
    QPointer<Form11> form11 = DriveToResults("Command7");
    ASSERT_FALSE(form11.isNull());
    EXPECT_EQ(state.TrayType, "S");
    ProgramState expected = testing::SampleWithAlfa(10.0, "S");
    CalculateAndStore(expected);
    EXPECT_EQ(state.RequiredTrays, expected.RequiredTrays);
    EXPECT_EQ(state.FeedTray, expected.FeedTray);
    EXPECT_EQ(state.TrayResults, expected.TrayResults);
    ASSERT_FALSE(form11->Surface().Texts().empty());
    EXPECT_EQ(form11->Surface().Texts()[0],
              QString::fromStdString(TrayCountLine(expected.RequiredTrays, expected.FeedTray)));

    QTest::mouseClick(form11->Command3, Qt::LeftButton);
    ASSERT_EQ(machine.printedDocuments.size(), 1u);
    EXPECT_TRUE(machine.printedDocuments[0].contains(QStringLiteral(" ТАРЕЛКИ СИТЧАТЫЕ")));
}

} // namespace
} // namespace radirav
