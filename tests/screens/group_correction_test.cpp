#include "model/entry.h"
#include "platform/twips.h"
#include "screens/group_test_support.h"

#include <QLabel>

namespace radirav {
namespace {

using testing::Answers;
using testing::BackOf;
using testing::ClickListRow;
using testing::Group;
using testing::GroupTest;
using testing::kGreen;
using testing::kRed;

struct GroupText {
    const char* name;
    Group group;
    const char* control;
    const char* text;
};
void PrintTo(const GroupText& c, std::ostream* out) {
    *out << c.name;
}

class GroupWindowTexts : public GroupTest, public ::testing::WithParamInterface<GroupText> {};

// The headers and the second button differ between the twins (Form4's keeps its missing letter);
// the other texts are the same on all three.
TEST_P(GroupWindowTexts, ReadAsDesigned) {
    GroupWindow* form = EnterSample(GetParam().group);
    ASSERT_NE(form, nullptr);
    const QWidget* control = testing::Named(form, GetParam().control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(testing::TextOf(control), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    FirstRun, GroupWindowTexts,
    ::testing::Values(
        GroupText{"Form2Header", Group::General, "Label1",
                  "Общие физико-химические параметры\n       (исходная информация)"},
        GroupText{"Form4Header", Group::Rectifying, "Label1", "  Укрепляющая часть\n(исходная информация)"},
        GroupText{"Form6Header", Group::Stripping, "Label1", "  Исчерпывающая часть\n(исходная информация)"},
        GroupText{"Form2Correct", Group::General, "Command2", "ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"},
        GroupText{"Form4Correct", Group::Rectifying, "Command2", "ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОМАЦИЮ"},
        GroupText{"Form6Correct", Group::Stripping, "Command2", "ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"},
        GroupText{"Accept", Group::General, "Command1", "НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"},
        GroupText{"EndOfCorrections", Group::Rectifying, "Command3", "КОНЕЦ ИСПРАВЛЕНИЙ"},
        GroupText{"Hint", Group::Stripping, "Label3",
                  " Подведите указатель мыши к   строке, информацию которой   "
                  "Вы будете исправлять и  щёлкните левой кнопкой"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CorrectionBoxes {
    Group group;
    int correctionBoxBase; // twips: row r at r * 195 + this
};

class GroupCorrection : public GroupTest, public ::testing::WithParamInterface<CorrectionBoxes> {};

TEST_P(GroupCorrection, ShowsTheWholeListAndAsksEachRowOneLineLower) {
    GroupWindow* form = EnterSample(GetParam().group);
    ASSERT_NE(form, nullptr);
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    EXPECT_TRUE(form->Surface().Ops().empty());
    EXPECT_TRUE(form->List1->isEnabled());
    EXPECT_EQ(testing::VisibleOf({form->List1, form->Command1, form->Command2, form->Command3, form->Label3}),
              (QStringList{"List1", "Label3"}));
    const QRect lastRow = form->List1->visualItemRect(form->List1->item(form->List1->count() - 1));
    EXPECT_LE(lastRow.bottom(), form->List1->viewport()->height())
        << "the whole group shows without scrolling";

    // Every row is corrected under one title, its box one line lower per row.
    const int count = testing::FactsOf(GetParam().group).count;
    for (int row = 1; row <= count; ++row) {
        machine.inputBoxes.clear();
        const int i = testing::FactsOf(GetParam().group).first + row - 1;
        machine.AnswerInputBoxes({QString::fromStdString(state.InputValueTexts[i])});
        ClickListRow(form->List1, row);
        ASSERT_EQ(machine.inputBoxes.size(), 1u) << "row " << row;
        EXPECT_EQ(machine.inputBoxes[0].title, QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ"));
        EXPECT_EQ(machine.inputBoxes[0].defaultText, QString::fromStdString(state.InputValueTexts[i]));
        EXPECT_EQ(machine.inputBoxes[0].positionTwips,
                  QPoint(4000, row * 195 + GetParam().correctionBoxBase));
    }
}

INSTANTIATE_TEST_SUITE_P(FirstRun, GroupCorrection,
                         ::testing::Values(CorrectionBoxes{Group::General, 1680},
                                           CorrectionBoxes{Group::Rectifying, 1780},
                                           CorrectionBoxes{Group::Stripping, 1780}),
                         [](const auto& info) {
                             return std::string(testing::FactsOf(info.param.group).name);
                         });

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
    EXPECT_EQ(testing::VisibleOf({form->List1, form->Command1, form->Command2, form->Command3, form->Label2}),
              QStringList{"Label2"});
    EXPECT_EQ(form->Label2->text(), QString::fromStdString(ParamLine(state, bad)));
    EXPECT_EQ(form->Label2->geometry(), TwipsRect(528, 3 * 195 + 1200, 9000, 200));
    EXPECT_EQ(form->Surface().Texts().size(), static_cast<std::size_t>(facts.count)) << "lines printed once";

    YesNoWindow* confirmation = form->Confirmation();
    ASSERT_NE(confirmation, nullptr);
    EXPECT_TRUE(confirmation->isVisible());
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
