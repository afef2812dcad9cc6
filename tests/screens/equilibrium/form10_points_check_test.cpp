#include "screens/equilibrium/form10_points_check.h"
#include "screens/equilibrium/form12_points_error.h"
#include "screens/group_test_support.h"
#include "screens/recording_navigator.h"
#include "screens/screen_test.h"

#include "model/val.h"
#include "platform/twips.h"
#include "support/test_names.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QWindow>

namespace radirav {
namespace {

using testing::Answers;
using testing::BackOf;

const QString kCountError = QStringLiteral("Количество пар от 8 до 20 !!!    Продолжаете работу ?");

// x and y of a valid table, every point above the diagonal and both rising.
Answers ValidPoints(int count) {
    Answers answers;
    for (int i = 1; i <= count; ++i) {
        const double x = 0.04 * i;
        answers.emplace_back(QString::number(x));
        answers.emplace_back(QString::number(x + 0.5 * x * (1 - x)));
    }
    return answers;
}

class Form10Test : public testing::ScreenTest {
protected:
    Form10* Open() {
        form = new Form10(state, platform, navigator);
        return form;
    }

    // Types the count answers, then the points; runs the entry to its check screen.
    void Enter(Answers count, const Answers& points, std::vector<bool> yesNo = {}) {
        count.insert(count.end(), points.begin(), points.end());
        machine.AnswerInputBoxes(count);
        machine.AnswerYesNo(std::move(yesNo));
        Open()->EnterEquilibriumPoints(AfterPointEntry::Check);
    }

    const DrawOp* Row(int i) const {
        const double y = TwipsToPixels(i * 195 + 1000);
        for (const DrawOp& op : form->Surface().Ops())
            if (op.kind == DrawOp::Kind::Text && op.from.y() == y)
                return &op;
        return nullptr;
    }

