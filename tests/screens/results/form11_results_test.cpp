#include "screens/recording_navigator.h"
#include "screens/results/form11_results.h"
#include "screens/screen_test.h"

#include "model/entry.h"
#include "model/text.h"
#include "support/sample_state.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace radirav {
namespace {

using testing::SampleWithAlfa;
using testing::SampleWithAntoine;
using testing::SampleWithPoints;
using testing::ScreenTest;

const QColor kPink(255, 192, 192), kGreen(0, 128, 0), kNavy(0, 0, 128), kRed(255, 0, 0);

class Form11Test : public ScreenTest {
protected:
    Form11* Open(ProgramState prepared, std::set<Intent> offered = {Intent::OpenChangeMenu}) {
        state = std::move(prepared);
        navigator.offered = std::move(offered);
        form = new Form11(state, platform, navigator);
        form->show();
        return form;
    }

    // Visible controls among Command1..Command5 and Label2.
    QStringList Visible() const {
        QStringList names;
        for (QWidget* control :
             std::initializer_list<QWidget*>{form->Command1, form->Command2, form->Command3, form->Command4,
                                             form->Command5, form->Label2}) {
            if (control->isVisible()) {
                names << control->objectName();
            }
        }
        return names;
    }

    testing::RecordingNavigator navigator;
    QPointer<Form11> form;
};

TEST_F(Form11Test, LoadsAsTheCalculationWindow) {
    Open(SampleWithPoints());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("РАСЧЁТ"));
    EXPECT_EQ(form->pos(), QPoint(1, 0)); // left 10, top 5, 12000 x 9000 twips
    EXPECT_EQ(form->frameGeometry().size(), QSize(800, 600));
    EXPECT_EQ(form->Command1->text().split(QLatin1Char('\n')), (QStringList{"ПЕРЕХОД", "К", "РАСЧЁТУ"}));
    EXPECT_EQ(form->Command2->text().split(QLatin1Char('\n')),
              (QStringList{"ВОЗВРАТ К", "КОРРЕКЦИИ", "РАВНОВЕСНОЙ", "ЗАВИСИМОСТИ"}));
    EXPECT_EQ(form->Command3->text(), QStringLiteral("  Печать результатов"));
    EXPECT_EQ(form->Command4->text(), QStringLiteral("Изменение исходной информации"));
    EXPECT_EQ(form->Command5->text(), QStringLiteral("Окончание расчёта"));
    EXPECT_EQ(form->Command3->pos(), QPoint(280, 350));
    EXPECT_EQ(form->Command4->pos(), QPoint(280, 400));
    EXPECT_EQ(form->Command5->pos(), QPoint(300, 450));
    EXPECT_EQ(form->Label2->pos(), QPoint(200, 200));
}

TEST_F(Form11Test, GraphEditorButtonLeavesForTheEditorOutOfEditMode) {
    Open(SampleWithPoints(), {Intent::OpenGraphEditor});
    EXPECT_EQ(Visible(), (QStringList{"Command1", "Command2"}));
    state.EditMode = true;
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(navigator.asked, QStringList{QStringLiteral("OpenGraphEditor")});
    EXPECT_FALSE(state.EditMode);
    EXPECT_TRUE(form.isNull());
}

TEST_F(Form11Test, NormalEndDrawsTheCountsAndTheTwelveRowTable) {
    Open(SampleWithPoints());
    QTest::mouseClick(form->Command1, Qt::LeftButton);

    EXPECT_EQ(Visible(), (QStringList{"Command3", "Command4", "Command5"}));
    EXPECT_EQ(machine.beeps, 0);
    EXPECT_FALSE(state.InputError);
    const DrawingSurface& surface = form->Surface();
    EXPECT_EQ(surface.BackColor(), kPink);
    const std::vector<DrawOp>& ops = surface.Ops();
    ASSERT_EQ(ops.size(), 16u); // counts, title, 2 header lines, 12 rows

    EXPECT_EQ(
        ops[0].text,
        QStringLiteral("ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  59        ТАРЕЛКА ПИТАНИЯ -  10-я, (считая снизу)      "));
    EXPECT_EQ(ops[0].from, QPointF(30, 20));
    EXPECT_EQ(ops[0].fontSize, 11);
    EXPECT_EQ(ops[0].color, kGreen);

    EXPECT_EQ(ops[1].text, QStringLiteral("                                 ПАРАМЕТРЫ РАБОТЫ ТАРЕЛОК"));
    EXPECT_EQ(ops[1].from, QPointF(0, 60));
    EXPECT_EQ(ops[2].text,
              QStringLiteral(
                  "  |                                        |1-ая ТАРЕЛКА |  ТАРЕЛКА    |   ВЕРХНЯЯ   |"));
    EXPECT_EQ(ops[3].text,
              QStringLiteral(
                  "  |                                        |    СНИЗУ    |  ПИТАНИЯ    |   ТАРЕЛКА   |"));
    // An empty line between the title and the header.
    EXPECT_DOUBLE_EQ(ops[2].from.y() - ops[1].from.y(), 2 * (ops[3].from.y() - ops[2].from.y()));

    const std::vector<int> shownRows{1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14};
    for (std::size_t k = 1; k < ops.size(); ++k) {
        EXPECT_EQ(ops[k].fontSize, 10) << k;
        EXPECT_EQ(ops[k].color, kNavy) << k;
        EXPECT_EQ(ops[k].from.x(), 0) << k;
    }
    for (std::size_t k = 0; k < shownRows.size(); ++k) {
        const QString row = ops[4 + k].text;
        for (int bar : {3, 44, 58, 72, 86}) {
            EXPECT_EQ(row.at(bar - 1), QLatin1Char('|')) << row.toStdString();
        }
        EXPECT_EQ(row.size(), 86);
        const QString label = QString::fromStdString(TrimBlanks(state.ResultLabels[shownRows[k]]));
        EXPECT_EQ(row.mid(3, 40).trimmed(), label);
    }
}

