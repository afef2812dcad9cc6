#include "model/entry.h"
#include "platform/twips.h"
#include "screens/group_test_support.h"

#include <QLabel>
#include <QPushButton>

namespace radirav {
namespace {

using testing::Answers;
using testing::BackOf;
using testing::ClickListRow;
using testing::Group;
using testing::GroupTest;
using testing::kGreen;
using testing::kRed;

struct TwinLook {
    Group group;
    QRect window; // pixels
    QRect list;
    const char* header;
    const char* command2;
    int correctionBoxBase; // twips: row r at r * 195 + this
    bool hintOnList;
};

class TwinWindows : public GroupTest, public ::testing::WithParamInterface<TwinLook> {};

TEST_P(TwinWindows, StandWhereTheirDesignPlacesThem) {
    const TwinLook& look = GetParam();
    GroupWindow* form = EnterSample(look.group);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), QString::fromUtf8(testing::FactsOf(look.group).name));
    EXPECT_EQ(form->frameGeometry(), look.window);
    EXPECT_EQ(form->List1->geometry(), look.list);
    EXPECT_EQ(form->Label1->text(), QString::fromUtf8(look.header));
    EXPECT_EQ(form->Command1->text(), QStringLiteral("НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"));
    EXPECT_EQ(form->Command2->text(), QString::fromUtf8(look.command2));
    EXPECT_EQ(form->Command3->text(), QStringLiteral("КОНЕЦ ИСПРАВЛЕНИЙ"));
    EXPECT_EQ(form->Command3->geometry(), TwipsRect(2400, 3720, 2535, 375));
    for (const QWidget* centred :
         {static_cast<QWidget*>(form->Command1), static_cast<QWidget*>(form->Command2),
          static_cast<QWidget*>(form->Label1)}) {
        EXPECT_EQ(centred->x(), (form->width() - centred->width()) / 2)
            << centred->objectName().toStdString();
    }
    const QRect hintFrame = look.hintOnList ? look.list : QRect(0, 0, form->width(), 0);
    EXPECT_EQ(form->Label3->x(), hintFrame.x() + (hintFrame.width() - form->Label3->width()) / 2);
    EXPECT_EQ(form->Label3->y(), TwipsToPixels(4000));
    EXPECT_EQ(form->grab().toImage().pixelColor(2, 2), QColor(255, 255, 0)) << "yellow window";
    EXPECT_EQ(form->Surface().BackColor(), QColor(255, 255, 0));
    EXPECT_EQ(form->Label2->palette().color(QPalette::Window), kGreen);
    EXPECT_EQ(form->Label2->palette().color(QPalette::WindowText), kRed);

    QTest::mouseClick(form->Command2, Qt::LeftButton);
    EXPECT_TRUE(form->Surface().Ops().empty());
    EXPECT_TRUE(form->List1->isVisible());
    EXPECT_TRUE(form->List1->isEnabled());
    EXPECT_FALSE(form->Command1->isVisible());
    EXPECT_FALSE(form->Command2->isVisible());
    const QRect lastRow = form->List1->visualItemRect(form->List1->item(form->List1->count() - 1));
    EXPECT_LE(lastRow.bottom(), form->List1->viewport()->height())
        << "the whole group shows without scrolling";
    EXPECT_TRUE(form->Label3->isVisible());
    EXPECT_EQ(form->Label3->text(),
              QStringLiteral(" Подведите указатель мыши к   строке, информацию которой   "
                             "Вы будете исправлять и  щёлкните левой кнопкой"));

