#include "platform/controls.h"
#include "platform/screen_list.h"
#include "platform/screen_window.h"
#include "support/test_names.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QStyleFactory>
#include <QTest>
#include <gtest/gtest.h>

namespace radirav {
namespace {

class ButtonScreen final : public ScreenWindow {
public:
    explicit ButtonScreen(ScreenList& screens) : ScreenWindow(screens, QStringLiteral("ButtonScreen")) {
        resize(300, 200);
        hiddenOne =
            MakeButton(this, QStringLiteral("Hidden"), QStringLiteral("скрытая"), {10, 10, 120, 30}, font());
        visibleOne =
            MakeButton(this, QStringLiteral("Visible"), QStringLiteral("видимая"), {10, 60, 120, 30}, font());
        hiddenOne->OnClick([this] { ++hiddenClicks; });
        visibleOne->OnClick([this] { ++visibleClicks; });
    }
    CommandButton* hiddenOne;
    CommandButton* visibleOne;
    int hiddenClicks = 0, visibleClicks = 0;

protected:
    void OnCloseRequested() override {}
};

// The fault this guards against: a student's Space went to a button hidden under the focus and
// re-opened a group past its range check.
TEST(CommandButton, HiddenOrDisabledNeverActsWhateverHasTheFocus) {
    ScreenList screens;
    auto* screen = new ButtonScreen(screens);
    screen->show();
    screen->hiddenOne->setFocus();
    screen->hiddenOne->hide();
    screen->hiddenOne->click();
    QTest::keyClick(screen->hiddenOne, Qt::Key_Space);
    QTest::keyClick(screen->hiddenOne, Qt::Key_Return);
    EXPECT_EQ(screen->hiddenClicks, 0);
    EXPECT_NE(screen->focusWidget(), screen->hiddenOne) << "the focus left the hidden button";

    screen->visibleOne->setEnabled(false);
    screen->visibleOne->click();
    EXPECT_EQ(screen->visibleClicks, 0);
}

TEST(CommandButton, EnterAndSpacePressTheFocusedButton) {
    ScreenList screens;
    auto* screen = new ButtonScreen(screens);
    screen->show();
    QTest::keyClick(screen->visibleOne, Qt::Key_Return);
    QTest::keyClick(screen->visibleOne, Qt::Key_Enter);
    QTest::keyClick(screen->visibleOne, Qt::Key_Space);
    EXPECT_EQ(screen->visibleClicks, 3);
}

struct FaceCase {
    const char* style;
};

class PaintedButtonFace : public ::testing::TestWithParam<FaceCase> {};

// The red or green accept button is the only sign of a range error: its face must be solid in
// the colour asked for under every platform style, which ignore palette colours on their own.
TEST_P(PaintedButtonFace, IsSolidInItsColourUnderEveryStyle) {
    QWidget parent;
    parent.setStyle(QApplication::style()); // default first; overridden below when installed
    if (QStyle* style = QStyleFactory::create(QString::fromUtf8(GetParam().style))) {
        style->setParent(&parent);
        parent.setStyle(style);
    }
    CommandButton* button =
        MakeButton(&parent, QStringLiteral("Command1"), {}, {0, 0, 120, 40}, parent.font());
    for (const QColor& colour : {QColor(255, 0, 0), QColor(0, 255, 0)}) {
        PaintControl(button,
                     static_cast<std::uint32_t>(colour.red() | colour.green() << 8 | colour.blue() << 16));
        const QImage face = button->grab().toImage();
        for (const QPoint at : {QPoint(20, 20), QPoint(60, 10), QPoint(100, 30)}) {
            EXPECT_EQ(face.pixelColor(at), colour) << GetParam().style << " at " << at.x() << "," << at.y();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, PaintedButtonFace,
                         ::testing::Values(FaceCase{"Fusion"}, FaceCase{"Windows"}),
                         [](const auto& info) { return testing::CaseName(info.param.style); });

// The menu recolours buttons while they are disabled and enables them later: the text must then
// be black again, not the grey of the moment it was painted.
TEST(PaintedButtonText, PaintedWhileDisabledIsBlackOnceEnabled) {
    QWidget parent;
    CommandButton* button = MakeButton(&parent, QStringLiteral("Command1"), QStringLiteral("Расчёт"),
                                       {0, 0, 120, 40}, parent.font());
    button->setEnabled(false);
    PaintControl(button, 0x80FF80);
    button->setEnabled(true);
    EXPECT_TRUE(button->styleSheet().contains(QStringLiteral("color: rgb(0, 0, 0);")))
        << button->styleSheet().toStdString();
}

TEST(ListRowChosen, ByClickOrByArrowKeysAndEnter) {
    QListWidget list;
    list.addItems({QStringLiteral("один"), QStringLiteral("два"), QStringLiteral("три")});
    list.show();
    std::vector<int> chosen;
    OnListRowChosen(&list, [&chosen](int row) { chosen.push_back(row); });
    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(chosen, std::vector<int>{3});
}

} // namespace
} // namespace radirav
