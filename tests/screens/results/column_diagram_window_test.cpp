#include "screens/recording_navigator.h"
#include "screens/results/column_diagram_window.h"
#include "screens/results/form11_results.h"
#include "screens/screen_test.h"

#include "model/case_file.h"
#include "platform/regional_format.h"
#include "screens/flow/screen_flow.h"
#include "screens/input/form1_title.h"
#include "screens/input/start_case.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <QFile>
#include <QImage>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

namespace radirav {
namespace {

using testing::SampleWithPoints;
using testing::ScreenTest;

const QString kExample = QStringLiteral(RADIRAV_EXAMPLES_DIR "/ethanol-water.case");

struct Form11Case {
    std::string name;
    ProgramState (*make)();
    bool shown;
};
void PrintTo(const Form11Case& c, std::ostream* os) {
    *os << c.name;
}

class DiagramButtonOfForm11 : public ScreenTest, public ::testing::WithParamInterface<Form11Case> {};

// The button appears only after a normal end; it never covers a control of the results window.
TEST_P(DiagramButtonOfForm11, ShowsAfterANormalEndOnly) {
    state = GetParam().make();
    testing::RecordingNavigator navigator;
    auto* form = new Form11(state, platform, navigator);
    form->show();
    form->Calculate();
    ASSERT_EQ(form->DiagramButton->isVisible(), GetParam().shown);
    for (QWidget* control : {static_cast<QWidget*>(form->Command3), static_cast<QWidget*>(form->Command4),
                             static_cast<QWidget*>(form->Command5)}) {
        EXPECT_FALSE(form->DiagramButton->geometry().intersects(control->geometry()))
            << control->objectName().toStdString();
    }
    EXPECT_LE(form->DiagramButton->geometry().right(), form->width());
    QTest::mouseClick(form->DiagramButton, Qt::LeftButton);
    EXPECT_EQ(navigator.asked.contains(QStringLiteral("ShowColumnDiagram")), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Results, DiagramButtonOfForm11,
                         ::testing::Values(Form11Case{"sample", [] { return SampleWithPoints(); }, true},
                                           Form11Case{"tray limit",
                                                      [] { return testing::SampleWithAlfa(1.01); }, false},
                                           Form11Case{"input data error",
                                                      [] {
                                                          ProgramState s = SampleWithPoints();
                                                          s.InputParams[param::kM2].Value = -18;
                                                          return s;
                                                      },
                                                      false}),
                         [](const auto& info) { return testing::CaseName(info.param.name); });

class ColumnDiagramTest : public ScreenTest {
protected:
    ColumnDiagramWindow* Open() {
        window = new ColumnDiagramWindow(state, platform);
        window->show();
        window->StudyReflux();
        return window;
    }
    QString Path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QPointer<ColumnDiagramWindow> window;
};

// The example case: 59 trays, the feed on the 10th (as the batch calculator reports them).
TEST_F(ColumnDiagramTest, DrawsTheExampleColumnWithItsTrayCountAndFeedTray) {
    ASSERT_TRUE(LoadStartCase(state, machine, kExample));
    Open();
    const std::vector<QString> texts = window->Surface().Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        QStringLiteral("Диаграмма y–x: 59 тарелок, питание на тарелке 10")),
              texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), QStringLiteral("питание, тарелка 10")), texts.end());
    EXPECT_EQ(window->Diagram().tablePoints.size(), 15u);
    // The reflux study runs from just above the smallest R reaching the top to five times it.
    EXPECT_NEAR(window->Range().to, 5 * window->Range().from, 1e-9);
    EXPECT_LT(window->Range().from, 5.25);
}

