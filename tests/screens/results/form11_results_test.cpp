#include "screens/recording_navigator.h"
#include "screens/results/form11_results.h"
#include "screens/screen_test.h"

#include "model/entry.h"
#include "platform/regional_format.h"
#include "report/results_text.h"
#include "support/sample_state.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

namespace radirav {
namespace {

using testing::SampleWithAlfa;
using testing::SampleWithAntoine;
using testing::SampleWithPoints;
using testing::ScreenTest;

class Form11Test : public ScreenTest {
protected:
    Form11* Open(ProgramState prepared) {
        state = std::move(prepared);
        form = new Form11(state, platform, navigator);
        form->show();
        return form;
    }

    // Visible controls among the buttons and the message lines.
    QStringList Visible() const {
        return testing::VisibleOf({form->Command1, form->Command2, form->Command3, form->Command4,
                                   form->Command5, form->Label2, form->ReasonLabel, form->WarningList});
    }

    testing::RecordingNavigator navigator;
    QPointer<Form11> form;
};

struct NormalEnd {
    const char* name;
    ProgramState (*make)();
    const char* countLine; // the trays and the feed tray as the calculation reports them
};
void PrintTo(const NormalEnd& c, std::ostream* out) {
    *out << c.name;
}

class Form11NormalEnd : public Form11Test, public ::testing::WithParamInterface<NormalEnd> {};

TEST_P(Form11NormalEnd, DrawsTheCountsAndTheTwelveRowTable) {
    Open(GetParam().make());
    QTest::mouseClick(form->Command1, Qt::LeftButton);

    EXPECT_EQ(Visible(), (QStringList{"Command3", "Command4", "Command5"}));
    EXPECT_EQ(machine.beeps, 0);
    EXPECT_FALSE(state.InputError);
    const std::vector<DrawOp>& ops = form->Surface().Ops();
    ASSERT_EQ(ops.size(), 16u); // counts, title, 2 header lines, 12 rows
    EXPECT_EQ(ops[0].text, QString::fromUtf8(GetParam().countLine));
    EXPECT_EQ(ops[1].text, QStringLiteral("                                 ПАРАМЕТРЫ РАБОТЫ ТАРЕЛОК"));
    // An empty line between the title and the header.
    EXPECT_DOUBLE_EQ(ops[2].from.y() - ops[1].from.y(), 2 * (ops[3].from.y() - ops[2].from.y()));
    const std::vector<std::string> table = ResultsTableLines(state, RegionalDecimalSeparator());
    ASSERT_EQ(table.size(), 14u);
    for (std::size_t k = 0; k < table.size(); ++k) {
        EXPECT_EQ(ops[2 + k].text, QString::fromStdString(table[k])) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Results, Form11NormalEnd,
    ::testing::Values(
        NormalEnd{"SamplePoints", [] { return SampleWithPoints(); },
                  "ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  59        ТАРЕЛКА ПИТАНИЯ -  10-я, (считая снизу)      "},
        NormalEnd{"ConstantAlfaTen", [] { return SampleWithAlfa(10.0); },
                  "ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК  15        ТАРЕЛКА ПИТАНИЯ -  11-я, (считая снизу)      "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form11Test, TrayLimitShowsTheRedLineAndNoPrinting) {
    Open(SampleWithAlfa(3.0));
    QTest::mouseClick(form->Command1, Qt::LeftButton);

    EXPECT_EQ(Visible(), (QStringList{"Command4", "Command5", "ReasonLabel"}));
    EXPECT_TRUE(form->ReasonLabel->text().contains(QStringLiteral("исчерпывающей части")))
        << "the stripping pinch";
    EXPECT_TRUE(form->ReasonLabel->text().contains(QStringLiteral("y\u00A0=\u00A00.")))
        << "the composition is bound to its name: " << form->ReasonLabel->text().toStdString();
    EXPECT_EQ(machine.beeps, 1);
    EXPECT_TRUE(state.InputError);
    const std::vector<DrawOp>& ops = form->Surface().Ops();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].text, QStringLiteral("                      ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК > 300"));
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
    EXPECT_GE(form->Label2->width(), form->Label2->sizeHint().width()) << "message clipped";
    EXPECT_LE(form->Label2->geometry().right(), form->width()) << "message runs off the window";
    EXPECT_EQ(Visible(), (QStringList{"Command4", "Command5", "Label2", "ReasonLabel"}));
    // The reason sits whole between the message and the buttons.
    const QRect reason = form->ReasonLabel->geometry();
    EXPECT_GT(reason.top(), form->Label2->geometry().bottom());
    EXPECT_LE(form->ReasonLabel->heightForWidth(reason.width()), reason.height()) << "reason clipped";
    EXPECT_LT(reason.bottom(), form->Command4->geometry().top());
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

// 121 trays, the rectifying ones nearly dry: three warnings, each to be read on the screen, where
// the list scrolls, and on paper.
TEST_F(Form11Test, EveryWarningIsShownUnderTheButtonsAndPrinted) {
    ProgramState prepared = SampleWithPoints();
    EnterParamValue(prepared, param::kR, "15");
    Open(std::move(prepared));
    const QRect buttons[] = {form->Command3->geometry(), form->Command4->geometry(),
                             form->Command5->geometry()};
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    ASSERT_TRUE(form->WarningList->isVisible());
    const QStringList shown = form->WarningList->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(shown.size(), 3);
    for (const QString& warning : shown) {
        EXPECT_TRUE(warning.startsWith(QStringLiteral("Внимание! На тарелках"))) << warning.toStdString();
    }
    EXPECT_TRUE(shown[2].contains(QStringLiteral("время пребывания"))) << "the last one too";
    const QRect list = form->WarningList->geometry();
    EXPECT_GT(list.top(), form->Command5->geometry().bottom());
    EXPECT_LE(list.bottom(), form->height());
    EXPECT_EQ(form->Command3->geometry(), buttons[0]);
    EXPECT_EQ(form->Command4->geometry(), buttons[1]);
    EXPECT_EQ(form->Command5->geometry(), buttons[2]);
    EXPECT_FALSE(form->ReasonLabel->isVisible());

    QTest::mouseClick(form->Command3, Qt::LeftButton);
    const QStringList lastPage = machine.printedDocuments.back();
    EXPECT_EQ(lastPage.filter(QStringLiteral("Внимание!")).size(), 3) << "every warning on paper";
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

struct WayOn {
    const char* name;
    ProgramState (*make)();
    bool calculated; // the calculation ran before the button is pressed
    CommandButton* Form11::*button;
    const char* asked;
};
void PrintTo(const WayOn& c, std::ostream* out) {
    *out << c.name;
}

class Form11WayOn : public Form11Test, public ::testing::WithParamInterface<WayOn> {};

TEST_P(Form11WayOn, UnloadsTheResultsAndAsksForTheNextScreen) {
    Open(GetParam().make());
    if (GetParam().calculated) {
        QTest::mouseClick(form->Command1, Qt::LeftButton);
    } else {
        EXPECT_EQ(Visible(), (QStringList{"Command1", "Command2"}));
    }
    QTest::mouseClick(form->*GetParam().button, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(navigator.asked, QStringList{QString::fromUtf8(GetParam().asked)});
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(machine.screens.Count(), 0);
    EXPECT_EQ(machine.programEnds, 0) << "the end is the navigator's";
}

INSTANTIATE_TEST_SUITE_P(Buttons, Form11WayOn,
                         ::testing::Values(WayOn{"GraphEditor", [] { return SampleWithPoints(); }, false,
                                                 &Form11::Command2, "OpenGraphEditor"},
                                           WayOn{"ChangeMenuAfterTheTrayLimit",
                                                 [] { return SampleWithAlfa(3.0); }, true, &Form11::Command4,
                                                 "OpenChangeMenu"},
                                           WayOn{"End", [] { return SampleWithAlfa(10.0); }, true,
                                                 &Form11::Command5, "EndProgram"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form11Test, DirectResultsCarryTheResultsCaptionWithoutStartButtons) {
    Open(SampleWithPoints());
    form->PrepareForDirectResults();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("РЕЗУЛЬТАТЫ РАСЧЁТА"));
    EXPECT_TRUE(Visible().isEmpty());
}

} // namespace
} // namespace radirav
