#include "model/program_state.h"
#include "platform/qt_platform.h"
#include "screens/display/display_support.h"
#include "screens/input/form1_title.h"
#include "screens/recording_navigator.h"

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

} // namespace
} // namespace radirav