struct RangeCase {
    std::string name;
    QString from, to;
    bool accepted;
};
void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class RefluxRangeEntry : public ColumnDiagramTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(RefluxRangeEntry, RecomputesTheStudyOrBeepsAndKeepsIt) {
    state = SampleWithPoints();
    Open();
    const RefluxRange before = window->Range();
    machine.AnswerInputBoxes({GetParam().from, GetParam().to});
    QTest::mouseClick(window->RangeButton, Qt::LeftButton);
    ASSERT_EQ(machine.inputBoxes.size(), 2u);
    if (GetParam().accepted) {
        EXPECT_EQ(machine.beeps, 0);
        EXPECT_DOUBLE_EQ(window->Range().from, 2.5);
        EXPECT_DOUBLE_EQ(window->Range().to, 8);
        const std::vector<QString> texts = window->Surface().Texts();
        const QString marked =
            QStringLiteral("R = 5") + QLatin1Char(RegionalDecimalSeparator()) + QStringLiteral("25");
        EXPECT_NE(std::find(texts.begin(), texts.end(), marked), texts.end());
    } else {
        EXPECT_EQ(machine.beeps, 1);
        EXPECT_EQ(window->Range().from, before.from);
        EXPECT_EQ(window->Range().to, before.to);
    }
}

INSTANTIATE_TEST_SUITE_P(Study, RefluxRangeEntry,
                         ::testing::Values(RangeCase{"comma decimal", "2,5", "8", true},
                                           RangeCase{"point decimal", "2.5", "8.0", true},
                                           RangeCase{"reversed", "8", "2.5", false},
                                           RangeCase{"zero start", "0", "8", false},
                                           RangeCase{"cancelled", "", "", false}),
                         [](const auto& info) { return testing::CaseName(info.param.name); });

// A range as narrow as a double allows is accepted and drawn; its axis once never finished.
TEST_F(ColumnDiagramTest, ARangeOneUlpWideIsDrawn) {
    state = SampleWithPoints();
    Open();
    machine.AnswerInputBoxes({QStringLiteral("1"), QStringLiteral("1.0000000000000002")});
    QTest::mouseClick(window->RangeButton, Qt::LeftButton);
    EXPECT_EQ(machine.beeps, 0);
    EXPECT_GT(window->Range().to, window->Range().from);
    const std::vector<QString> texts = window->Surface().Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), QStringLiteral("флегмовое число R")), texts.end());
}

// A saved case read back calculates the same column.
TEST_F(ColumnDiagramTest, SavedCaseReadBackGivesTheSameCalculation) {
    for (ProgramState prepared :
         {SampleWithPoints(), testing::SampleWithAntoine("S"), testing::SampleWithAlfa(10)}) {
        state = prepared;
        Open();
        const QString path = Path(QStringLiteral("student.case"));
        machine.AnswerSaveFileNames({path});
        QTest::mouseClick(window->SaveCaseButton, Qt::LeftButton);
        ProgramState reopened;
        ASSERT_TRUE(LoadStartCase(reopened, machine, path)) << machine.messages.join('|').toStdString();
        CalculateAndStore(prepared);
        CalculateAndStore(reopened);
        EXPECT_EQ(reopened.RequiredTrays, prepared.RequiredTrays);
        EXPECT_EQ(reopened.FeedTray, prepared.FeedTray);
        EXPECT_EQ(reopened.TrayResults, prepared.TrayResults);
        window->Unload();
    }
}

