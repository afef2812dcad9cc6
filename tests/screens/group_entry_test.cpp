#include "model/entry.h"
#include "model/val.h"
#include "platform/twips.h"
#include "screens/group_test_support.h"

#include <QLabel>
#include <QPushButton>

namespace radirav {
namespace {

using testing::Answers;
using testing::BackOf;
using testing::Group;
using testing::GroupTest;
using testing::kGreen;
using testing::kRed;

struct BoxLayout {
    Group group;
    const char* title;
    int firstBoxY; // twips
};

class GroupBoxes : public GroupTest, public ::testing::WithParamInterface<BoxLayout> {};

TEST_P(GroupBoxes, AskEachLabelUnderTheGroupTitleOneLineLowerEachTime) {
    const BoxLayout& layout = GetParam();
    const testing::GroupFacts& facts = testing::FactsOf(layout.group);
    ASSERT_NE(EnterSample(layout.group), nullptr);
    ASSERT_EQ(machine.inputBoxes.size(), static_cast<std::size_t>(facts.count));
    for (int k = 1; k <= facts.count; ++k) {
        const InputBoxRequest& box = machine.inputBoxes[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(box.prompt, QString::fromStdString(state.InputParams[facts.first + k - 1].Label));
        EXPECT_EQ(box.title, QString::fromUtf8(layout.title));
        EXPECT_TRUE(box.defaultText.isEmpty());
        EXPECT_EQ(box.positionTwips, QPoint(4000, layout.firstBoxY + (k - 1) * 195)) << "box " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    FirstRun, GroupBoxes,
    ::testing::Values(BoxLayout{Group::General, "ВВОД ИСХОДНОЙ ИНФОРМАЦИИ", 1715},
                      BoxLayout{Group::Rectifying, "ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (Укрепляющая часть)", 1680},
                      BoxLayout{Group::Stripping, "ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (Исчерпывающая часть)", 1680}),
    [](const auto& info) { return std::string(testing::FactsOf(info.param.group).name); });

TEST_F(GroupTest, TypedGroupIsListedThenPrintedForControl) {
    GroupWindow* form = EnterWith(Group::Rectifying, 16, QStringLiteral("96,5"));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("   КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ"));
    EXPECT_FALSE(form->List1->isVisible());
    ASSERT_EQ(form->List1->count(), 8);
    EXPECT_EQ(form->List1->item(3)->text(),
              QStringLiteral("СРЕДНЯЯ ТЕМПЕРАТУРА, ГР. ЦЕЛЬСИЯ               ") + QString(15, ' ') +
                  QStringLiteral("96.5"));

    // The same lines are printed one under the other, 195 twips apart from y 1405.
    std::vector<const DrawOp*> lines;
    for (const DrawOp& op : form->Surface().Ops()) {
        if (op.kind == DrawOp::Kind::Text) {
            lines.push_back(&op);
        }
    }
    ASSERT_EQ(lines.size(), 8u);
    for (int k = 1; k <= 8; ++k) {
        const DrawOp& line = *lines[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(line.text, form->List1->item(k - 1)->text());
        EXPECT_EQ(line.from, QPointF(TwipsToPixels(528), TwipsToPixels(k * 195 + 1210)));
    }
    EXPECT_EQ(
        testing::VisibleOf({form->Command1, form->Command2, form->Command3, form->Label1, form->Label2}),
        (QStringList{"Command1", "Command2", "Label1"}));
}

TEST_F(GroupTest, CancelledGeneralBoxesStoreZerosAndFailOnTheFeedFraction) {
    GroupWindow* form = Enter(Group::General, Answers(12, std::nullopt));
    ASSERT_NE(form, nullptr);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(state.InputValueTexts[i], "0") << i;
        EXPECT_EQ(state.InputParams[i].Value, 0.0f) << i;
    }
    EXPECT_TRUE(state.InputError);
    EXPECT_EQ(state.ErrorIndex, 2);
    EXPECT_EQ(BackOf(form->Command1), kRed);
    EXPECT_EQ(BackOf(form->Command2), kGreen);
    EXPECT_EQ(form->focusWidget(), form->Command2);
}

struct TypedCase {
    const char* name;
    Group group;
    std::vector<std::pair<int, const char*>> typed; // parameter, answer
    int errorIndex;
};

class GroupCheckAfterTyping : public GroupTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(GroupCheckAfterTyping, MarksTheFirstBadValueOrGreensTheAcceptButton) {
    const TypedCase& c = GetParam();
    const testing::GroupFacts& facts = testing::FactsOf(c.group);
    Answers answers = testing::SampleAnswers(facts.first, facts.count);
    for (const auto& [index, text] : c.typed) {
        answers[static_cast<std::size_t>(index - facts.first)] = QString::fromUtf8(text);
    }
    GroupWindow* form = Enter(c.group, answers);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(state.ErrorIndex, c.errorIndex);
    EXPECT_EQ(state.InputError, c.errorIndex != 0);
    EXPECT_EQ(BackOf(form->Command1), c.errorIndex != 0 ? kRed : kGreen);
    EXPECT_EQ(BackOf(form->Command2), kGreen);
    if (c.errorIndex != 0) {
        EXPECT_EQ(form->focusWidget(), form->Command2);
    } else if (c.group != Group::Rectifying) {
        EXPECT_EQ(form->focusWidget(), form->Command1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    FirstRun, GroupCheckAfterTyping,
    ::testing::Values(TypedCase{"SampleGeneral", Group::General, {}, 0},
                      TypedCase{
                          "FeedPoorerThanBottoms", Group::General, {{2, "0.5"}, {3, "0.95"}, {4, "0.6"}}, 4},
                      TypedCase{"RectifyingAtAbsoluteZero", Group::Rectifying, {{16, "-273"}}, 0},
                      TypedCase{"RectifyingBelowAbsoluteZero", Group::Rectifying, {{16, "-273.5"}}, 16},
                      TypedCase{"StrippingBelowAbsoluteZero", Group::Stripping, {{24, "-273,5"}}, 24},
                      TypedCase{"SampleStripping", Group::Stripping, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GroupTest, CommaTypedIsStoredAsPoint) {
    EnterWith(Group::General, 9, QStringLiteral("0,1"));
    EXPECT_EQ(state.InputValueTexts[9], "0.1");
    EXPECT_EQ(state.InputParams[9].Value, 0.1f);
}

} // namespace
} // namespace radirav
