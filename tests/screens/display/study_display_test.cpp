#include "model/sample_data.h"
#include "platform/background_tasks.h"
#include "platform/scripted_platform.h"
#include "screens/display/display_support.h"
#include "screens/flow/screen_flow.h"
#include "screens/results/column_diagram_window.h"
#include "screens/results/form11_results.h"

#include <QComboBox>
#include <QPlainTextEdit>

namespace radirav {
namespace {

using testing::PressKey;
using testing::WaitUntil;

template <typename Window> Window* LoadedWindow(testing::ScriptedPlatform& machine) {
    for (QWidget* screen : machine.screens.Loaded()) {
        if (auto* window = qobject_cast<Window*>(screen))
            return window;
    }
    return nullptr;
}

// The road of a student asking how the column answers its feed rate: the diagram opened from
// the results, the feed chosen by its key in the box while the reflux study may still run
// beside the window, a click on a point of the tray curve, the figures of that column, Escape.
TEST(StudyOnTheDisplay, AChosenInputIsStudiedBesideTheWindowAndAClickedPointShowsItsColumn) {
    ProgramState state;
    LoadSampleData(state);
    UseSampleTabulatedEquilibrium(state);
    testing::ScriptedPlatform machine;
    QtBackgroundTasks tasks;
    const Platform platform{machine.screens, machine, machine, machine, machine, machine,
                            machine,         machine, tasks,   machine, machine, machine};
    ScreenFlow flow(state, platform);
    flow.CalculateAndShow();
    auto* results = LoadedWindow<Form11>(machine);
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(results, 10000));
    ASSERT_TRUE(results->DiagramButton->isVisible());
    testing::ClickAt(results->DiagramButton->mapToGlobal(results->DiagramButton->rect().center()));
    ColumnDiagramWindow* window = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (window = LoadedWindow<ColumnDiagramWindow>(machine)) != nullptr; }));
    ASSERT_TRUE(QTest::qWaitForWindowActive(window, 10000));

    // The box of inputs is reached by Tab like every control; a letter picks the first input
    // whose key starts with it: F, the feed rate.
    for (int i = 0; i < 8 && QApplication::focusWidget() != window->StudiedInputBox; ++i)
        PressKey("Tab");
    ASSERT_EQ(QApplication::focusWidget(), window->StudiedInputBox);
    PressKey("f");
    const StudiedInput feed{StudiedKind::Parameter, param::kF};
    ASSERT_EQ(window->Chosen(), feed);
    ASSERT_TRUE(WaitUntil([&] { return window->Study() != nullptr; }, 20000));
    const InputStudy& study = *window->Study();
    EXPECT_LT(study.rows.front().value, study.studentValue);
    EXPECT_GT(study.rows.back().value, study.studentValue);

    // A working column well away from the student's own, clicked on the tray curve.
    std::optional<std::size_t> target;
    for (std::size_t i = 0; i < study.rows.size(); ++i) {
        if (study.rows[i].Works() &&
            std::fabs(study.rows[i].value - study.studentValue) > 0.2 * study.studentValue) {
            target = i;
            break;
        }
    }
    ASSERT_TRUE(target.has_value());
    const StudyRow row = study.rows[*target];
    const std::optional<StudyPlot> plot = window->PlotOfStudy();
    ASSERT_TRUE(plot.has_value());
    const PlotPoint onCurve = plot->frame.Screen({row.value, double(row.trays)});
    testing::ClickAt(window->mapToGlobal(QPoint(int(std::lround(onCurve.x)), int(std::lround(onCurve.y)))));
    ASSERT_TRUE(WaitUntil([&] { return window->PickedRow().has_value(); }));
    const StudyRow& picked = study.rows[*window->PickedRow()];
    EXPECT_NEAR(picked.value, row.value, 0.02 * study.studentValue) << "the column under the click";
    const QString figures = window->ColumnFigures->toPlainText();
    EXPECT_TRUE(figures.startsWith(QStringLiteral("F = "))) << figures.toStdString();
    EXPECT_TRUE(figures.contains(
        QStringLiteral("тарелок %1, питание на тарелке %2").arg(picked.trays).arg(picked.feed)))
        << figures.toStdString();

    PressKey("Escape");
    EXPECT_TRUE(WaitUntil([&] { return LoadedWindow<ColumnDiagramWindow>(machine) == nullptr; }));
    EXPECT_NE(LoadedWindow<Form11>(machine), nullptr) << "the results stay";
}

} // namespace
} // namespace radirav
