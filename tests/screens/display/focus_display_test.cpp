#include "screens/display/display_support.h"
#include "screens/group_test_support.h"
#include "screens/input/form6_stripping.h"

#include <QApplication>

namespace radirav {
namespace {

using testing::PressKey;
using testing::ScreenPixel;
using testing::WaitUntil;

// The pixels two in from the middle of each side of `button`, as the screen shows them, are
// all dark: the heavy focus frame.
bool ShowsFocusFrame(const QWidget* button) {
    const QPoint origin = button->mapToGlobal(QPoint(0, 0));
    const int w = button->width(), h = button->height();
    for (const QPoint p : {QPoint(1, h / 2), QPoint(w - 2, h / 2), QPoint(w / 2, 1), QPoint(w / 2, h - 2)}) {
        const QRgb pixel = ScreenPixel(origin + p);
        if (qRed(pixel) > 40 || qGreen(pixel) > 40 || qBlue(pixel) > 40)
            return false;
    }
    return true;
}

class FocusOnTheDisplay : public testing::GroupTest {};

// Space on the tray-type screen picked "колпачковые" without a sign of the focus. The frame is
// there before any Tab, Tab moves it, and Space picks the button that shows it.
TEST_F(FocusOnTheDisplay, TheTrayTypeScreenShowsWhichButtonSpacePicks) {
    GroupWindow* group = EnterSample(testing::Group::Stripping);
    ASSERT_NE(group, nullptr);
    QTest::mouseClick(group->Command1, Qt::LeftButton);
    auto* form = qobject_cast<Form6*>(group);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->Command6->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form, 10000));
    QTest::qWait(200); // painted on the screen

    ASSERT_EQ(QApplication::focusWidget(), form->Command6);
    EXPECT_TRUE(ShowsFocusFrame(form->Command6)) << "no focus frame before Tab";
    EXPECT_FALSE(ShowsFocusFrame(form->Command7));

    PressKey("Tab");
    ASSERT_TRUE(WaitUntil([&] { return form->Command7->hasFocus(); }));
    QTest::qWait(100);
    EXPECT_TRUE(ShowsFocusFrame(form->Command7));
    EXPECT_FALSE(ShowsFocusFrame(form->Command6));

    PressKey("space");
    ASSERT_TRUE(WaitUntil([&] { return state.TrayType == "S"; })) << "Space picked " << state.TrayType;
}

} // namespace
} // namespace radirav
