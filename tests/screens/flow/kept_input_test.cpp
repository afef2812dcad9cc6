// Nothing typed is lost: every end of the program, and every hand-over before it, keeps the
// whole input as a case file, and a start from that file has the input back as it was typed.
#include "model/case_file.h"
#include "model/entry.h"
#include "model/equilibrium_choice.h"
#include "model/equilibrium_points.h"
#include "model/sample_data.h"
#include "screens/flow/screen_flow.h"
#include "screens/group_test_support.h"
#include "screens/input/form1_title.h"
#include "screens/input/form2_general.h"
#include "screens/input/start_case.h"
#include "screens/menu/form15_change_menu.h"
#include "screens/results/form11_results.h"
#include "support/sample_state.h"

#include <QTemporaryDir>
#include <fstream>

namespace radirav {
namespace {

class KeptInput : public testing::ScreenTest {
protected:
    // The input as the last kept case file gives it back.
    ProgramState LastKept() {
        EXPECT_FALSE(machine.keptInputs.empty());
        if (machine.keptInputs.empty())
            return {};
        const CaseFileResult read =
            ReadCaseText(machine.keptInputs.back(), "last.case", CaseChecks::KeepOutOfRange);
        EXPECT_FALSE(read.error) << *read.error;
        return read.state;
    }

    ScreenFlow flow{state, platform};
};

TEST_F(KeptInput, TheTitleScreenAloneLeavesTheLastRunsInput) {
    machine.AnswerYesNo({true});
    flow.ShowTitle()->close();
    EXPECT_EQ(machine.programEnds, 1);
    EXPECT_TRUE(machine.keptInputs.empty());
}

// The general group typed with a feed of 0, the confirmation answered "Нет": the program ends
// with the typed values kept, the bad one included.
TEST_F(KeptInput, AnEndAtTheConfirmationKeepsEveryTypedValue) {
    Form1* title = flow.ShowTitle();
    testing::Answers answers{QStringLiteral("иванов и.и. гр. 5"), QStringLiteral("метанол-вода")};
    testing::Answers general = testing::SampleAnswers(param::kFirstGeneral, param::kGeneralCount);
    general[0] = QStringLiteral("0");
    general[4] = QStringLiteral("2300,5");
    answers.insert(answers.end(), general.begin(), general.end());
    machine.AnswerInputBoxes(answers);
    QTest::mouseClick(title->Command1, Qt::LeftButton);
    auto* form2 = LoadedScreen<Form2>();
    ASSERT_NE(form2, nullptr);
    QTest::mouseClick(form2->Command1, Qt::LeftButton);
    ASSERT_NE(form2->Confirmation(), nullptr);
    QTest::mouseClick(form2->Confirmation()->Command2, Qt::LeftButton);
    ASSERT_EQ(machine.programEnds, 1);

    const ProgramState kept = LastKept();
    EXPECT_EQ(kept.StudentName, "Иванов И.и. Гр. 5");
    EXPECT_EQ(kept.SystemName, "Метанол-вода");
    EXPECT_EQ(kept.InputValueTexts[param::kF], "0");
    EXPECT_EQ(kept.InputValueTexts[param::kRW], "2300.5");
    for (int i = 1; i <= param::kCount; ++i)
        EXPECT_EQ(kept.InputValueTexts[i], state.InputValueTexts[i]) << i;
}

// A change made in place on the menu, with no hand-over after it, is kept by the end itself.
TEST_F(KeptInput, TheEndKeepsWhatTheMenuChangedInPlace) {
    state = testing::SampleWithAlfa(10);
    state.CaseLoaded = true;
    machine.AnswerInputBoxes({QStringLiteral("Петров"), QStringLiteral("Этанол-Вода")});
    QTest::mouseClick(flow.ShowTitle()->Command1, Qt::LeftButton);
    ASSERT_FALSE(machine.keptInputs.empty()) << "the hand-over to the results keeps the input";
    auto* results = LoadedScreen<Form11>();
    ASSERT_NE(results, nullptr);
    flow.OpenChangeMenu();
    auto* menu = LoadedScreen<Form15>();
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu->Command5, Qt::LeftButton); // sieve trays
    machine.AnswerYesNo({true});
    menu->close();
    ASSERT_EQ(machine.programEnds, 1);
    EXPECT_EQ(LastKept().TrayType, "S");
    EXPECT_EQ(machine.keptInputs.back(), FormatCaseFile(state));
}

class LastInputStart : public KeptInput {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString Write(const std::string& text) {
        const QString path = folder.filePath(QStringLiteral("last.case"));
        std::ofstream(path.toStdString()) << text;
        return path;
    }