TEST_F(Form11Test, ConstantAlfaTenNeedsFifteenTraysWithFeedOnEleven) {
    Open(SampleWithAlfa(10.0));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    ASSERT_FALSE(form->Surface().Ops().empty());
    EXPECT_EQ(
        form->Surface().Ops()[0].text,
        QStringLiteral("ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  15        ТАРЕЛКА ПИТАНИЯ -  11-я, (считая снизу)      "));
}

TEST_F(Form11Test, TrayLimitShowsTheRedLineAndNoPrinting) {
    Open(SampleWithAlfa(3.0));
    QTest::mouseClick(form->Command1, Qt::LeftButton);

    EXPECT_EQ(Visible(), (QStringList{"Command4", "Command5"}));
    EXPECT_EQ(machine.beeps, 1);
    EXPECT_TRUE(state.InputError);
    const std::vector<DrawOp>& ops = form->Surface().Ops();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].text, QStringLiteral("                      ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК > 300"));
    EXPECT_EQ(ops[0].color, kRed);
    EXPECT_EQ(ops[0].from, QPointF(30, 200));
    EXPECT_EQ(ops[0].fontSize, 11);
}

struct StopCase {
    const char* name;
    std::function<ProgramState()> make;
    const char* message;
};
void PrintTo(const StopCase& c, std::ostream* out) {
    *out << c.name;
}

class Form11Stops : public Form11Test, public ::testing::WithParamInterface<StopCase> {};

TEST_P(Form11Stops, ShowTheMessageInsteadOfTheTable) {
    Open(GetParam().make());
    QTest::mouseClick(form->Command1, Qt::LeftButton);

    EXPECT_EQ(form->Label2->text(), QString::fromUtf8(GetParam().message));
    EXPECT_EQ(form->Label2->pos(), QPoint(200, 200));
    EXPECT_GE(form->Label2->width(), form->Label2->sizeHint().width()) << "message clipped";
    EXPECT_LE(form->Label2->geometry().right(), form->width()) << "message runs off the window";
    EXPECT_EQ(Visible(), (QStringList{"Command4", "Command5", "Label2"}));
    EXPECT_TRUE(form->Surface().Ops().empty());
    EXPECT_EQ(machine.beeps, 1);
    EXPECT_TRUE(state.InputError);
}

ProgramState WithParam(int index, const char* typed) {
    ProgramState state = SampleWithAlfa(10.0);
    EnterParamValue(state, index, typed);
    return state;
}

ProgramState WithNegativeMolarMass() {
    ProgramState state = SampleWithPoints();
    EnterParamValue(state, param::kM1, "-46");
    return state;
}

// The more volatile component given the constants of the less volatile one: volatility below 1.
ProgramState WithSwappedAntoineConstants() {
    ProgramState state = SampleWithAntoine();
    for (int i = 1; i <= 3; ++i) {
        std::swap(state.AntoineValues[i], state.AntoineValues[i + 3]);
    }
    return state;
}

INSTANTIATE_TEST_SUITE_P(
    ErrorStops, Form11Stops,
    ::testing::Values(StopCase{"NoReboilerDuty", [] { return WithParam(param::kQ, "0"); },
                               "ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ !!!"},
                      StopCase{"ZeroMolarMass", [] { return WithParam(param::kM2, "0"); },
                               "ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ !!!"},
                      StopCase{"NegativeMolarMass", WithNegativeMolarMass,
                               "ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ !!!"},
                      StopCase{"SwappedAntoine", WithSwappedAntoineConstants,
                               "Параметры уравнения Антуана введены с ошибкой !!!  "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form11Test, ChangeButtonLeavesForTheChangeMenu) {
    Open(SampleWithAlfa(3.0));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(navigator.asked, QStringList{QStringLiteral("OpenChangeMenu")});
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(machine.programEnds, 0);
}

TEST_F(Form11Test, PrintButtonStepsAsideWhileTheReportPrints) {
    Open(SampleWithAlfa(10.0));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    std::vector<bool> shownWhilePrinting;
    machine.onPrintLine = [&] {
        shownWhilePrinting.push_back(form->Command3->isVisible() || form->Command3->isEnabled());
    };
    QTest::mouseClick(form->Command3, Qt::LeftButton);

    ASSERT_FALSE(shownWhilePrinting.empty());
    EXPECT_EQ(std::count(shownWhilePrinting.begin(), shownWhilePrinting.end(), true), 0);
    EXPECT_TRUE(form->Command3->isVisible());
    EXPECT_TRUE(form->Command3->isEnabled());
    EXPECT_EQ(machine.printedDocuments.size(), 1u);
    EXPECT_EQ(machine.reportsEnded, 1);
}

class Form11End : public Form11Test, public ::testing::WithParamInterface<const char*> {};

TEST_P(Form11End, UnloadsEveryScreenAndEndsTheProgram) {
    Open(SampleWithAlfa(10.0));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    if (std::string(GetParam()) == "EndButton") {
        QTest::mouseClick(form->Command5, Qt::LeftButton);
    } else {
        form->close();
    }
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(navigator.asked, QStringList{QStringLiteral("EndProgram")});
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(machine.screens.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, Form11End, ::testing::Values("EndButton", "TitleBarClose"),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(Form11Test, DirectResultsCarryTheResultsCaptionWithoutStartButtons) {
    Open(SampleWithPoints());
    form->PrepareForDirectResults();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("РЕЗУЛЬТАТЫ РАСЧЁТА"));
    EXPECT_TRUE(Visible().isEmpty());
}

} // namespace
} // namespace radirav
