#include "model/entry.h"
#include "screens/group_test_support.h"

#include <QLabel>
#include <QPointer>

namespace radirav {
namespace {

using testing::Group;
using testing::GroupTest;

// A group with its third value bad, accepted: the confirmation is open.
class Confirmation : public GroupTest, public ::testing::WithParamInterface<Group> {
protected:
    void Open() {
        bad = testing::FactsOf(GetParam()).first + 2;
        form = EnterWith(GetParam(), bad, QStringLiteral("-1"));
        ASSERT_NE(form, nullptr);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        confirmation = form->Confirmation();
        ASSERT_NE(confirmation, nullptr);
    }

    int bad = 0;
    QPointer<GroupWindow> form;
    QPointer<YesNoWindow> confirmation;
};

// Enter and Space answer "Да": only it is a tab stop, and it holds the focus.
TEST_P(Confirmation, AsksInItsWordsWithYesForTheKeyboard) {
    Open();
    EXPECT_EQ(confirmation->windowTitle(), QStringLiteral("Внимание !"));
    EXPECT_EQ(confirmation->Label1->text(), QStringLiteral("Ошибка в исходной информации."));
    EXPECT_EQ(confirmation->Label2->text(), QStringLiteral("Изменяете исходную информацию?"));
    EXPECT_EQ(confirmation->Command1->text(), QStringLiteral("Да"));
    EXPECT_EQ(confirmation->Command2->text(), QStringLiteral("Нет"));
    EXPECT_TRUE(confirmation->Command1->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(confirmation->Command2->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(confirmation->focusWidget(), confirmation->Command1);
}

TEST_P(Confirmation, YesReturnsToTheListAsLastTyped) {
    Open();
    QTest::mouseClick(confirmation->Command1, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_TRUE(confirmation.isNull());
    ASSERT_FALSE(form.isNull());
    EXPECT_EQ(machine.screens.LoadedNames(), QStringList{form->objectName()});
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->List1->isEnabled());
    EXPECT_TRUE(form->Surface().Ops().empty());
    EXPECT_EQ(testing::VisibleOf({form->List1, form->Label2, form->Label3, form->Command3}),
              (QStringList{"List1", "Label3"}));
    EXPECT_EQ(form->focusWidget(), form->List1) << "the keyboard picks the line to correct";
    const int first = testing::FactsOf(GetParam()).first;
    ASSERT_EQ(form->List1->count(), testing::FactsOf(GetParam()).count);
    for (int row = 0; row < form->List1->count(); ++row) {
        EXPECT_EQ(form->List1->item(row)->text(), QString::fromStdString(ParamLine(state, first + row)));
    }
    EXPECT_TRUE(form->List1->item(2)->text().endsWith(QStringLiteral(" -1")));

    // Correcting the bad line brings the end button back, green.
    machine.AnswerInputBoxes({testing::SampleAnswers(bad, 1)[0]});
    testing::ClickListRow(form->List1, 3);
    EXPECT_TRUE(form->Command3->isVisible());
    EXPECT_FALSE(state.InputError);
}

TEST_P(Confirmation, NoEndsTheProgramLeavingNoWindow) {
    Open();
    QTest::mouseClick(confirmation->Command2, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(machine.programEnds, 1);
    EXPECT_EQ(machine.screens.Count(), 0);
    EXPECT_TRUE(form.isNull());
    EXPECT_TRUE(confirmation.isNull());
}

// Neither a stray Escape nor the title-bar button may throw away what was typed: both answer
// "Да" and the student goes on correcting.
TEST_P(Confirmation, TitleBarCloseAndEscapeGoOnCorrecting) {
    for (const bool escape : {false, true}) {
        Open();
        if (escape) {
            QTest::keyClick(confirmation->focusWidget(), Qt::Key_Escape);
        } else {
            confirmation->close();
        }
        testing::DestroyUnloadedWindows();
        EXPECT_EQ(machine.programEnds, 0) << (escape ? "Escape" : "close");
        EXPECT_TRUE(confirmation.isNull());
        ASSERT_FALSE(form.isNull());
        EXPECT_TRUE(form->List1->isVisible());
        form->Unload();
        testing::DestroyUnloadedWindows();
    }
}

TEST_P(Confirmation, ListClickClosesItAndAsksForTheLine) {
    Open();
    machine.inputBoxes.clear();
    machine.AnswerInputBoxes({QStringLiteral("0,5")});
    form->List1Click(3);
    testing::DestroyUnloadedWindows();
    EXPECT_TRUE(confirmation.isNull());
    ASSERT_EQ(machine.inputBoxes.size(), 1u);
    EXPECT_EQ(machine.inputBoxes[0].prompt, QString::fromStdString(state.InputParams[bad].Label));
    EXPECT_EQ(state.InputValueTexts[bad], "0.5");
}

INSTANTIATE_TEST_SUITE_P(FirstRun, Confirmation,
                         ::testing::Values(Group::General, Group::Rectifying, Group::Stripping),
                         [](const auto& info) {
                             return std::string(info.param == Group::General      ? "Form3"
                                                : info.param == Group::Rectifying ? "Form5"
                                                                                  : "Form7");
                         });

} // namespace
} // namespace radirav
