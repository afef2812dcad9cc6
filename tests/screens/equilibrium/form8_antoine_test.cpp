#include "model/sample_data.h"
#include "model/val.h"
#include "platform/twips.h"
#include "screens/equilibrium/form8_review.h"
#include "screens/equilibrium/form9_antoine_question.h"
#include "screens/group_test_support.h"
#include "screens/recording_navigator.h"
#include "support/test_names.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QWindow>

namespace radirav {
namespace {

using testing::Answers;
using testing::BackOf;
using testing::ClickListRow;
using testing::kGreen;
using testing::kRed;

// A constant's line: the name padded with blanks to 30 characters, then the text as typed.
QString Line(const char* name, const QString& text) {
    return QString::fromUtf8(name).leftJustified(30, ' ') + text;
}

int Px(int twips) {
    return TwipsToPixels(twips);
}

// The review window alone, asked about the ideality and given six constants.
class Antoine : public testing::ScreenTest {
protected:
    void SetUp() override {
        LoadSampleData(state);
        // As the program does: "Да" on the question lists the constants on this window again.
        navigator.onAsk = [this](const QString& what) {
            if (what == QStringLiteral("CorrectAntoineConstants") && form) {
                form->CorrectConstants();
            }
        };
    }

    Form8* Open() {
        form = new Form8(state, platform, navigator);
        form->ShowIdealityChoice();
        return form;
    }

    // The ideal mixture chosen and `answers` typed.
    void Enter(const Answers& answers) {
        Open();
        machine.AnswerInputBoxes(answers);
        QTest::mouseClick(form->Command2, Qt::LeftButton);
    }

    // Constant `k` typed as `text`, the others as the sample.
    void EnterWith(int k, const std::optional<QString>& text) {
        Answers answers = testing::SampleAntoineAnswers();
        answers[static_cast<std::size_t>(k - 1)] = text;
        Enter(answers);
    }

    std::vector<QString> ListLines() const {
        std::vector<QString> lines;
        for (int row = 0; row < form->List1->count(); ++row) {
            lines.push_back(form->List1->item(row)->text());
        }
        return lines;
    }

    void ExpectValuesReadFromTexts() {
        for (int i = 1; i <= 6; ++i) {
            EXPECT_EQ(state.AntoineValues[i], ToSingle(Val(state.AntoineTexts[i]))) << "constant " << i;
        }
    }

    testing::RecordingNavigator navigator;
    QPointer<Form8> form;
};

TEST_F(Antoine, AsksWhetherTheMixtureIsIdealWithItsTwoAnswersAlone) {
    Open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("ОПРЕДЕЛЕНИЕ ИДЕАЛЬНОСТИ"));
    EXPECT_EQ(form->Command1->text(), QStringLiteral("Смесь рассматривается\n как неидеальная"));
    EXPECT_EQ(form->Command2->text(), QStringLiteral("Смесь рассматривается\n  как идеальная"));
    EXPECT_EQ(testing::VisibleOf({form->Command1, form->Command2, form->Label1, form->Label2, form->Label3,
                                  form->Label4, form->List1, form->Command3, form->Command4, form->Command5}),
              (QStringList{"Command1", "Command2"}));
}

// Found driving the real window: no answer had the focus and neither was reached by Tab, so
// the keyboard could not answer the question.
TEST_F(Antoine, TheIdealityQuestionIsAnsweredByKeyboard) {
    Open();
    EXPECT_EQ(form->focusWidget(), form->Command1);
    EXPECT_TRUE(form->Command2->focusPolicy() & Qt::TabFocus);
    machine.AnswerInputBoxes(testing::SampleAntoineAnswers());
    QTest::keyClick(form->Command2, Qt::Key_Return);
    EXPECT_TRUE(state.AntoineEntered);
}

TEST_F(Antoine, NonIdealMixtureLeavesForThePointsWithTheTableModel) {
    Open();
    state.AntoineMode = true;
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_TRUE(form.isNull());
    EXPECT_TRUE(state.TableMode);
    EXPECT_FALSE(state.AntoineMode);
    EXPECT_EQ(navigator.asked, QStringList{QStringLiteral("EnterEquilibriumPoints")});
}

TEST_F(Antoine, TypesSixConstantsInTwoGroupsAndPrintsThemForControl) {
    EnterWith(2, QStringLiteral("1,200"));
    ASSERT_EQ(machine.inputBoxes.size(), 6u);
    EXPECT_EQ(machine.inputBoxes[0].prompt, QStringLiteral("A1"));
    EXPECT_EQ(machine.inputBoxes[0].title,
              QStringLiteral("Ведите параметры ур-ния для более летуч. компонента"));
    EXPECT_EQ(machine.inputBoxes[0].positionTwips, QPoint(3350, 3345));
    EXPECT_EQ(machine.inputBoxes[3].title,
              QStringLiteral("Ведите параметры ур-ния для менее летуч. компонента"));
    EXPECT_EQ(machine.inputBoxes[5].positionTwips, QPoint(3350, 4320));

    EXPECT_EQ(form->windowTitle(), QStringLiteral("   ПРОВЕРКА ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ"));
    EXPECT_EQ(form->Label1->text(), QStringLiteral("Смесь рассматривается\n     как идеальная"));
    EXPECT_TRUE(form->Label2->text().contains(QStringLiteral("ln(Po) = A - B/(C + T)")));

    EXPECT_EQ(state.AntoineTexts[2], "1.200");
    const std::vector<DrawOp>& ops = form->Surface().Ops();
    ASSERT_EQ(ops.size(), 6u);
    EXPECT_EQ(ops[1].text, Line("B1", QStringLiteral("1.200")));
    EXPECT_EQ(ops[5].text, Line("C2", QStringLiteral("-145")));
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(ops[static_cast<std::size_t>(i - 1)].from, QPointF(Px(2500), Px(i * 195 + 2500)));
    }
    EXPECT_EQ(ListLines(), form->Surface().Texts());
    EXPECT_TRUE(state.AntoineEntered);
    EXPECT_EQ(state.EquilibriumKind, kKindAntoine);
}

