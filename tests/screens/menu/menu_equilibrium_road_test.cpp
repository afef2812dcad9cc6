// After a first calculation, the menu changes a parameter, the tray type and every equilibrium
// kind in turn through the real screens, and each recalculation equals the calculation of the
// same input built directly (what the batch calculator computes for it).
#include "calc/column.h"
#include "model/entry.h"
#include "model/equilibrium_choice.h"
#include "model/equilibrium_points.h"
#include "screens/common/editor_geometry.h"
#include "screens/equilibrium/form13_graph_editor.h"
#include "screens/equilibrium/form8_review.h"
#include "screens/flow/screen_flow.h"
#include "screens/group_test_support.h"
#include "screens/menu/form15_change_menu.h"
#include "screens/menu/form16_reentry_choice.h"
#include "screens/results/form11_results.h"
#include "support/sample_state.h"

#include <QListWidget>

namespace radirav {
namespace {

class MenuEquilibriumRoad : public testing::ScreenTest {
protected:
    // The results on screen are those of `expected` calculated directly.
    void ExpectResultsOf(ProgramState expected, const char* step) {
        const ColumnResult direct = CalculateAndStore(expected);
        EXPECT_EQ(state.RequiredTrays, direct.requiredTrays) << step;
        EXPECT_EQ(state.FeedTray, direct.feedTray) << step;
        EXPECT_EQ(state.TrayResults, expected.TrayResults) << step;
        EXPECT_NE(Shown<Form11>(), nullptr) << step;
    }

    Form15* MenuFromResults() {
        Form11* form11 = Shown<Form11>();
        EXPECT_NE(form11, nullptr);
        if (form11 == nullptr) {
            return nullptr;
        }
        QTest::mouseClick(form11->Command4, Qt::LeftButton);
        return Shown<Form15>();
    }

    ScreenFlow flow{state, platform};
};

TEST_F(MenuEquilibriumRoad, ParameterTraysAntoineAndPointsEachRecalculateAsTheBatchCalculatorWould) {
    state = testing::SampleEnteredWithAlfa10();
    flow.CalculateAndShow();
    ProgramState expected = testing::SampleWithAlfa(10.0);
    ExpectResultsOf(expected, "first calculation");

    // A general parameter changed from the menu.
    Form15* menu = MenuFromResults();
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu->Command2, Qt::LeftButton);
    auto* form2 = Shown<Form2>();
    ASSERT_NE(form2, nullptr);
    machine.AnswerInputBoxes({QStringLiteral("2,9")});
    testing::ClickListRow(form2->List1, 1);
    QTest::mouseClick(form2->Command3, Qt::LeftButton);
    menu = Shown<Form15>();
    ASSERT_NE(menu, nullptr) << "the group went back to the menu";
    QTest::mouseClick(menu->Command13, Qt::LeftButton);
    EnterParamValue(expected, param::kF, "2.9");
    ExpectResultsOf(expected, "feed 2.9");

    // Sieve trays.
    menu = MenuFromResults();
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu->Command5, Qt::LeftButton);
    QTest::mouseClick(menu->Command13, Qt::LeftButton);
    expected.TrayType = "S";
    ExpectResultsOf(expected, "sieve trays");

    // Antoine constants, typed for the first time.
    menu = MenuFromResults();
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu->Command7, Qt::LeftButton);
    QTest::mouseClick(menu->Command10, Qt::LeftButton);
    ASSERT_TRUE(menu->Command12->isEnabled());
    machine.AnswerInputBoxes(testing::SampleAntoineAnswers());
    QTest::mouseClick(menu->Command12, Qt::LeftButton);
    auto* form8 = Shown<Form8>();
    ASSERT_NE(form8, nullptr);
    QTest::mouseClick(form8->Command3, Qt::LeftButton);
    ProgramState antoine = testing::SampleWithAntoine("S");
    EnterParamValue(antoine, param::kF, "2.9");
    ExpectResultsOf(antoine, "Antoine constants");

    // Tabulated points typed anew: the sample's fifteen, then accepted from the editor.
    menu = MenuFromResults();
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu->Command9, Qt::LeftButton);
    ASSERT_TRUE(menu->Command11->isEnabled());
    ProgramState sample = testing::SampleWithPoints("S");
    std::vector<std::optional<QString>> answers{QStringLiteral("15")};
    for (int i = 1; i <= 15; ++i) {
        answers.emplace_back(QString::fromStdString(sample.EqXText[i]));
        answers.emplace_back(QString::fromStdString(sample.EqYText[i]));
    }
    machine.AnswerInputBoxes(answers);
    QTest::mouseClick(menu->Command11, Qt::LeftButton);
    auto* editor = Shown<Form13>();
    ASSERT_NE(editor, nullptr) << machine.screens.LoadedNames().join(' ').toStdString();
    QTest::mouseClick(editor->Command1, Qt::LeftButton);
    EnterParamValue(sample, param::kF, "2.9");
    ExpectResultsOf(sample, "points typed anew");

    // The same points corrected in the editor: the lowest x retyped.
    menu = MenuFromResults();
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu->Command11, Qt::LeftButton);
    auto* form16 = Shown<Form16>();
    ASSERT_NE(form16, nullptr);
    QTest::mouseClick(form16->Command2, Qt::LeftButton);
    editor = Shown<Form13>();
    ASSERT_NE(editor, nullptr) << machine.screens.LoadedNames().join(' ').toStdString();
    QTest::mouseClick(editor->Command5, Qt::LeftButton);
    testing::ClickAt(editor, QPointF(TableLeft + NumberColumnWidth + ColumnWidth / 2.0,
                                     TableTop + RowHeight + RowHeight / 2.0));
    ASSERT_TRUE(editor->Text1->isVisible());
    editor->Text1->selectAll();
    QTest::keyClicks(editor->Text1, QStringLiteral("0,02"));
    QTest::keyClick(editor->Text1, Qt::Key_Return);
    QTest::mouseClick(editor->Command1, Qt::LeftButton);
    StorePointCell(sample, 1, PointColumn::X, "0,02", true);
    SortPointsAndComputeAlfa(sample);
    AcceptPointTable(sample);
    ExpectResultsOf(sample, "points corrected");
    EXPECT_EQ(state.EqXText[1], "0.02");
}

} // namespace
} // namespace radirav
