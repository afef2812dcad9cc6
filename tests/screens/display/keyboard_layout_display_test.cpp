#include "model/program_state.h"
#include "platform/keyboard_layout.h"
#include "platform/qt_platform.h"
#include "screens/display/display_support.h"
#include "screens/input/form1_title.h"
#include "screens/recording_navigator.h"
#include "support/test_names.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

namespace radirav {
namespace {

using testing::KeyboardGroup;
using testing::LockKeyboardGroup;
using testing::PressKey;
using testing::WaitUntil;

// The input box in front, once the keyboard reaches it.
QInputDialog* ActiveBox() {
    auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    return box != nullptr && box->isActiveWindow() ? box : nullptr;
}

struct Typed {
    QString text;
    int group = -1; // the keyboard's group while the box was up
};

// Presses `keys` on the box in front titled `title`, once, and notes what it then holds and the
// keyboard's group while it was up; then Enter.
struct KeyScript {
    QString title;
    std::vector<const char*> keys;
    Typed typed;
    bool done = false;

    void RunOn(QInputDialog* box) {
        if (done || box->windowTitle() != title)
            return;
        done = true;
        typed.group = KeyboardGroup();
        for (const char* key : keys)
            PressKey(key);
        auto* line = box->findChild<QLineEdit*>();
        WaitUntil([&] { return line != nullptr && line->text().size() >= static_cast<int>(keys.size()); },
                  1000);
        typed.text = line != nullptr ? line->text() : QString();
        PressKey("Return");
    }
};

// With the us and ru layouts set and us active (display_tests.sh: setxkbmap us,ru), the keys
// of "фыв" pressed in the surname box type "фыв", and the numbers that follow are typed on us.
TEST(KeyboardOnTheDisplay, NamesAreTypedInRussianAndTheNumbersInLatin) {
    ASSERT_EQ(KeyboardGroup(), 0) << "the keyboard starts on its us group";
    ProgramState state;
    QtPlatform machine;
    testing::RecordingNavigator navigator;
    auto* form1 = new Form1(state, machine.Get(), navigator);
    form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1, 10000));

    KeyScript name{QStringLiteral("ВВОД ФАМИЛИИ"), {"a", "s", "d"}, {}};
    KeyScript system{QStringLiteral("ВВОД НАИМЕНОВАНИЙ КОМПОНЕНТОВ"), {"r", "b", "v"}, {}};
    QTimer keys;
    QObject::connect(&keys, &QTimer::timeout, [&] {
        if (QInputDialog* box = ActiveBox()) {
            name.RunOn(box);
            system.RunOn(box);
        }
    });
    keys.start(20);
    // Nothing may wait for a person: a box still up after ten seconds is cancelled.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            box->reject();
    });
    watchdog.start(10000);
    QTest::mouseClick(form1->Command1, Qt::LeftButton);
    keys.stop();

    EXPECT_EQ(name.typed.text, QStringLiteral("фыв"));
    EXPECT_EQ(system.typed.text, QStringLiteral("ким"));
    EXPECT_EQ(name.typed.group, 1);
    EXPECT_EQ(state.StudentName, "Фыв");
    EXPECT_EQ(state.SystemName, "Ким");
    EXPECT_EQ(KeyboardGroup(), 0) << "the numbers that follow are typed on us";
    EXPECT_TRUE(navigator.asked.contains(QStringLiteral("EnterGroup 0")));
}

struct DesktopGroupCase {
    std::string name;
    int desktopGroup;                 // the group the desktop was on when the program started
    std::vector<std::uint32_t> asked; // the layouts the program switched to before it ended
};
void PrintTo(const DesktopGroupCase& c, std::ostream* os) {
    *os << c.name;
}

class DesktopGroupAtTheEnd : public ::testing::TestWithParam<DesktopGroupCase> {};

// The XKB group is the whole desktop's: the program that switched it for its own questions
// leaves the student's group as it found it, even when it ends in the middle of the names.
TEST_P(DesktopGroupAtTheEnd, IsTheGroupTheProgramFound) {
    const int desktop = GetParam().desktopGroup;
    LockKeyboardGroup(desktop);
    ASSERT_TRUE(WaitUntil([desktop] { return KeyboardGroup() == desktop; }, 1000));
    {
        SystemKeyboardLayout layout;
        for (const std::uint32_t asked : GetParam().asked)
            layout.Activate(asked);
        EXPECT_TRUE(WaitUntil([desktop] { return KeyboardGroup() != desktop; }, 1000))
            << "the program switched the group";
    }
    WaitUntil([desktop] { return KeyboardGroup() == desktop; }, 1000);
    EXPECT_EQ(KeyboardGroup(), desktop);
    LockKeyboardGroup(0); // the next test starts on us
}

INSTANTIATE_TEST_SUITE_P(
    Display, DesktopGroupAtTheEnd,
    ::testing::Values(DesktopGroupCase{"ended while typing the names", 0, {kRussianLayout}},
                      DesktopGroupCase{
                          "desktop on Russian, numbers typed", 1, {kRussianLayout, kEnglishUsLayout}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

} // namespace
} // namespace radirav