    testing::RecordingNavigator navigator;
    QPointer<Form10> form;
};

struct CountCase {
    const char* name;
    Answers countAnswers;    // until one is accepted
    std::vector<bool> yesNo; // answers to the out-of-range box
    int count;               // 0: the program ended
};

class PointCount : public Form10Test, public ::testing::WithParamInterface<CountCase> {};

TEST_P(PointCount, IsAskedUntilEightToTwentyOrTheStudentStops) {
    const CountCase& c = GetParam();
    Enter(c.countAnswers, c.count > 0 ? ValidPoints(c.count) : Answers{}, c.yesNo);
    EXPECT_EQ(machine.yesNoPrompts.size(), c.yesNo.size());
    for (const QString& prompt : machine.yesNoPrompts)
        EXPECT_EQ(prompt, kCountError);
    EXPECT_GE(machine.beeps, static_cast<int>(c.yesNo.size()));
    const InputBoxRequest& first = machine.inputBoxes.front();
    EXPECT_EQ(first.prompt, QStringLiteral("Сколько пар равновесных точек будете вводить"));
    EXPECT_EQ(first.title, QStringLiteral("Ввод кол-ва пар равн. зависимости"));
    EXPECT_EQ(first.positionTwips, QPoint(1000, 1000));
    if (c.count == 0) {
        testing::DestroyUnloadedWindows();
        EXPECT_EQ(navigator.asked, QStringList{QStringLiteral("EndProgram")});
        EXPECT_TRUE(form.isNull());
        return;
    }
    EXPECT_EQ(state.EqPointCount, c.count);
    EXPECT_TRUE(state.PointsEntered);
    EXPECT_TRUE(state.TableMode);
}

// The values themselves are the core's; here the box, the question and the end.
INSTANTIATE_TEST_SUITE_P(
    Answers, PointCount,
    ::testing::Values(CountCase{"seven and a half", {QStringLiteral("7.5")}, {}, 8},
                      CountCase{"empty then 1e39 then nine",
                                {QStringLiteral(""), QStringLiteral("1e39"), QStringLiteral("9")},
                                {true, true},
                                9},
                      CountCase{"twenty one and no", {QStringLiteral("21")}, {false}, 0}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

TEST_F(Form10Test, PointBoxesStepDownTheWindowAndTheListGrowsPointByPoint) {
    Enter({QStringLiteral("8")}, ValidPoints(8));
    const InputBoxRequest& x3 = machine.inputBoxes.at(5);
    const InputBoxRequest& y3 = machine.inputBoxes.at(6);
    EXPECT_EQ(x3.prompt, QStringLiteral(" X [ 3 ] = "));
    EXPECT_EQ(x3.title, QStringLiteral("ВВОД X РАВНОВЕСНОГО "));
    EXPECT_EQ(x3.positionTwips, QPoint(1000, 1340));
    EXPECT_EQ(y3.prompt, QStringLiteral(" Y [ 3 ] = "));
    EXPECT_EQ(y3.title, QStringLiteral("ВВОД Y РАВНОВЕСНОГО"));
    EXPECT_EQ(y3.positionTwips, QPoint(4000, 1340));
    ASSERT_EQ(form->List1->count(), 8);
    const QString line = form->List1->item(0)->text();
    EXPECT_TRUE(line.startsWith(QStringLiteral("   X[1]=0.04 ")));
    EXPECT_EQ(line.indexOf(QStringLiteral("Y[1]=0.0592")), 8 + 50);
    EXPECT_EQ(form->List1->height(), TwipsToPixels(9 * 195));
}

TEST_F(Form10Test, ValidTableIsPrintedInThreeColumnsWithGreenButtons) {
    Answers points = ValidPoints(8);
    std::swap(points[0], points[14]); // point 1 typed last: the check screen sorts it back
    std::swap(points[1], points[15]);
    Enter({QStringLiteral("8")}, points);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("   КОНТРОЛЬ ВВОДА РАВНОВЕСНОЙ ЗАВИСИМОСТИ"));
    EXPECT_EQ(form->Label1->text(), QStringLiteral("КООРДИНАТЫ ТОЧЕК РАВНОВЕСНОЙ ЗАВИСИМОСТИ"));
    EXPECT_EQ(form->Label1->y(), TwipsToPixels(200));
    EXPECT_EQ(form->Label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    for (int i = 1; i <= 8; ++i) {
        const DrawOp* row = Row(i);
        ASSERT_NE(row, nullptr) << i;
        EXPECT_EQ(row->from.x(), TwipsToPixels(1000));
        const QString n = QString::number(i);
        EXPECT_TRUE(row->text.startsWith(QStringLiteral(" X [ ") + n + QStringLiteral(" ] = ")));
        EXPECT_EQ(row->text.indexOf(QStringLiteral(" Y [ ") + n), 30);
        EXPECT_EQ(row->text.indexOf(QStringLiteral(" ALFA [ ") + n), 60);
    }
    EXPECT_TRUE(Row(1)->text.startsWith(QStringLiteral(" X [ 1 ] = 0.04 ")));
    EXPECT_EQ(machine.beeps, 0);
    EXPECT_EQ(BackOf(form->Command1), testing::kGreen);
    EXPECT_EQ(BackOf(form->Command2), testing::kGreen);
    EXPECT_TRUE(form->Command1->isVisible());

    QTest::mouseClick(form->Command1, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(navigator.asked, QStringList{QStringLiteral("ShowEquilibriumGraph")});
    EXPECT_TRUE(form.isNull());
}

TEST_F(Form10Test, FailingPointEightIsHighlightedAt2560TwipsUnderTheQuestion) {
    Answers points = ValidPoints(8);
    points[4] = QStringLiteral("1,5"); // point 3 beyond 1: sorts last, re-reads as 0
    Enter({QStringLiteral("8")}, points);
    EXPECT_EQ(state.ErrorIndex, 8);
    EXPECT_EQ(machine.beeps, 1);
    EXPECT_EQ(BackOf(form->Command1), testing::kRed);
    EXPECT_EQ(BackOf(form->Command2), testing::kGreen);
    EXPECT_EQ(form->Label1->palette().color(QPalette::WindowText), QColor(40, 0, 0));
    EXPECT_EQ(form->Command2->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(form->Command1->focusPolicy(), Qt::ClickFocus);

    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_EQ(testing::VisibleOf({form->Command1, form->Command2, form->Label2}), QStringList{"Label2"});
    EXPECT_EQ(form->Label2->geometry().topLeft(), QPoint(TwipsToPixels(1000), TwipsToPixels(2560)));
    EXPECT_EQ(form->Label2->text(), Row(8)->text);
    EXPECT_EQ(form->Label1->text(), QStringLiteral(" ОШИБКА :     X[8] < X[7] или X[8] = 0"));

    Form12* form12 = form->Confirmation();
    ASSERT_NE(form12, nullptr);
    EXPECT_EQ(form12->windowTitle(), QStringLiteral("ВНИМАНИЕ !"));
    EXPECT_EQ(form12->windowHandle()->transientParent(), form->windowHandle());
    const int printTwips = PixelsToTwips(static_cast<int>(form->Surface().CurrentY()));
    EXPECT_GT(printTwips, 2560); // below the last row
    EXPECT_EQ(form12->pos().y(), TwipsToPixels(printTwips + 800));
    EXPECT_NEAR(form12->frameGeometry().center().x(), form->geometry().center().x(), 1);
}

struct AnswerCase {
    const char* name;
    void (*answer)(Form12*);
    QString asked;
};

class Form12Answers : public Form10Test, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(Form12Answers, LeadToTheEditorOrTheEnd) {
    Answers points = ValidPoints(8);
    points[3] = QStringLiteral("0.01"); // y of point 2 below its x
    Enter({QStringLiteral("8")}, points);
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    ASSERT_NE(form->Confirmation(), nullptr);
    GetParam().answer(form->Confirmation());
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(navigator.asked, QStringList{GetParam().asked});
    EXPECT_TRUE(form.isNull()) << "no hidden window stays loaded";
    EXPECT_EQ(machine.screens.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Form12Answers,
    ::testing::Values(AnswerCase{"yes", [](Form12* f) { QTest::mouseClick(f->Command1, Qt::LeftButton); },
                                 QStringLiteral("OpenGraphEditor")},
                      AnswerCase{"no", [](Form12* f) { QTest::mouseClick(f->Command2, Qt::LeftButton); },
                                 QStringLiteral("EndProgram")},
                      AnswerCase{"title bar close keeps the work", [](Form12* f) { f->close(); },
                                 QStringLiteral("OpenGraphEditor")},
                      AnswerCase{"escape keeps the work",
                                 [](Form12* f) { QTest::keyClick(f, Qt::Key_Escape); },
                                 QStringLiteral("OpenGraphEditor")}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

TEST_F(Form10Test, ChangeButtonOpensTheEditor) {
    Enter({QStringLiteral("8")}, ValidPoints(8));
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    EXPECT_EQ(navigator.asked, QStringList{QStringLiteral("OpenGraphEditor")});
}

struct HostileCase {
    const char* name;
    std::optional<QString> answer;
};

class HostilePointAnswers : public Form10Test, public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostilePointAnswers, AreStoredAsTypedAndJudgedByTheCheck) {
    Answers points = ValidPoints(8);
    points[6] = GetParam().answer;  // x of point 4
    points[11] = GetParam().answer; // y of point 6
    Enter({QStringLiteral("8")}, points);
    ASSERT_FALSE(form.isNull());
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(state.EqX[i], ToSingle(Val(state.EqXText[i]))) << i;
        EXPECT_EQ(state.EqY[i], ToSingle(Val(state.EqYText[i]))) << i;
        EXPECT_NE(Row(i), nullptr) << i;
    }
    EXPECT_TRUE(state.InputError);
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_TRUE(form->Label2->isVisible());
    EXPECT_NE(form->Confirmation(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HostilePointAnswers,
    ::testing::Values(HostileCase{"empty", QStringLiteral("")}, HostileCase{"cancelled", std::nullopt},
                      HostileCase{"ten thousand digits", QString(10000, QLatin1Char('7'))},
                      HostileCase{"cyrillic", QStringLiteral("ноль целых пять")},
                      HostileCase{"lone comma", QStringLiteral(",")},
                      HostileCase{"nan", QStringLiteral("nan")},
                      HostileCase{"beyond single range", QStringLiteral("1e39")}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

} // namespace
} // namespace radirav
