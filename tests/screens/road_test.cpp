#include "results/form11_results.h"
#include "screens/input/form1_title.h"
#include "screens/screen_test.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace radirav {
namespace {

// From the title screen straight to the calculation window with the sample's tabulated points
// (the parameter screens in between are another road): names, results, printed report, end.
class Road : public testing::ScreenTest {
protected:
    Form1HandOver StraightToCalculation() {
        return {[this] { (new Form11(state, platform, {}))->show(); },
                [this] { UseSampleTabulatedEquilibrium(state); }};
    }
};

TEST_F(Road, TitleToPrintedReportWithTheSampleData) {
    auto* form1 = new Form1(state, platform, StraightToCalculation());
    form1->show();
    machine.AnswerInputBoxes({QStringLiteral("студент и.и. гр. 5-12"), QStringLiteral("ЭТАНОЛ-ВОДА")});
    QTest::mouseClick(form1->Command1, Qt::LeftButton);
    testing::DestroyUnloadedWindows();

    ASSERT_EQ(machine.screens.LoadedNames(), QStringList{QStringLiteral("Form11")});
    QPointer<Form11> form11 = LoadedScreen<Form11>();
    ASSERT_FALSE(form11.isNull());
    EXPECT_TRUE(form11->isVisible());
    EXPECT_EQ(form11->windowTitle(), QStringLiteral("РАСЧЁТ"));
    ASSERT_TRUE(form11->Command1->isVisible());

    QTest::mouseClick(form11->Command1, Qt::LeftButton);
    EXPECT_EQ(state.EquilibriumKind, 15);
    EXPECT_EQ(state.RequiredTrays, 59);
    EXPECT_EQ(state.FeedTray, 10);
    ASSERT_TRUE(form11->Command3->isVisible());

    QTest::mouseClick(form11->Command3, Qt::LeftButton);
    ASSERT_EQ(machine.printedDocuments.size(), 2u);
    const QStringList& first = machine.printedDocuments[0];
    const QStringList& second = machine.printedDocuments[1];
    EXPECT_EQ(first.value(5), QStringLiteral("Студент И.и. Гр. 5-12"));
    EXPECT_TRUE(first.contains(QStringLiteral("СИСТЕМА - Этанол-вода")));
    EXPECT_TRUE(first.contains(QStringLiteral(" ТАРЕЛКИ КОЛПАЧКОВЫЕ")));
    // The report's table is the one on the screen, line for line.
    const std::vector<QString> screen = form11->Surface().Texts();
    ASSERT_EQ(screen.size(), 16u);
    ASSERT_GE(second.size(), 14);
    const QStringList reportTable = second.mid(second.size() - 14);
    EXPECT_EQ(reportTable, QStringList(screen.begin() + 2, screen.end()));

    QTest::mouseClick(form11->Command5, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(machine.programEnds, 1);
    EXPECT_EQ(machine.screens.Count(), 0);
    EXPECT_TRUE(form11.isNull());
}

} // namespace
} // namespace radirav