TEST_F(ColumnDiagramTest, SavesThePictureAsPngOrSvgAndNothingWhenCancelled) {
    state = SampleWithPoints();
    Open();
    machine.AnswerSaveFileNames({Path("column.png"), Path("column.svg"), std::nullopt});
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(window->SavePictureButton, Qt::LeftButton);
    const QImage png(Path("column.png"));
    EXPECT_EQ(png.size(), window->size());
    QFile svg(Path("column.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(machine.messages.isEmpty());
}

TEST_F(ColumnDiagramTest, AFileThatCannotBeWrittenIsReported) {
    state = SampleWithPoints();
    Open();
    machine.AnswerSaveFileNames({Path("missing/dir/column.case")});
    QTest::mouseClick(window->SaveCaseButton, Qt::LeftButton);
    ASSERT_EQ(machine.messages.size(), 1);
    EXPECT_TRUE(machine.messages[0].contains(QStringLiteral("не записан")));
}

struct BadCase {
    std::string name;
    std::string text;  // empty: no file at all
    QString cause;     // the reader's words for what is wrong, after the file's name
    bool pipe = false; // a named pipe in place of the file
};
void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

class StartCaseThatFails : public ScreenTest, public ::testing::WithParamInterface<BadCase> {};

// The message names the file and the cause in Russian, on one line, and the start goes on with
// the sample at once (a pipe is not waited on).
TEST_P(StartCaseThatFails, SaysWhyInRussianOnOneLineAndLeavesTheStateAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("task.case");
    if (GetParam().pipe)
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (!GetParam().text.empty())
        std::ofstream(path.toStdString()) << GetParam().text;
    state.StudentName = "untouched";
    EXPECT_FALSE(LoadStartCase(state, machine, path));
    EXPECT_EQ(state.StudentName, "untouched");
    EXPECT_FALSE(state.CaseLoaded);
    ASSERT_EQ(machine.messages.size(), 1);
    const QString message = machine.messages[0];
    EXPECT_FALSE(message.contains(QLatin1Char('\n')));
    EXPECT_EQ(
        message,
        QStringLiteral("Вариант не загружен: %1%2; программа начнёт с примера.").arg(path, GetParam().cause));
    // No English word is left once the file's name is taken out.
    EXPECT_FALSE(QString(message).remove(path).contains(QRegularExpression(QStringLiteral("[a-z]{2,}"))))
        << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Start, StartCaseThatFails,
    ::testing::Values(
        BadCase{"missing file", "", QStringLiteral(": нет такого файла")},
        BadCase{"value out of range", "XF = 7\n",
                QStringLiteral(":1: XF: «7» вне диапазона; допустимо 0 < XF < 1")},
        BadCase{"distillate poorer than the feed", "XF = 0.97\n",
                QStringLiteral(":1: XF: XP = 0.95 (значение примера) меньше XF = 0.97 (строка 1): "
                               "дистиллят должен быть не беднее исходной смеси, XP >= XF")},
        BadCase{"two equilibria", "ALFA = 2\nANTOINE = 1 2 3 4 5 6\n",
                QStringLiteral(":2: ANTOINE: второе равновесие (ALFA в строке 1); задайте одно: ALFA, "
                               "ANTOINE или строки POINT")},
        BadCase{"named pipe", "",
                QStringLiteral(": не обычный файл (канал, устройство или сокет); читаются только "
                               "обычные файлы"),
                true}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

// `radirav FILE.case`: the start keeps the case, offers its names and shows its results.
TEST_F(ColumnDiagramTest, TheTitleStartRunsTheLoadedCaseToItsResults) {
    ASSERT_TRUE(LoadStartCase(state, machine, kExample));
    ScreenFlow flow(state, platform);
    Form1* form1 = flow.ShowTitle();
    machine.AnswerInputBoxes({QStringLiteral("петров п.п. гр. 5-12"), QStringLiteral("этанол-вода")});
    QTest::mouseClick(form1->Command1, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    ASSERT_EQ(machine.inputBoxes.size(), 2u);
    EXPECT_EQ(machine.inputBoxes[0].defaultText, QStringLiteral("Петров П.П. гр. 5-12"));
    auto* results = LoadedScreen<Form11>();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(machine.screens.Loaded().size(), 1u);
    EXPECT_EQ(state.RequiredTrays, 59);
    EXPECT_EQ(state.FeedTray, 10);
    ASSERT_TRUE(results->DiagramButton->isVisible());
    QTest::mouseClick(results->DiagramButton, Qt::LeftButton);
    QTest::mouseClick(results->DiagramButton, Qt::LeftButton);
    EXPECT_EQ(machine.screens.Loaded().size(), 2u); // one diagram, however often asked
}

} // namespace
} // namespace radirav
