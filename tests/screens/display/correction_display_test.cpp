#include "model/sample_data.h"
#include "platform/dialogs.h"
#include "platform/scripted_platform.h"
#include "screens/display/display_support.h"
#include "screens/equilibrium/form13_graph_editor.h"
#include "screens/flow/screen_flow.h"
#include "screens/group_test_support.h"
#include "screens/input/form2_general.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <deque>

namespace radirav {
namespace {

using testing::PressKey;
using testing::WaitUntil;

// What an input box showed when it came up.
struct SeenBox {
    QString title, text;
    bool allSelected = false;
};

// Presses each script's keys on the next input box in front, as a finger would, and notes what
// the box showed first. A box the script has no keys for is cancelled, so nothing waits.
class BoxFingers {
public:
    BoxFingers() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start(20);
    }
    void Press(std::vector<const char*> keys) { scripts_.push_back(std::move(keys)); }
    std::vector<SeenBox> seen;

private:
    void Tick() {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (box == nullptr || box == last_ || !box->isActiveWindow())
            return;
        last_ = box;
        const auto* line = box->findChild<QLineEdit*>();
        seen.push_back({box->windowTitle(), line->text(), line->selectedText() == line->text()});
        if (scripts_.empty()) {
            box->reject();
            return;
        }
        const std::vector<const char*> keys = scripts_.front();
        scripts_.pop_front();
        for (const char* key : keys)
            PressKey(key);
    }

    QTimer timer_;
    std::deque<std::vector<const char*>> scripts_;
    QPointer<QInputDialog> last_;
};

// The real input boxes and the editor on the display. A correction box shows the value it
// corrects, selected: Enter keeps it, typing replaces it. Escape in the boxes of a point being
// added adds nothing, and Escape takes the editor out of editing and removal.
TEST(CorrectionOnTheDisplay, EnterKeepsTheValueAndEscapeAddsNothing) {
    ProgramState state;
    LoadSampleData(state);
    UseSampleTabulatedEquilibrium(state);
    testing::ScriptedPlatform machine;
    QtDialogs dialogs;
    const Platform platform{machine.screens, dialogs, machine, machine, machine, machine,
                            machine,         machine, machine, machine, machine, machine};
    ScreenFlow flow(state, platform);
    BoxFingers fingers;

    flow.EditGroup(ParamGroup::General);
    auto* form2 = qobject_cast<Form2*>(machine.screens.Loaded().front());
    ASSERT_NE(form2, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form2, 10000));
    fingers.Press({"Return"});
    testing::ClickListRow(form2->List1, 5);
    ASSERT_EQ(fingers.seen.size(), 1u);
    EXPECT_EQ(fingers.seen[0].text, QStringLiteral("2257.67"));
    EXPECT_TRUE(fingers.seen[0].allSelected);
    EXPECT_EQ(state.InputValueTexts[param::kRW], "2257.67") << "Enter keeps the value";
    fingers.Press({"2", "3", "0", "0", "Return"});
    testing::ClickListRow(form2->List1, 5);
    EXPECT_EQ(state.InputValueTexts[param::kRW], "2300") << "typing replaces it";

    flow.OpenGraphEditor();
    testing::DestroyUnloadedWindows();
    auto* editor = qobject_cast<Form13*>(machine.screens.Loaded().front());
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor, 10000));
    fingers.seen.clear();
    fingers.Press({"Escape"});
    QTest::mouseClick(editor->Command3, Qt::LeftButton);
    fingers.Press({"0", "period", "4", "Return"});
    fingers.Press({"Escape"});
    QTest::mouseClick(editor->Command3, Qt::LeftButton);
    ASSERT_EQ(fingers.seen.size(), 3u) << "x cancelled asks no y";
    EXPECT_EQ(fingers.seen[2].title, QStringLiteral("ВВОД Y РАВНОВЕСНОГО"));
    EXPECT_EQ(state.EqPointCount, 15) << "no point (0, 0) nor (0.4, 0) added";

    for (CommandButton* mode : {editor->Command5, editor->Command4}) {
        QTest::mouseClick(mode, Qt::LeftButton);
        ASSERT_FALSE(editor->Command1->isVisible());
        PressKey("Escape");
        EXPECT_TRUE(WaitUntil([&] { return editor->Command1->isVisible(); })) << mode->text().toStdString();
        EXPECT_FALSE(editor->EditMode() || editor->RemoveMode());
    }
}

} // namespace
} // namespace radirav