    // Every row is corrected under one title, its box one line lower per row.
    const int count = testing::FactsOf(look.group).count;
    for (int row = 1; row <= count; ++row) {
        machine.inputBoxes.clear();
        const int i = testing::FactsOf(look.group).first + row - 1;
        machine.AnswerInputBoxes({QString::fromStdString(state.InputValueTexts[i])});
        ClickListRow(form->List1, row);
        ASSERT_EQ(machine.inputBoxes.size(), 1u) << "row " << row;
        EXPECT_EQ(machine.inputBoxes[0].title, QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ"));
        EXPECT_EQ(machine.inputBoxes[0].positionTwips, QPoint(4000, row * 195 + look.correctionBoxBase));
    }
}

INSTANTIATE_TEST_SUITE_P(
    FirstRun, TwinWindows,
    ::testing::Values(TwinLook{Group::General,
                               {3, 3, 667, 467},
                               {33, 80, 600, 167},
                               "Общие физико-химические параметры\n       (исходная информация)",
                               "ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ",
                               1680,
                               false},
                      TwinLook{Group::Rectifying,
                               {7, 7, 800, 533},
                               {33, 80, 600, 120},
                               "  Укрепляющая часть\n(исходная информация)",
                               "ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОМАЦИЮ",
                               1780,
                               true},
                      TwinLook{Group::Stripping,
                               {7, 7, 800, 600},
                               {33, 80, 600, 120},
                               "  Исчерпывающая часть\n(исходная информация)",
                               "ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ",
                               1780,
                               true}),
    [](const auto& info) { return std::string(testing::FactsOf(info.param.group).name); });

TEST_F(GroupTest, RowThreeOfTheRectifyingListReentersTheTrayArea) {
    GroupWindow* form = EnterSample(Group::Rectifying);
    ASSERT_NE(form, nullptr);
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    QStringList before;
    for (int row = 0; row < form->List1->count(); ++row) {
        before << form->List1->item(row)->text();
    }
    machine.inputBoxes.clear();
    machine.AnswerInputBoxes({QStringLiteral("0,75")});
    ClickListRow(form->List1, 3);

    ASSERT_EQ(machine.inputBoxes.size(), 1u);
    EXPECT_EQ(machine.inputBoxes[0].prompt, QString::fromStdString(state.InputParams[15].Label));
    EXPECT_EQ(machine.inputBoxes[0].positionTwips, QPoint(4000, 2365));
    EXPECT_EQ(state.InputValueTexts[15], "0.75");
    EXPECT_EQ(state.InputParams[15].Value, 0.75f);
    ASSERT_EQ(form->List1->count(), 8);
    for (int row = 0; row < 8; ++row) {
        if (row == 2) {
            EXPECT_EQ(form->List1->item(row)->text(), QString::fromStdString(ParamLine(state, 15)));
            EXPECT_TRUE(form->List1->item(row)->text().endsWith(QStringLiteral(" 0.75")));
        } else {
            EXPECT_EQ(form->List1->item(row)->text(), before[row]) << "row " << row + 1;
        }
    }
    EXPECT_EQ(form->List1->currentRow(), 2) << "the corrected row stays selected";
    EXPECT_FALSE(form->Label3->isVisible()) << "the hint goes with the first correction";
}

TEST_F(GroupTest, CorrectionsTurnTheEndButtonGreenThenRed) {
    GroupWindow* form = EnterWith(Group::General, 2, QStringLiteral("1,5"));
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(state.ErrorIndex, 2);
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    EXPECT_FALSE(form->Command3->isVisible());

    machine.AnswerInputBoxes({QStringLiteral("0.08")});
    ClickListRow(form->List1, 2);
    EXPECT_TRUE(form->Command3->isVisible());
    EXPECT_EQ(BackOf(form->Command3), kGreen);
    EXPECT_FALSE(state.InputError);

    // Bottoms richer than the feed.
    machine.AnswerInputBoxes({QStringLiteral("0.09")});
    ClickListRow(form->List1, 4);
    EXPECT_EQ(BackOf(form->Command3), kRed);
    EXPECT_EQ(state.ErrorIndex, 4);
}

class GroupAcceptance : public GroupTest, public ::testing::WithParamInterface<Group> {};

TEST_P(GroupAcceptance, WithABadValueMarksItsLineAndAsksForConfirmation) {
    const testing::GroupFacts& facts = testing::FactsOf(GetParam());
    const int bad = facts.first + 2; // third line
    GroupWindow* form = EnterWith(GetParam(), bad, QStringLiteral("-1"));
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(state.ErrorIndex, bad);
    QTest::mouseClick(form->Command1, Qt::LeftButton);

    EXPECT_EQ(machine.beeps, 1);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("   ПРОВЕРКА ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ"));
    for (const QWidget* hidden :
         {static_cast<QWidget*>(form->List1), static_cast<QWidget*>(form->Command1),
          static_cast<QWidget*>(form->Command2), static_cast<QWidget*>(form->Command3)}) {
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    }
    EXPECT_TRUE(form->Label2->isVisible());
    EXPECT_EQ(form->Label2->text(), QString::fromStdString(ParamLine(state, bad)));
    EXPECT_EQ(form->Label2->geometry(), TwipsRect(528, 3 * 195 + 1200, 9000, 200));
    EXPECT_EQ(form->Surface().Texts().size(), static_cast<std::size_t>(facts.count)) << "lines printed once";

    YesNoWindow* confirmation = form->Confirmation();
    ASSERT_NE(confirmation, nullptr);
    EXPECT_TRUE(confirmation->isVisible());
    EXPECT_EQ(confirmation->pos(), TwipsToPixels(QPoint(500 + 1600, 4500)));
    const char* expected = GetParam() == Group::General      ? "Form3"
                           : GetParam() == Group::Rectifying ? "Form5"
                                                             : "Form7";
    EXPECT_EQ(confirmation->objectName(), QString::fromUtf8(expected));
    EXPECT_EQ(machine.screens.LoadedNames(), (QStringList{form->objectName(), QString::fromUtf8(expected)}));
}

INSTANTIATE_TEST_SUITE_P(FirstRun, GroupAcceptance,
                         ::testing::Values(Group::General, Group::Rectifying, Group::Stripping),
                         [](const auto& info) { return std::string(testing::FactsOf(info.param).name); });

struct NextGroup {
    Group group;
    const char* next;
    int nextBoxes;
};

class AcceptedGroup : public GroupTest, public ::testing::WithParamInterface<NextGroup> {};

TEST_P(AcceptedGroup, OpensTheNextGroupAlone) {
    const NextGroup& c = GetParam();
    GroupWindow* form = EnterSample(c.group);
    ASSERT_NE(form, nullptr);
    machine.AnswerInputBoxes(testing::SampleAnswers(1, c.nextBoxes));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(machine.screens.LoadedNames(), QStringList{QString::fromUtf8(c.next)});
    EXPECT_EQ(machine.beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(FirstRun, AcceptedGroup,
                         ::testing::Values(NextGroup{Group::General, "Form4", 8},
                                           NextGroup{Group::Rectifying, "Form6", 8}),
                         [](const auto& info) { return std::string(info.param.next); });

} // namespace
} // namespace radirav
