#include "model/entry.h"
#include "model/text.h"
#include "model/val.h"
#include "screens/group_test_support.h"
#include "screens/input/form1_title.h"
#include "screens/results/form11_results.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <iterator>

namespace radirav {
namespace {

using testing::Answers;
using testing::ClickListRow;

// Whatever lands in an input box: kept as typed (after the comma rule), shown, and judged by value.
Answers HostileAnswers() {
    return {QString(),
            std::nullopt,
            QString(10000, QLatin1Char('9')),
            QStringLiteral("1e39"),
            QStringLiteral("nan"),
            QStringLiteral("-0"),
            QStringLiteral("ЖЁЛТЫЙ"),
            QStringLiteral(","),
            QStringLiteral("1,2,3"),
            QStringLiteral("-1e-45"),
            QStringLiteral("inf"),
            QStringLiteral("\t 7 \n"),
            QStringLiteral("１２"),
            QStringLiteral("1e-400")};
}

Answers Cycle(const Answers& from, std::size_t start, int count) {
    Answers out;
    for (int k = 0; k < count; ++k) {
        out.push_back(from[(start + static_cast<std::size_t>(k)) % from.size()]);
    }
    return out;
}

class HostileRoad : public testing::ScreenTest {
protected:
    void ExpectInvariant() {
        for (int i = 1; i <= param::kCount; ++i) {
            EXPECT_EQ(state.InputParams[i].Value, ToSingle(Val(state.InputValueTexts[i])))
                << "parameter " << i;
        }
    }

    void ExpectTyped(GroupWindow* form, int first, const Answers& typed) {
        for (std::size_t k = 0; k < typed.size(); ++k) {
            const int i = first + static_cast<int>(k);
            EXPECT_EQ(state.InputValueTexts[i],
                      NormalizeDecimalText(typed[k].value_or(QString()).toStdString()))
                << "parameter " << i;
            EXPECT_EQ(form->List1->item(static_cast<int>(k))->text(),
                      QString::fromStdString(ParamLine(state, i)));
        }
        ExpectInvariant();
    }

    // The group as typed fails; every line is re-typed hostile, then with the sample, and accepted.
    void CorrectAndAccept(GroupWindow* form, std::size_t shift) {
        const GroupDesign& design = form->Design();
        ASSERT_TRUE(state.InputError);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        ASSERT_NE(form->Confirmation(), nullptr);
        QTest::mouseClick(form->Confirmation()->Command1, Qt::LeftButton);
        testing::DestroyUnloadedWindows();
        const Answers hostile = Cycle(HostileAnswers(), shift, design.paramCount);
        Answers expected = hostile;
        for (int row = 1; row <= design.paramCount; ++row) {
            machine.AnswerInputBoxes({hostile[static_cast<std::size_t>(row - 1)]});
            // A cancelled correction keeps the text the line had.
            if (!hostile[static_cast<std::size_t>(row - 1)])
                expected[static_cast<std::size_t>(row - 1)] =
                    QString::fromStdString(state.InputValueTexts[design.firstParam + row - 1]);
            ClickListRow(form->List1, row);
        }
        ExpectTyped(form, design.firstParam, expected);
        const Answers sample = testing::SampleAnswers(design.firstParam, design.paramCount);
        for (int row = 1; row <= design.paramCount; ++row) {
            machine.AnswerInputBoxes({sample[static_cast<std::size_t>(row - 1)]});
            ClickListRow(form->List1, row);
        }
        ASSERT_FALSE(state.InputError);
        ExpectInvariant();
    }

    ScreenFlow flow{state, platform};
};

TEST_F(HostileRoad, EveryBoxTakesAnythingAndTheRoadStillEndsInAReport) {
    const Answers hostile = HostileAnswers();
    Answers answers{QString(10000, QChar(0x0416)), QStringLiteral("\t,\n")};
    const Answers general = Cycle(hostile, 0, 12);
    answers.insert(answers.end(), general.begin(), general.end());
    machine.AnswerInputBoxes(answers);
    Form1* form1 = flow.ShowTitle();
    QTest::mouseClick(form1->Command1, Qt::LeftButton);
    testing::DestroyUnloadedWindows();

    auto* form2 = LoadedScreen<Form2>();
    ASSERT_NE(form2, nullptr);
    ExpectTyped(form2, 1, general);
    EXPECT_EQ(form2->Surface().Texts().size(), 12u);
    CorrectAndAccept(form2, 5);
    const Answers rectifying = Cycle(hostile, 3, 8);
    machine.AnswerInputBoxes(rectifying);
    QTest::mouseClick(form2->Command3, Qt::LeftButton);
    testing::DestroyUnloadedWindows();

    auto* form4 = LoadedScreen<Form4>();
    ASSERT_NE(form4, nullptr);
    ExpectTyped(form4, 13, rectifying);
    CorrectAndAccept(form4, 9);
    const Answers stripping = Cycle(hostile, 6, 8);
    machine.AnswerInputBoxes(stripping);
    QTest::mouseClick(form4->Command3, Qt::LeftButton);
    testing::DestroyUnloadedWindows();

    auto* form6 = LoadedScreen<Form6>();
    ASSERT_NE(form6, nullptr);
    ExpectTyped(form6, 21, stripping);
    CorrectAndAccept(form6, 11);
    QTest::mouseClick(form6->Command3, Qt::LeftButton);
    QTest::mouseClick(form6->Command6, Qt::LeftButton);

    // Every hostile answer but the two that read as a number in range (1.2 and 7).
    Answers alfa;
    std::copy_if(hostile.begin(), hostile.end(), std::back_inserter(alfa), [](const auto& answer) {
        return answer != QStringLiteral("1,2,3") && answer != QStringLiteral("\t 7 \n");
    });
    const std::size_t refused = alfa.size();
    alfa.push_back(QStringLiteral("10"));
    machine.AnswerInputBoxes(alfa);
    machine.AnswerYesNo(std::vector<bool>(refused, true));
    QTest::mouseClick(form6->Command5, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(machine.yesNoPrompts.size(), static_cast<qsizetype>(refused));
    EXPECT_EQ(state.Alfa, 10.0);

    auto* form11 = LoadedScreen<Form11>();
    ASSERT_NE(form11, nullptr);
    EXPECT_EQ(state.RequiredTrays, 15);
    QTest::mouseClick(form11->Command3, Qt::LeftButton);
    ASSERT_EQ(machine.printedDocuments.size(), 1u);
    EXPECT_TRUE(machine.printedDocuments[0].value(0).startsWith(QChar(0x0416)));
}

} // namespace
} // namespace radirav
