#include "screens/results/worked_tray_window.h"

#include "report/column_diagram.h"
#include "report/report_text.h"
#include "screens/flow/screen_flow.h"
#include "screens/results/column_diagram_window.h"
#include "screens/results/form11_results.h"
#include "screens/screen_test.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTest>

namespace radirav {
namespace {

using testing::ScreenTest;

class WorkedTrayTest : public ScreenTest {
protected:
    // The sample calculated on the results window, its worked trays opened from there.
    WorkedTrayWindow* OpenFromResults() {
        state = testing::SampleWithPoints();
        state.StudentName = "Иванова М.С., гр. ХТ-21";
        flow.CalculateAndShow();
        auto* results = LoadedScreen<Form11>();
        EXPECT_NE(results, nullptr);
        if (results == nullptr)
            return nullptr;
        QTest::mouseClick(results->TrayButton, Qt::LeftButton);
        return LoadedScreen<WorkedTrayWindow>();
    }
    int Loaded(const QString& name) const {
        return static_cast<int>(machine.screens.LoadedNames().count(name));
    }

    ScreenFlow flow{state, platform};
};

// The road a student takes: the results' button opens tray 1; a click on the diagram's profile
// turns the same window to that tray; leaving the results takes the window with them.
TEST_F(WorkedTrayTest, OpensFromTheResultsAndFromTheDiagramAndGoesWithThem) {
    WorkedTrayWindow* window = OpenFromResults();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Tray(), 1);

    QTest::mouseClick(LoadedScreen<Form11>()->DiagramButton, Qt::LeftButton);
    auto* diagram = LoadedScreen<ColumnDiagramWindow>();
    ASSERT_NE(diagram, nullptr);
    const PlotFrame profile = diagram->Layout().ProfileFrame(59);
    testing::ClickAt(diagram, QPointF(profile.ScreenX(40), profile.ScreenY(0.5)));
    EXPECT_EQ(window->Tray(), 40);
    // A step of the staircase: the rise of the feed tray, halfway up.
    const ColumnDiagram& d = diagram->Diagram();
    const PlotFrame frame = diagram->Layout().DiagramFrame();
    const PlotPoint below = d.steps[2 * 10 - 2], top = d.steps[2 * 10 - 1];
    const PlotPoint rise = frame.Screen({top.x, (below.y + top.y) / 2});
    testing::ClickAt(diagram, QPointF(rise.x, rise.y));
    EXPECT_EQ(window->Tray(), 10);
    EXPECT_EQ(Loaded(QStringLiteral("WorkedTray")), 1) << "one worked tray at a time";

    QTest::mouseClick(LoadedScreen<Form11>()->Command4, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(Loaded(QStringLiteral("WorkedTray")), 0);
}

struct KeyCase {
    std::string name;
    std::vector<std::pair<int, QString>> keys; // key and the text it types
    int tray;
    int beeps;
};
void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class TrayKeys : public WorkedTrayTest, public ::testing::WithParamInterface<KeyCase> {};

// The keys stop at the bottom and the top, and a number the column has not is refused with a beep
// (the walk on the display presses the others).
TEST_P(TrayKeys, PickTheTray) {
    WorkedTrayWindow* window = OpenFromResults();
    ASSERT_NE(window, nullptr);
    for (const auto& [key, text] : GetParam().keys)
        QTest::keyClick(window->TrayBox, static_cast<Qt::Key>(key), Qt::NoModifier);
    EXPECT_EQ(window->Tray(), GetParam().tray);
    EXPECT_EQ(window->TrayBox->text(), QString::number(GetParam().tray));
    EXPECT_EQ(machine.beeps, GetParam().beeps);
    EXPECT_NE(window->Worked().title.find("Тарелка " + std::to_string(GetParam().tray) + " из 59"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TrayKeys,
    ::testing::Values(KeyCase{"down at the bottom stays", {{Qt::Key_Down, {}}}, 1, 0},
                      KeyCase{"page down stops at the bottom",
                              {{Qt::Key_PageUp, {}}, {Qt::Key_PageDown, {}}, {Qt::Key_PageDown, {}}},
                              1,
                              0},
                      KeyCase{"up at the top stays", {{Qt::Key_End, {}}, {Qt::Key_Up, {}}}, 59, 0},
                      KeyCase{"typed number past the top beeps",
                              {{Qt::Key_7, {}}, {Qt::Key_0, {}}, {Qt::Key_Return, {}}},
                              1,
                              1},
                      KeyCase{"typed word beeps", {{Qt::Key_X, {}}, {Qt::Key_Enter, {}}}, 1, 1}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

// The printed sheet is headed with the student, the date and the tray, reaches the printer as
// one document, and is what the clipboard gets.
TEST_F(WorkedTrayTest, PrintsAndCopiesTheSameSheet) {
    WorkedTrayWindow* window = OpenFromResults();
    ASSERT_NE(window, nullptr);
    QTest::keyClick(window->TrayBox, Qt::Key_F);
    QTest::mouseClick(window->PrintButton, Qt::LeftButton);
    ASSERT_EQ(machine.printedDocuments.size(), 1u);
    EXPECT_EQ(machine.reportsEnded, 1);
    const QStringList& sheet = machine.printedDocuments.front();
    ASSERT_GE(sheet.size(), 40);
    const QString date = QString::fromStdString(FormatRussianDate(machine.now));
    EXPECT_TRUE(sheet[0].startsWith(QString::fromStdString(state.StudentName))) << sheet[0].toStdString();
    EXPECT_TRUE(sheet[0].endsWith(date)) << sheet[0].toStdString();
    EXPECT_TRUE(sheet[1].contains(QStringLiteral("Этанол-Вода")));
    EXPECT_TRUE(sheet[2].startsWith(QStringLiteral("Тарелка 10 из 59"))) << sheet[2].toStdString();

    QTest::mouseClick(window->CopyButton, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), sheet.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    QTest::keyClick(window->TrayBox, Qt::Key_End);
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("\nТарелка 59 из 59")));
}

} // namespace
} // namespace radirav