    QTemporaryDir folder;
};

// Eight points on sieve trays as the check screen leaves them, typed and sorted but not accepted,
// point `k` typed as (x, y).
ProgramState TypedPoints(int k, const char* x, const char* y) {
    ProgramState state;
    LoadSampleData(state);
    state.TrayType = "S";
    ChooseVariableVolatility(state);
    ChooseTabulatedPoints(state);
    state.EqPointCount = 8;
    const char* xs[] = {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8"};
    const char* ys[] = {"0.3", "0.45", "0.55", "0.62", "0.7", "0.77", "0.83", "0.9"};
    for (int i = 1; i <= 8; ++i) {
        EnterPointX(state, i, i == k ? x : xs[i - 1]);
        EnterPointY(state, i, i == k ? y : ys[i - 1]);
    }
    FinishPointsEntry(state);
    SortPointsAndComputeAlfa(state);
    RereadPointTexts(state);
    return state;
}

// The Antoine constants as the list of constants leaves them, C1 typed positive.
ProgramState TypedAntoineConstants() {
    ProgramState state;
    LoadSampleData(state);
    state.TrayType = "K";
    ChooseVariableVolatility(state);
    ChooseAntoineConstants(state);
    EnterAntoineValue(state, 3, "5");
    FinishAntoineEntry(state);
    return state;
}

ProgramState TypedBottomsRicherThanTheFeed() {
    ProgramState state = testing::SampleWithAlfa(10);
    EnterParamValue(state, param::kXW, "0.6");
    return state;
}

struct KeptRoad {
    const char* name;
    ProgramState (*typed)();
    const char* screen; // the window the start opens after the names
    const char* fault;  // what the start's message names
};
void PrintTo(const KeptRoad& c, std::ostream* out) {
    *out << c.name;
}

class KeptInputThroughLast : public LastInputStart, public ::testing::WithParamInterface<KeptRoad> {};

// Whatever was typed comes back with `radirav --last` as it was, checked or not; a case named by
// hand with the same input is refused. The start names the first fault and opens the window
// where it is corrected: the points check, the list of constants, or the results.
TEST_P(KeptInputThroughLast, ComesBackWhereItIsCorrected) {
    ProgramState typed = GetParam().typed();
    typed.StudentName = "Петров";
    const QString path = Write(FormatCaseFile(typed));
    EXPECT_FALSE(LoadStartCase(state, machine, machine, path)) << "as a case named by hand it is refused";
    machine.messages.clear();
    state = {};
    ASSERT_TRUE(LoadStartCase(state, machine, machine, path, StartFrom::LastInput));
    ASSERT_EQ(machine.messages.size(), 1);
    EXPECT_TRUE(machine.messages[0].contains(QString::fromUtf8(GetParam().fault)))
        << machine.messages[0].toStdString();
    // Every value, point and constant as typed: the input written again is the same case.
    EXPECT_EQ(FormatCaseFile(state), FormatCaseFile(typed));

    machine.AnswerInputBoxes({QStringLiteral("Петров"), QStringLiteral("Этанол-Вода")});
    QTest::mouseClick(flow.ShowTitle()->Command1, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    const QStringList loaded = machine.screens.LoadedNames();
    ASSERT_TRUE(loaded.contains(QString::fromUtf8(GetParam().screen))) << loaded.join(' ').toStdString();
    for (ScreenWindow* screen : machine.screens.Loaded()) {
        EXPECT_TRUE(screen->isVisible()) << screen->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, KeptInputThroughLast,
    ::testing::Values(
        KeptRoad{"EqualX", [] { return TypedPoints(4, "0.3", "0.6"); }, "Form10", "X[4] < X[3]"},
        KeptRoad{"FallingY", [] { return TypedPoints(5, "0.5", "0.45"); }, "Form10", "Y[5] < Y[4]"},
        KeptRoad{"VapourBelowLiquid", [] { return TypedPoints(8, "0.95", "0.92"); }, "Form10", "Y[8] < X[8]"},
        KeptRoad{"VapourOfOne", [] { return TypedPoints(8, "0.8", "1"); }, "Form10", "Y[8] = 1"},
        KeptRoad{"AntoineOutOfRange", TypedAntoineConstants, "Form8", "C1 «5»"},
        KeptRoad{"ValueOutOfRange", TypedBottomsRicherThanTheFeed, "Form11", "XW = 0.6"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LastInputStart, NoLastInputStartsWithTheSample) {
    EXPECT_FALSE(LoadStartCase(state, machine, machine, folder.filePath(QStringLiteral("none.case")),
                               StartFrom::LastInput));
    EXPECT_FALSE(state.CaseLoaded);
    ASSERT_EQ(machine.messages.size(), 1);
    EXPECT_TRUE(machine.messages[0].startsWith(QStringLiteral("Последние введённые данные не найдены")));
}

TEST_F(LastInputStart, TheFileIsWrittenWholeIntoAFolderMadeForIt) {
    const QString path = folder.filePath(QStringLiteral("data/radirav/last.case"));
    QtFiles files;
    FileLastInput file(files, path);
    file.Keep("NAME = Петров\n");
    file.Keep("NAME = Сидоров\n");
    std::ifstream in(path.toStdString());
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "NAME = Сидоров\n");
}

} // namespace
} // namespace radirav
