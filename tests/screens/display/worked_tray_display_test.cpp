#include "screens/display/display_support.h"
#include "screens/group_test_support.h"
#include "screens/results/form11_results.h"
#include "screens/results/worked_tray_window.h"
#include "support/sample_state.h"

#include <QApplication>

namespace radirav {
namespace {

using testing::PressKey;
using testing::WaitUntil;

class WorkedTrayOnTheDisplay : public testing::GroupTest {
protected:
    WorkedTrayWindow* Window() {
        testing::DestroyUnloadedWindows();
        return LoadedScreen<WorkedTrayWindow>();
    }
    bool ShowsTray(int tray) {
        return WaitUntil([&] { return Window() != nullptr && Window()->Tray() == tray; });
    }
};

// A student without a mouse: Tab to the results' tray button and Space, then the arrows, PgUp,
// End, Home, F on either keyboard layout and a typed number pick the trays; Escape closes the
// window and leaves the results.
TEST_F(WorkedTrayOnTheDisplay, TheKeyboardAloneWalksTheTrays) {
    state = testing::SampleWithPoints();
    flow.CalculateAndShow();
    auto* results = LoadedScreen<Form11>();
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(results, 10000));
    for (int presses = 0; presses < 12 && QApplication::focusWidget() != results->TrayButton; ++presses) {
        PressKey("Tab");
        QTest::qWait(50);
    }
    ASSERT_EQ(QApplication::focusWidget(), results->TrayButton);
    PressKey("space");
    ASSERT_TRUE(ShowsTray(1));
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window(), 10000));

    PressKey("Up");
    EXPECT_TRUE(ShowsTray(2));
    PressKey("Prior");
    EXPECT_TRUE(ShowsTray(12));
    PressKey("End");
    EXPECT_TRUE(ShowsTray(59));
    PressKey("f");
    EXPECT_TRUE(ShowsTray(10));
    PressKey("Home");
    EXPECT_TRUE(ShowsTray(1));
    // On the Russian layout the same key types А: still the feed tray.
    testing::LockKeyboardGroup(1);
    ASSERT_TRUE(WaitUntil([] { return testing::KeyboardGroup() == 1; }));
    PressKey("f");
    EXPECT_TRUE(ShowsTray(10));
    testing::LockKeyboardGroup(0);
    ASSERT_TRUE(WaitUntil([] { return testing::KeyboardGroup() == 0; }));
    PressKey("2");
    PressKey("5");
    PressKey("Return");
    EXPECT_TRUE(ShowsTray(25));

    PressKey("Escape");
    EXPECT_TRUE(WaitUntil([&] { return Window() == nullptr; }));
    EXPECT_TRUE(results->isVisible());
}

} // namespace
} // namespace radirav