struct CheckCase {
    const char* name;
    int k; // the constant typed differently from the sample
    std::optional<QString> typed;
    int expectedIndex;
};

class AntoineCheck : public Antoine, public ::testing::WithParamInterface<CheckCase> {};

// The check judges what was typed; its text and its value never disagree.
TEST_P(AntoineCheck, ColoursTheAcceptButtonAndFocusesTheWayOn) {
    const CheckCase& c = GetParam();
    EnterWith(c.k, c.typed);
    EXPECT_EQ(state.ErrorIndex, c.expectedIndex);
    const bool bad = c.expectedIndex != 0;
    EXPECT_EQ(BackOf(form->Command3), bad ? kRed : kGreen);
    EXPECT_EQ(BackOf(form->Command4), kGreen);
    EXPECT_EQ(form->focusWidget(), bad ? form->Command4 : form->Command3);
    EXPECT_TRUE(form->Command3->isVisible() && form->Command4->isVisible());
    ExpectValuesReadFromTexts();
}

const QString kTenThousandNines(10000, QLatin1Char('9'));

INSTANTIATE_TEST_SUITE_P(
    TypedConstants, AntoineCheck,
    ::testing::Values(CheckCase{"sample passes", 1, QStringLiteral("23"), 0},
                      CheckCase{"B1 with a comma reads one point two", 2, QStringLiteral("1,200"), 2},
                      CheckCase{"cancelled A2 fails", 4, std::nullopt, 4},
                      CheckCase{"nan reads zero", 5, QStringLiteral("nan"), 5},
                      CheckCase{"beyond single precision fails", 4, QStringLiteral("1e39"), 4},
                      CheckCase{"below single precision fails", 3, QStringLiteral("-1e39"), 3},
                      CheckCase{"ten thousand nines fail", 2, kTenThousandNines, 2},
                      CheckCase{"Cyrillic words read zero", 1, QStringLiteral("двадцать три"), 1}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

TEST_F(Antoine, AcceptingABadListHighlightsItsRowAndAsks) {
    EnterWith(3, QStringLiteral("120"));
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    EXPECT_EQ(machine.beeps, 1);
    EXPECT_TRUE(testing::VisibleOf({form->Command3, form->Command4, form->Command5, form->List1}).isEmpty());
    ASSERT_TRUE(form->Label3->isVisible());
    EXPECT_EQ(form->Label3->text(), Line("C1", QStringLiteral("120")));
    EXPECT_EQ(form->Label3->geometry().topLeft(), QPoint(Px(2500), Px(3085)));
    EXPECT_EQ(form->Surface().Texts().size(), 6u);

    Form9* question = form->ErrorQuestion();
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(question->isVisible());
    EXPECT_EQ(question->windowTitle(), QStringLiteral("Внимание !"));
    EXPECT_TRUE(question->Command1->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(question->Command2->focusPolicy() & Qt::TabFocus);
    ASSERT_NE(question->windowHandle(), nullptr);
    EXPECT_EQ(question->windowHandle()->transientParent(), form->windowHandle()) << "stays above the list";
    EXPECT_EQ(question->windowType(), Qt::Dialog) << "window managers keep only dialogs above their window";
}

// "Да", Escape and the title-bar close keep the work; "Нет" and closing the review window end.
struct AnswerCase {
    const char* name;
    std::function<void(Form8*)> answer;
    const char* asked;
};

class AntoineAnswer : public Antoine, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(AntoineAnswer, DecidesWhetherTheStudentGoesOn) {
    EnterWith(3, QStringLiteral("120"));
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    GetParam().answer(form);
    EXPECT_EQ(navigator.asked, QStringList{QString::fromUtf8(GetParam().asked)});
}

INSTANTIATE_TEST_SUITE_P(
    ErrorQuestion, AntoineAnswer,
    ::testing::Values(
        AnswerCase{"yes", [](Form8* f) { QTest::mouseClick(f->ErrorQuestion()->Command1, Qt::LeftButton); },
                   "CorrectAntoineConstants"},
        AnswerCase{"escape",
                   [](Form8* f) { QTest::keyClick(f->ErrorQuestion()->focusWidget(), Qt::Key_Escape); },
                   "CorrectAntoineConstants"},
        AnswerCase{"question closed", [](Form8* f) { f->ErrorQuestion()->close(); },
                   "CorrectAntoineConstants"},
        AnswerCase{"no", [](Form8* f) { QTest::mouseClick(f->ErrorQuestion()->Command2, Qt::LeftButton); },
                   "EndProgram"}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

TEST_F(Antoine, YesListsTheConstantsToCorrectWithTheAntoineModel) {
    EnterWith(3, QStringLiteral("120"));
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    state.TableMode = true;
    QTest::mouseClick(form->ErrorQuestion()->Command1, Qt::LeftButton);
    EXPECT_TRUE(form->List1->isEnabled());
    EXPECT_EQ(testing::VisibleOf({form->List1, form->Label3, form->Label4, form->Command5}),
              (QStringList{"List1", "Label4"}));
    EXPECT_TRUE(form->Surface().Ops().empty());
    EXPECT_TRUE(state.AntoineMode);
    EXPECT_FALSE(state.TableMode);
    EXPECT_EQ(state.EquilibriumKind, kKindAntoine);
    EXPECT_EQ(ListLines().at(2), Line("C1", QStringLiteral("120")));
}

// Clicking line k asks constant k alone; the other five lines keep their place and text.
struct CorrectionCase {
    int k;
    const char* typed;
    int boxTopTwips; // 195 k + 3150
    bool stillBad;
};

class AntoineCorrection : public Antoine, public ::testing::WithParamInterface<CorrectionCase> {};

TEST_P(AntoineCorrection, ReplacesOnlyTheClickedLineAndChecksAtOnce) {
    const auto [k, typed, boxTop, stillBad] = GetParam();
    Enter(testing::SampleAntoineAnswers());
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    EXPECT_TRUE(form->Label4->isVisible());
    std::vector<QString> expected = ListLines();
    expected[static_cast<std::size_t>(k - 1)] = Line(state.AntoineNames[k].c_str(), QString::fromUtf8(typed));
    const QString corrected = QString::fromStdString(state.AntoineTexts[k]);
    machine.AnswerInputBoxes({QString::fromUtf8(typed)});
    ClickListRow(form->List1, k);
    ASSERT_EQ(machine.inputBoxes.size(), 7u);
    EXPECT_EQ(machine.inputBoxes.back().title, QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ"));
    EXPECT_EQ(machine.inputBoxes.back().defaultText, corrected) << "the box offers the constant it corrects";
    EXPECT_EQ(machine.inputBoxes.back().positionTwips, QPoint(3000, boxTop));
    EXPECT_EQ(ListLines(), expected);
    EXPECT_TRUE(form->Command5->isVisible());
    EXPECT_EQ(BackOf(form->Command5), stillBad ? kRed : kGreen);
    ExpectValuesReadFromTexts();
}

INSTANTIATE_TEST_SUITE_P(Constants, AntoineCorrection,
                         ::testing::Values(CorrectionCase{1, "-300", 3345, true},
                                           CorrectionCase{3, "-150", 3735, false},
                                           CorrectionCase{6, "-150", 4320, false}),
                         [](const auto& info) { return "Constant" + std::to_string(info.param.k); });

TEST_F(Antoine, AClickOutsideEveryLineIsIgnored) {
    Enter(testing::SampleAntoineAnswers());
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    const std::vector<QString> before = ListLines();
    for (int row : {-1, 0, 7}) {
        form->List1Click(row);
    }
    EXPECT_EQ(machine.inputBoxes.size(), 6u);
    EXPECT_EQ(ListLines(), before);
    EXPECT_TRUE(form->List1->isVisible() && form->List1->isEnabled()) << "the list stays the way on";
}

TEST_F(Antoine, EndingCorrectionsWithABadConstantHighlightsItShiftedAndAsksLower) {
    Enter(testing::SampleAntoineAnswers());
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    machine.AnswerInputBoxes({QStringLiteral("30")});
    ClickListRow(form->List1, 4);
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    EXPECT_FALSE(form->List1->isVisible());
    EXPECT_FALSE(form->Command5->isVisible());
    EXPECT_EQ(form->Label3->text(),
              QStringLiteral(" A2") + QString(28, QLatin1Char(' ')) + QStringLiteral("30"));
    EXPECT_EQ(form->Label3->geometry(), QRect(Px(2380), Px(4 * 195 + 2500), Px(4200), Px(200)));
    ASSERT_NE(form->ErrorQuestion(), nullptr);
    EXPECT_EQ(form->ErrorQuestion()->y(), Px(7000));
}

TEST_F(Antoine, GoodConstantsGoToTheCalculation) {
    Enter(testing::SampleAntoineAnswers());
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(machine.beeps, 0);
    EXPECT_EQ(navigator.asked, QStringList{QStringLiteral("CalculateAndShow")});
}

} // namespace
} // namespace radirav
