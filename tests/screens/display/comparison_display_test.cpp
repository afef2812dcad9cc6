#include "model/equilibrium_choice.h"
#include "platform/clipboard.h"
#include "report/history_text.h"
#include "screens/display/display_support.h"
#include "screens/flow/screen_flow.h"
#include "screens/group_test_support.h"
#include "screens/menu/form15_change_menu.h"
#include "screens/results/comparison_window.h"
#include "screens/results/form11_results.h"
#include "support/sample_state.h"

#include <QApplication>
#include <QClipboard>
#include <QTableWidget>

namespace radirav {
namespace {

using testing::PressKey;
using testing::WaitUntil;

// The shown window of type T among those loaded, once the unloaded ones are gone; null if none.
template <typename T> T* Shown(const ScreenList& screens) {
    testing::DestroyUnloadedWindows();
    for (ScreenWindow* screen : screens.Loaded()) {
        if (auto* found = qobject_cast<T*>(screen); found != nullptr && found->isVisible())
            return found;
    }
    return nullptr;
}

// A student's session on the real windows: the sample on ALFA = 10, the feed changed through the
// change menu and recalculated, the trays switched and recalculated, then the comparison from
// the keyboard alone: Tab to its button, Space, Ctrl+C, Escape back to the results as they were.
TEST(ComparisonOnTheDisplay, ListsThreeCalculationsWithTheTwoChanges) {
    ProgramState state = testing::SampleEnteredWithAlfa10();
    testing::ScriptedPlatform machine;
    QtClipboard clipboard;
    Platform platform = machine.Get();
    const Platform withClipboard{platform.screens, platform.dialogs,     platform.keyboard,  platform.printer,
                                 platform.clock,   platform.programEnd,  platform.lastInput, platform.files,
                                 platform.tasks,   platform.diagnostics, platform.screen,    clipboard};
    ScreenFlow flow(state, withClipboard);
    const auto click = [](QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); };

    flow.CalculateAndShow();
    click(Shown<Form11>(machine.screens)->Command4);
    Form15* menu = Shown<Form15>(machine.screens);
    ASSERT_NE(menu, nullptr);
    click(menu->Command2);
    auto* general = Shown<Form2>(machine.screens);
    ASSERT_NE(general, nullptr);
    machine.AnswerInputBoxes({QStringLiteral("3")});
    testing::ClickListRow(general->List1, 1);
    click(general->Command3);
    click(Shown<Form15>(machine.screens)->Command13);
    click(Shown<Form11>(machine.screens)->Command4);
    menu = Shown<Form15>(machine.screens);
    click(menu->Command5);
    click(menu->Command13);

    Form11* results = Shown<Form11>(machine.screens);
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(results, 10000));
    for (int tabs = 0; tabs < 10 && !results->CompareButton->hasFocus(); ++tabs)
        PressKey("Tab");
    ASSERT_TRUE(results->CompareButton->hasFocus()) << "Tab never reaches the comparison";
    PressKey("space");
    ComparisonWindow* comparison = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (comparison = Shown<ComparisonWindow>(machine.screens)) != nullptr; }));
    ASSERT_TRUE(QTest::qWaitForWindowActive(comparison, 10000));

    QTableWidget* table = comparison->Table;
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("исходные данные"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("F: 2.78 → 3"));
    EXPECT_EQ(table->item(2, 1)->text(), QStringLiteral("тарелки: колпачковые → ситчатые"));
    EXPECT_TRUE(table->viewport()->rect().contains(table->visualItemRect(table->item(2, 4))))
        << "the newest calculation in view";
    ASSERT_TRUE(table->hasFocus());

    testing::PressKeyWith("Control_L", "c");
    const QString copied = QString::fromStdString(HistoryCopyText(flow.History().Records()));
    EXPECT_TRUE(WaitUntil([&] { return QGuiApplication::clipboard()->text() == copied; }));
    PressKey("Escape");
    EXPECT_TRUE(WaitUntil([&] { return Shown<ComparisonWindow>(machine.screens) == nullptr; }));
    EXPECT_TRUE(QTest::qWaitForWindowActive(results, 10000)) << "back to the results";
    EXPECT_EQ(Shown<Form11>(machine.screens), results);
    EXPECT_TRUE(results->Command4->isVisible() && results->CompareButton->isVisible());
    EXPECT_EQ(flow.History().Records().size(), 3u);
}

} // namespace
} // namespace radirav
