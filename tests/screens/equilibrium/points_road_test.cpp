#include "calc/column.h"
#include "model/equilibrium_choice.h"
#include "model/equilibrium_points.h"
#include "model/sample_data.h"
#include "report/results_text.h"
#include "screens/equilibrium/form10_points_check.h"
#include "screens/flow/screen_flow.h"
#include "screens/results/form11_results.h"
#include "screens/screen_test.h"

#include <QLabel>
#include <QTest>

namespace radirav {
namespace {

// Nine of the sample's ethanol-water points, typed out of order as a student might.
const std::vector<int> kTypedSamplePoints = {8, 1, 15, 4, 12, 2, 10, 6, 14};

class PointsRoad : public testing::ScreenTest {
protected:
    void SetUp() override {
        LoadSampleData(state);
        state.TrayType = "K";
        ChooseTabulatedPoints(state);
        sample = state;
    }

    ProgramState sample;
    ScreenFlow flow{state, platform};
};

TEST_F(PointsRoad, NineUnsortedPointsAcceptedDrawnAndCalculatedAsTheSameTableSorted) {
    std::vector<std::optional<QString>> answers = {QStringLiteral("9")};
    for (const int k : kTypedSamplePoints) {
        answers.emplace_back(QString::fromStdString(sample.EqXText[k]));
        answers.emplace_back(QString::fromStdString(sample.EqYText[k]));
    }
    machine.AnswerInputBoxes(answers);
    flow.EnterEquilibriumPoints();

    auto* form10 = LoadedScreen<Form10>();
    ASSERT_NE(form10, nullptr);
    EXPECT_FALSE(state.InputError);
    QTest::mouseClick(form10->Command1, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    ASSERT_EQ(machine.screens.Count(), 1) << machine.screens.LoadedNames().join(' ').toStdString();
    auto* form11 = LoadedScreen<Form11>();
    ASSERT_NE(form11, nullptr);
    EXPECT_TRUE(form11->isVisible());
    EXPECT_TRUE(form11->Command1->isVisible());
    EXPECT_EQ(state.EquilibriumKind, 9);
    // The diagram at the graph frame (450, 45), a mark on every point.
    const DrawOp& background = form11->Surface().Ops().at(0);
    EXPECT_EQ(background.from, QPointF(450 - 35, 45 - 10));
    int marks = 0;
    for (const DrawOp& op : form11->Surface().Ops())
        marks += op.kind == DrawOp::Kind::Circle ? 1 : 0;
    EXPECT_EQ(marks, 9);

    QTest::mouseClick(form11->Command1, Qt::LeftButton);

    ProgramState expected = sample;
    expected.EqPointCount = 9;
    for (int i = 1; i <= 9; ++i) {
        const int k = kTypedSamplePoints[i - 1];
        EnterPointX(expected, i, sample.EqXText[k]);
        EnterPointY(expected, i, sample.EqYText[k]);
    }
    SortPointsAndComputeAlfa(expected);
    AcceptPointTable(expected);
    const ColumnResult direct = CalculateAndStore(expected);
    ASSERT_EQ(direct.stop, CalcStop::None);
    EXPECT_EQ(state.RequiredTrays, direct.requiredTrays);
    EXPECT_EQ(state.FeedTray, direct.feedTray);
    EXPECT_EQ(state.TrayResults, expected.TrayResults);
    EXPECT_TRUE(form11->Command5->isVisible());
    EXPECT_TRUE(testing::PrintedReportCarries(
        machine, form11->Command3,
        QString::fromStdString(TrayCountLine(direct.requiredTrays, direct.feedTray))));
}

// The editor's way back with a table that still fails: the failing row and the question at once.
TEST_F(PointsRoad, CheckAskedWithAFailingTableHighlightsItAndAsks) {
    UseSampleTabulatedEquilibrium(state);
    StorePointCell(state, 5, PointColumn::Y, "0.3", true); // below point 4
    flow.ShowEquilibriumCheck();
    auto* form10 = LoadedScreen<Form10>();
    ASSERT_NE(form10, nullptr);
    EXPECT_EQ(state.ErrorIndex, 5);
    EXPECT_TRUE(form10->isVisible());
    EXPECT_TRUE(form10->Label2->isVisible());
    EXPECT_FALSE(form10->Command1->isVisible());
    EXPECT_NE(form10->Confirmation(), nullptr);
}

} // namespace
} // namespace radirav
