#include "report/results_text.h"
#include "screens/equilibrium/form13_graph_editor.h"
#include "screens/equilibrium/form14_remove_point.h"
#include "screens/flow/screen_flow.h"
#include "screens/results/form11_results.h"
#include "screens/screen_test.h"

#include "calc/column.h"
#include "model/equilibrium_choice.h"
#include "model/equilibrium_points.h"
#include "support/sample_state.h"

#include <QTest>

namespace radirav {
namespace {

// The sample's 15 points with the y of point 8 typed one place off (0.05826 for 0.5826),
// corrected on the diagram, one point added, one removed, then calculated.
class GraphEditorRoad : public testing::ScreenTest {
protected:
    ScreenFlow flow{state, platform};
};

TEST_F(GraphEditorRoad, CorrectsAddsRemovesAndCalculatesTheCorrectedTable) {
    state = testing::SampleWithPoints();
    StorePointCell(state, 8, PointColumn::Y, "0.05826", true);

    flow.OpenGraphEditor();
    flow.OpenGraphEditor(); // a fresh editor in place of the first, never two
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(machine.screens.LoadedNames(), QStringList{"Form13"});
    auto* editor = LoadedScreen<Form13>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->focusWidget(), editor->Command5);
    EXPECT_EQ(state.ErrorIndex, 8); // y falls at point 8
    EXPECT_EQ(editor->Command1->palette().color(QPalette::Button), QColor(255, 0, 0));

    QTest::mouseClick(editor->Command5, Qt::LeftButton);
    testing::ClickAt(editor,
                     QPointF(editor->Plotted().PointScreenX[8] + 2, editor->Plotted().PointScreenY[8] - 2));
    ASSERT_TRUE(editor->Text1->isVisible());
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("0.05826"));
    QTest::keyClicks(editor->Text1, QStringLiteral("0,5826"));
    QTest::keyClick(editor->Text1, Qt::Key_Return);
    EXPECT_EQ(editor->Command1->palette().color(QPalette::Button), QColor(0, 255, 0));

    machine.AnswerInputBoxes({QStringLiteral("0,45"), QStringLiteral("0,64")});
    QTest::mouseClick(editor->Command3, Qt::LeftButton);
    EXPECT_EQ(state.EqPointCount, 16);

    QTest::mouseClick(editor->Command4, Qt::LeftButton);
    testing::ClickAt(editor, {50, 61}); // row 2
    auto* form14 = LoadedScreen<Form14>();
    ASSERT_NE(form14, nullptr);
    QTest::mouseClick(form14->Command1, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(state.EqPointCount, 15);

    QTest::mouseClick(editor->Command1, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(machine.screens.LoadedNames(), QStringList{"Form11"});
    ASSERT_NE(LoadedScreen<Form11>(), nullptr);

    ProgramState expected = testing::SampleWithPoints();
    InsertPoint(expected, "0.45", "0.64");
    SortPointsAndComputeAlfa(expected);
    RemovePoint(expected, 2);
    AcceptPointTable(expected);
    const ColumnResult result = CalculateAndStore(expected);
    ASSERT_EQ(result.stop, CalcStop::None);
    EXPECT_EQ(state.EquilibriumKind, 15);
    EXPECT_EQ(state.EqXText, expected.EqXText);
    EXPECT_EQ(state.RequiredTrays, expected.RequiredTrays);
    EXPECT_EQ(state.FeedTray, expected.FeedTray);
    EXPECT_EQ(state.TrayResults, expected.TrayResults);
    EXPECT_GT(state.RequiredTrays, 1);
    EXPECT_TRUE(testing::PrintedReportCarries(
        machine, LoadedScreen<Form11>()->Command3,
        QString::fromStdString(TrayCountLine(expected.RequiredTrays, expected.FeedTray))));
}

} // namespace
} // namespace radirav
