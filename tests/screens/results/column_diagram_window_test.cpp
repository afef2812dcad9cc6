#include "screens/recording_navigator.h"
#include "screens/results/column_diagram_window.h"
#include "screens/results/form11_results.h"
#include "screens/screen_test.h"

#include "model/case_file.h"
#include "platform/regional_format.h"
#include "report/plot_geometry.h"
#include "screens/flow/screen_flow.h"
#include "screens/input/form1_title.h"
#include "screens/input/start_case.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
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

// The column as the results window holds it.
std::shared_ptr<HeldColumn> Calculated(const ProgramState& state) {
    return std::make_shared<HeldColumn>(HeldColumn{CalculateColumn(state), {}});
}

struct Form11Case {
    std::string name;
    ProgramState (*make)();
    bool shown;
};
void PrintTo(const Form11Case& c, std::ostream* os) {
    *os << c.name;
}

class DiagramButtonOfForm11 : public ScreenTest, public ::testing::WithParamInterface<Form11Case> {};

// The diagram's and the worked tray's buttons appear only after a normal end; they never cover a
// control of the results window.
TEST_P(DiagramButtonOfForm11, ShowsAfterANormalEndOnly) {
    state = GetParam().make();
    testing::RecordingNavigator navigator;
    auto* form = new Form11(state, platform, navigator);
    form->show();
    form->Calculate();
    for (CommandButton* button : {form->DiagramButton, form->TrayButton}) {
        ASSERT_EQ(button->isVisible(), GetParam().shown);
        for (QWidget* control :
             {static_cast<QWidget*>(form->Command3), static_cast<QWidget*>(form->Command4),
              static_cast<QWidget*>(form->Command5), static_cast<QWidget*>(form->WarningList)}) {
            if (control != button) {
                EXPECT_FALSE(button->geometry().intersects(control->geometry()))
                    << control->objectName().toStdString();
            }
        }
        EXPECT_LE(button->geometry().right(), form->width());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_FALSE(form->DiagramButton->geometry().intersects(form->TrayButton->geometry()));
    EXPECT_EQ(navigator.asked.contains(QStringLiteral("ShowColumnDiagram")), GetParam().shown);
    EXPECT_EQ(navigator.asked.contains(QStringLiteral("ShowWorkedTray 1")), GetParam().shown);
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
    // The window on the state; the reflux study run at once unless it is left to run beside it.
    ColumnDiagramWindow* Open(bool studyAtOnce = true) {
        window = new ColumnDiagramWindow(state, platform, Calculated(state), navigator);
        window->show();
        if (studyAtOnce) {
            window->StudyNow();
        }
        return window;
    }
    // The study asked beside the window, made.
    void FinishStudies() {
        while (machine.pendingTasks() > 0)
            machine.RunBackgroundTasks();
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    double Rightmost() const {
        double right = 0;
        for (const DrawOp& op : window->Surface().Ops())
            right = std::max({right, op.from.x(), op.to.x()});
        return right;
    }

    QTemporaryDir dir;
    QPointer<ColumnDiagramWindow> window;
    testing::RecordingNavigator navigator;
};

// The example case: 59 trays, the feed on the 10th (as the batch calculator reports them).
TEST_F(ColumnDiagramTest, DrawsTheExampleColumnWithItsTrayCountAndFeedTray) {
    ASSERT_TRUE(LoadStartCase(state, machine, machine, kExample));
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
    std::optional<QString> from, to; // none: the box cancelled
    bool accepted;
};
void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class RefluxRangeEntry : public ColumnDiagramTest, public ::testing::WithParamInterface<RangeCase> {};

// A range the reflux check takes is studied beside the window; one it refuses is named in a
// message with a beep, a cancelled box changes nothing, and the study stays as it was.
TEST_P(RefluxRangeEntry, StudiesTheRangeOrSaysWhyNotAndKeepsTheStudy) {
    state = SampleWithPoints();
    Open();
    const ValueRange before = window->Range();
    machine.AnswerInputBoxes({GetParam().from, GetParam().to});
    QTest::mouseClick(window->RangeButton, Qt::LeftButton);
    FinishStudies();
    ASSERT_EQ(machine.inputBoxes.size(), GetParam().from ? 2u : 1u);
    if (GetParam().accepted) {
        EXPECT_EQ(machine.beeps, 0);
        EXPECT_DOUBLE_EQ(window->Range().from, 2.5);
        EXPECT_DOUBLE_EQ(window->Range().to, 8);
        const std::vector<QString> texts = window->Surface().Texts();
        const QString marked =
            QStringLiteral("R = 5") + QLatin1Char(RegionalDecimalSeparator()) + QStringLiteral("25");
        EXPECT_NE(std::find(texts.begin(), texts.end(), marked), texts.end());
        return;
    }
    EXPECT_EQ(machine.beeps, GetParam().from ? 1 : 0);
    EXPECT_EQ(machine.messages.size(), GetParam().from ? 1 : 0);
    EXPECT_EQ(window->Range(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Study, RefluxRangeEntry,
    ::testing::Values(RangeCase{"comma decimal", QStringLiteral("2,5"), QStringLiteral("8"), true},
                      RangeCase{"point decimal", QStringLiteral("2.5"), QStringLiteral("8.0"), true},
                      RangeCase{"reversed", QStringLiteral("8"), QStringLiteral("2.5"), false},
                      RangeCase{"zero start", QStringLiteral("0"), QStringLiteral("8"), false},
                      RangeCase{"cancelled", std::nullopt, std::nullopt, false}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

// Clicked while the study beside the window is still running, the boxes offered 0 to 0: they
// offer the range the study gets.
TEST_F(ColumnDiagramTest, TheRangeBoxesOfferTheStudysRangeBeforeTheStudyIsDrawn) {
    state = SampleWithPoints();
    Open(/*studyAtOnce=*/false);
    machine.AnswerInputBoxes({QStringLiteral("3"), std::nullopt});
    QTest::mouseClick(window->RangeButton, Qt::LeftButton);
    ASSERT_EQ(machine.inputBoxes.size(), 2u);
    window->StudyNow();
    EXPECT_GT(window->Range().from, 0.0);
    EXPECT_EQ(machine.inputBoxes[0].defaultText, RegionalNumber(window->Range().from, 'g', 6));
    EXPECT_EQ(machine.inputBoxes[1].defaultText, RegionalNumber(window->Range().to, 'g', 6));
}

// A range as narrow as a double allows is accepted and drawn; its axis once never finished.
TEST_F(ColumnDiagramTest, ARangeOneUlpWideIsDrawn) {
    state = SampleWithPoints();
    Open();
    machine.AnswerInputBoxes({QStringLiteral("1"), QStringLiteral("1.0000000000000002")});
    QTest::mouseClick(window->RangeButton, Qt::LeftButton);
    FinishStudies();
    EXPECT_EQ(machine.beeps, 0);
    EXPECT_GT(window->Range().to, window->Range().from);
    const std::vector<QString> texts = window->Surface().Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), QStringLiteral("R — ФЛЕГМОВОЕ ЧИСЛО")), texts.end());
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
        ASSERT_TRUE(LoadStartCase(reopened, machine, machine, path))
            << machine.messages.join('|').toStdString();
        CalculateAndStore(prepared);
        CalculateAndStore(reopened);
        EXPECT_EQ(reopened.RequiredTrays, prepared.RequiredTrays);
        EXPECT_EQ(reopened.FeedTray, prepared.FeedTray);
        EXPECT_EQ(reopened.TrayResults, prepared.TrayResults);
        window->Unload();
    }
}

// The dialogs offer a name built from the student and the system; the picture says whose
// calculation it is, of what and when, where the window has its buttons.
TEST_F(ColumnDiagramTest, SavesThePictureAsPngOrSvgWithTheStudentTheSystemAndTheDate) {
    state = SampleWithPoints();
    state.StudentName = "Петров П.П. гр. 5-12";
    state.SystemName = "Этанол-Вода";
    Open();
    machine.AnswerSaveFileNames({Path("column.png"), Path("column.svg"), std::nullopt});
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(window->SavePictureButton, Qt::LeftButton);
    EXPECT_EQ(machine.saveFileSuggestions[0], QStringLiteral("Петров П.П. гр. 5-12 - Этанол-Вода.png"));
    const QImage png(Path("column.png"));
    EXPECT_EQ(png.size(), window->size());
    QFile svg(Path("column.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString drawing = QString::fromUtf8(svg.readAll());
    EXPECT_TRUE(drawing.contains(QStringLiteral("<svg")));
    for (const QString& part : {QStringLiteral("Петров П.П. гр. 5-12"), QStringLiteral("Этанол-Вода"),
                                QStringLiteral("07 декабря 2026г.")})
        EXPECT_TRUE(drawing.contains(part)) << part.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(machine.messages.isEmpty());
    // The window itself keeps its buttons there.
    const std::vector<QString> texts = window->Surface().Texts();
    EXPECT_TRUE(std::none_of(texts.begin(), texts.end(), [](const QString& text) {
        return text.contains(QStringLiteral("Этанол-Вода"));
    }));
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
// the sample at once (a pipe is not waited on). The reader's causes themselves are the core's;
// one of them stands here for all.
TEST_P(StartCaseThatFails, SaysWhyInRussianOnOneLineAndLeavesTheStateAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("task.case");
    if (GetParam().pipe)
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (!GetParam().text.empty())
        std::ofstream(path.toStdString()) << GetParam().text;
    state.StudentName = "untouched";
    EXPECT_FALSE(LoadStartCase(state, machine, machine, path));
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
    ::testing::Values(BadCase{"missing file", "", QStringLiteral(": нет такого файла")},
                      BadCase{"value out of range", "XF = 7\n",
                              QStringLiteral(":1: XF: «7» вне диапазона; допустимо 0 < XF < 1")},
                      BadCase{
                          "named pipe", "",
                          QStringLiteral(": не обычный файл (канал, устройство или сокет); читаются только "
                                         "обычные файлы"),
                          true}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

// `radirav FILE.case`: the start keeps the case, offers its names and shows its results.
TEST_F(ColumnDiagramTest, TheTitleStartRunsTheLoadedCaseToItsResults) {
    ASSERT_TRUE(LoadStartCase(state, machine, machine, kExample));
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
    // The diagram draws the column the results window holds: one calculation for both.
    auto* diagram = LoadedScreen<ColumnDiagramWindow>();
    ASSERT_NE(diagram, nullptr);
    EXPECT_EQ(&diagram->Result(), results->Result().get());
    EXPECT_EQ(machine.timings.count(QStringLiteral("column calculated")), 1);
}

// The box a text operation covers on the window.
QRectF TextBox(const DrawOp& op) {
    QFont font(op.fontFamily);
    font.setPointSizeF(op.fontSize);
    const QFontMetricsF metrics(font);
    return {op.from, QSizeF(metrics.horizontalAdvance(op.text), metrics.height())};
}

bool LineMeets(const DrawOp& line, const QRectF& box) {
    return SegmentMeetsBox({line.from.x(), line.from.y()}, {line.to.x(), line.to.y()},
                           {box.left(), box.top(), box.width(), box.height()});
}

bool IsPlacedLabel(const QString& text) {
    return text == QStringLiteral("xW") || text == QStringLiteral("xF") || text == QStringLiteral("xP") ||
           text.startsWith(QStringLiteral("питание")) || text.startsWith(QStringLiteral("R = ")) ||
           text.startsWith(QStringLiteral("F = ")) || text.startsWith(QStringLiteral("Rmin = ")) ||
           text.startsWith(QStringLiteral("Rопт = "));
}

struct LabelCase {
    std::string name;
    ProgramState (*make)();
    QSize size;
    StudiedInput input = kStudiedReflux;
};
void PrintTo(const LabelCase& c, std::ostream* os) {
    *os << c.name;
}

class DiagramLabels : public ScreenTest, public ::testing::WithParamInterface<LabelCase> {};

// The xW and xF names overlapped each other and the steps, "питание, тарелка 11" was crossed by
// the steps, "Rmin" by the tray curve and its leader ran under "R = 5.25". Every placed label
// now stands clear of every other text and of every line drawn (grid lines aside, and its own
// leader), inside the window; no leader runs under a text; no text lies under a control; the
// inset's title stays in its frame.
TEST_P(DiagramLabels, StandClearOfOtherTextsOfTheLinesAndOfTheControls) {
    state = GetParam().make();
    testing::RecordingNavigator navigator;
    auto* window = new ColumnDiagramWindow(state, platform, Calculated(state), navigator);
    window->resize(GetParam().size);
    window->show();
    window->Choose(GetParam().input);
    window->StudyNow();
    const std::vector<DrawOp>& ops = window->Surface().Ops();
    const QRectF inset(window->Layout().inset.left, window->Layout().inset.top, window->Layout().inset.width,
                       window->Layout().inset.height);
    const QRectF inside(QPointF(0, 0), QSizeF(window->size()));
    // Lines drawn before the inset lie under its white ground.
    std::size_t insetGround = 0;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].kind == DrawOp::Kind::Rectangle && ops[i].filled && ops[i].color == QColor(Qt::white))
            insetGround = i;
    }
    for (const DrawOp& op : ops) {
        if (op.kind != DrawOp::Kind::Text)
            continue;
        const std::string text = op.text.toStdString();
        EXPECT_TRUE(inside.contains(TextBox(op))) << text;
        for (const QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->isVisible()) {
                EXPECT_FALSE(TextBox(op).intersects(control->geometry()))
                    << text << " under " << control->objectName().toStdString();
            }
        }
        if (op.text.startsWith(QStringLiteral("Низ колонны"))) {
            EXPECT_TRUE(inset.contains(TextBox(op))) << text;
        }
    }
    int placed = 0;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].kind != DrawOp::Kind::Text || !IsPlacedLabel(ops[i].text))
            continue;
        ++placed;
        const QRectF box = TextBox(ops[i]);
        const std::string name = ops[i].text.toStdString();
        const bool inInset = inset.contains(box);
        for (std::size_t k = 0; k < ops.size(); ++k) {
            if (k == i || (inInset && k < insetGround))
                continue;
            const DrawOp& other = ops[k];
            if (other.kind == DrawOp::Kind::Text) {
                EXPECT_FALSE(TextBox(other).intersects(box)) << name << " on " << other.text.toStdString();
            } else if (other.kind == DrawOp::Kind::Line && other.color != QColor(215, 215, 215)) {
                // A leader is drawn right after its label and ends on the label's edge.
                const QRectF edge = box.adjusted(-0.5, -0.5, 0.5, 0.5);
                const bool leader = k == i + 1 && (edge.contains(other.to) || edge.contains(other.from)) &&
                                    !box.adjusted(0.5, 0.5, -0.5, -0.5).contains(other.to);
                EXPECT_TRUE(leader || !LineMeets(other, box))
                    << name << " crossed by a line from (" << other.from.x() << ", " << other.from.y()
                    << ") to (" << other.to.x() << ", " << other.to.y() << ") "
                    << other.color.name().toStdString() << " box " << box.x() << "," << box.y() << " "
                    << box.width() << "x" << box.height();
                if (!leader)
                    continue;
                for (std::size_t t = 0; t < ops.size(); ++t) {
                    if (t != i && ops[t].kind == DrawOp::Kind::Text && !(inInset && t < insetGround)) {
                        EXPECT_FALSE(LineMeets(other, TextBox(ops[t])))
                            << "the leader of " << name << " under " << ops[t].text.toStdString();
                    }
                }
            }
        }
    }
    // xW, xF and xP on the diagram, xW in the inset, the feed on the profile, the student's
    // value on the study.
    EXPECT_GE(placed, 6) << [&] {
        std::string t;
        for (const QString& s : window->Surface().Texts())
            t += s.toStdString() + "|";
        return t;
    }();
}

INSTANTIATE_TEST_SUITE_P(
    Diagram, DiagramLabels,
    ::testing::Values(
        LabelCase{"points at 800 by 600", [] { return testing::SampleWithPoints(); }, {798, 574}},
        LabelCase{"feed study at 800 by 600",
                  [] { return testing::SampleWithPoints(); },
                  {798, 574},
                  {StudiedKind::Parameter, param::kF}},
        LabelCase{
            "constant alfa default at 1024 by 768", [] { return testing::SampleWithAlfa(10); }, {1012, 715}},
        LabelCase{"points designed", [] { return testing::SampleWithPoints(); }, {1238, 715}},
        LabelCase{"points smallest", [] { return testing::SampleWithPoints(); }, {780, 540}},
        LabelCase{"Antoine sieve maximised at 1920 by 1080",
                  [] { return testing::SampleWithAntoine("S"); },
                  {1920, 1057}},
        LabelCase{"constant alfa 20 tall", [] { return testing::SampleWithAlfa(20); }, {1280, 1005}}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

// A larger window gets a larger drawing, redrawn at once; the window can be maximised.
TEST_F(ColumnDiagramTest, FollowsItsSizeWhenResized) {
    state = testing::SampleWithAlfa(10);
    Open(false);
    EXPECT_LT(window->minimumWidth(), window->maximumWidth());
    window->resize(1238, 715);
    const double designedRight = Rightmost();
    const double designedSide = window->Layout().diagram.width;
    window->resize(1920, 1061);
    EXPECT_GT(window->Layout().diagram.width, 1.4 * designedSide);
    EXPECT_GT(Rightmost(), 1.4 * designedRight);
    EXPECT_LE(Rightmost(), 1920);
    EXPECT_LE(window->CloseButton->geometry().right(), 1920);
    EXPECT_GT(window->CloseButton->x(), 1500);
}

// The study runs beside the window once it is painted and gives what the study at once gives.
TEST_F(ColumnDiagramTest, StudiesTheRefluxBesideTheWindowAsAtOnce) {
    state = testing::SampleWithAlfa(10);
    Open(false);
    EXPECT_EQ(window->Study(), nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(machine.pendingTasks() == 1, 10000); // asked once the window is painted
    EXPECT_EQ(machine.RunBackgroundTasks(), 1);
    ASSERT_NE(window->Study(), nullptr);
    const InputStudy expected = DefaultStudy(state, kStudiedReflux);
    EXPECT_EQ(window->Range(), (ValueRange{expected.rows.front().value, expected.rows.back().value}));
    const std::vector<QString> texts = window->Surface().Texts();
    EXPECT_EQ(std::find(texts.begin(), texts.end(), QStringLiteral("Расчёт…")), texts.end());
    ASSERT_TRUE(expected.minimumReflux.has_value());
    const QString rmin = QStringLiteral("Rmin = %1")
                             .arg(QString::number(*expected.minimumReflux, 'f', 3))
                             .replace(QLatin1Char('.'), QLatin1Char(RegionalDecimalSeparator()));
    EXPECT_NE(std::find(texts.begin(), texts.end(), rmin), texts.end());
    EXPECT_EQ(machine.timings.count(QStringLiteral("study of R drawn")), 0); // no click was timed
}

// The tray type chosen in the box is studied beside the window; a click on the plot shows the
// figures of the column there (the sample's 65 trays and feed tray 12 with sieve trays), and
// Ctrl+Left steps to the next column along (59 and 10 with bubble caps).
TEST_F(ColumnDiagramTest, AChosenInputIsStudiedAndAClickShowsTheColumnThere) {
    state = SampleWithPoints();
    Open();
    const auto tray =
        std::find(window->Inputs().begin(), window->Inputs().end(), StudiedInput{StudiedKind::TrayType, 0});
    ASSERT_NE(tray, window->Inputs().end());
    window->StudiedInputBox->setCurrentIndex(static_cast<int>(tray - window->Inputs().begin()));
    EXPECT_EQ(window->Study(), nullptr);
    EXPECT_FALSE(window->RangeButton->isEnabled()); // two types, no range
    FinishStudies();
    ASSERT_NE(window->Study(), nullptr);
    EXPECT_EQ(machine.timings.count(QStringLiteral("study of TRAY drawn")), 1);
    const std::optional<StudyPlot> plot = window->PlotOfStudy();
    ASSERT_TRUE(plot.has_value());
    const QPoint sieve(static_cast<int>(plot->frame.ScreenX(kSieveValue)),
                       static_cast<int>(plot->frame.top + plot->frame.height / 2));
    QTest::mouseClick(window, Qt::LeftButton, {}, sieve);
    EXPECT_TRUE(window->ColumnFigures->toPlainText().startsWith(
        QStringLiteral("тарелки ситчатые: тарелок 65, питание на тарелке 12")))
        << window->ColumnFigures->toPlainText().toStdString();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->CloseButton, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_TRUE(window->ColumnFigures->toPlainText().startsWith(
        QStringLiteral("тарелки колпачковые: тарелок 59, питание на тарелке 10")));
    // Back to R: its study is kept, drawn at once.
    window->Choose(kStudiedReflux);
    EXPECT_NE(window->Study(), nullptr);
    EXPECT_TRUE(window->ColumnFigures->toPlainText().isEmpty());
}

// Arrowing through the box while a study runs studies the input it stops at, not each one passed;
// the result holds the reflux study and the latest other one.
TEST_F(ColumnDiagramTest, OnlyTheLastInputChosenWhileAStudyRunsIsStudied) {
    state = SampleWithPoints();
    Open(false);
    QTRY_VERIFY_WITH_TIMEOUT(machine.pendingTasks() == 1, 10000);
    const StudiedInput feed{StudiedKind::Parameter, param::kF}, xf{StudiedKind::Parameter, param::kXF};
    window->Choose(feed);
    window->Choose(xf);
    FinishStudies();
    EXPECT_NE(window->Study(), nullptr);
    window->Choose(feed);
    EXPECT_EQ(window->Study(), nullptr);
    // The result keeps the reflux study and one other beside it: the latest.
    FinishStudies();
    window->Choose(kStudiedReflux);
    EXPECT_NE(window->Study(), nullptr);
    window->Choose(xf);
    EXPECT_EQ(window->Study(), nullptr);
}

// A range of another input is checked as a case file checks its value.
TEST_F(ColumnDiagramTest, ARangeOfAnotherInputOutsideItsCheckIsRefused) {
    state = SampleWithPoints();
    Open();
    window->Choose({StudiedKind::Parameter, param::kF});
    FinishStudies();
    const ValueRange before = window->Range();
    EXPECT_LT(before.from, 2.78f);
    EXPECT_GT(before.to, 2.78f);
    machine.AnswerInputBoxes({QStringLiteral("0"), QStringLiteral("4")});
    QTest::mouseClick(window->RangeButton, Qt::LeftButton);
    EXPECT_EQ(machine.inputBoxes[0].title, QStringLiteral("ДИАПАЗОН ИССЛЕДОВАНИЯ F"));
    ASSERT_EQ(machine.messages.size(), 1);
    EXPECT_TRUE(machine.messages[0].startsWith(QStringLiteral("F: «0» вне диапазона")));
    EXPECT_EQ(machine.pendingTasks(), 0);
    EXPECT_EQ(window->Range(), before);
}

// Each save names the file it wrote, the whole path, even on the smallest window.
TEST_F(ColumnDiagramTest, EachSaveSaysWhereItWroteTheWholePath) {
    state = testing::SampleWithAlfa(10);
    Open(false);
    window->resize(780, 540);
    const QString folder = dir.filePath(QStringLiteral("Документы/группа 5-12/вариант 7"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString picture = QDir(folder).filePath(QStringLiteral("Петров П.П. гр. 5-12 - Этанол-Вода.png"));
    const QString input = QDir(folder).filePath(QStringLiteral("Петров П.П. гр. 5-12 - Этанол-Вода.case"));
    machine.AnswerSaveFileNames({picture, input});
    for (CommandButton* save : {window->SavePictureButton, window->SaveCaseButton}) {
        QTest::mouseClick(save, Qt::LeftButton);
        const QString shown = window->SaveNote->text().remove(QChar(0x200B));
        EXPECT_EQ(shown, (save == window->SavePictureButton ? QStringLiteral("Рисунок записан: ") + picture
                                                            : QStringLiteral("Вариант записан: ") + input));
        EXPECT_LE(window->SaveNote->heightForWidth(window->SaveNote->width()), window->SaveNote->height());
    }
    EXPECT_TRUE(QFile::exists(picture));
    EXPECT_TRUE(QFile::exists(input));
}

// The SVG's text was a quarter smaller against the drawing than on the screen: the title's font
// takes the same share of the picture's width in both.
TEST_F(ColumnDiagramTest, TheSvgKeepsTheScreensProportionOfTextToDrawing) {
    state = testing::SampleWithAlfa(10);
    Open(false);
    window->resize(1238, 715);
    const QString path = dir.filePath(QStringLiteral("column.svg"));
    machine.AnswerSaveFileNames({path});
    QTest::mouseClick(window->SavePictureButton, Qt::LeftButton);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    // The title: the first text, 11 points at the designed size.
    const DrawOp* title = nullptr;
    for (const DrawOp& op : window->Surface().Ops()) {
        if (op.kind == DrawOp::Kind::Text && op.text.startsWith(QStringLiteral("Диаграмма y–x"))) {
            title = &op;
            break;
        }
    }
    ASSERT_NE(title, nullptr);
    QFont font(title->fontFamily);
    font.setPointSizeF(title->fontSize);
    const double screenPixels = QFontInfo(font).pixelSize();
    const QRegularExpression sizeAttribute(QStringLiteral("font-size=\"([0-9.]+)\""));
    const QRegularExpression viewBox(QStringLiteral("viewBox=\"0 0 ([0-9.]+) ([0-9.]+)\""));
    const auto box = viewBox.match(svg);
    ASSERT_TRUE(box.hasMatch()) << svg.left(400).toStdString();
    EXPECT_EQ(box.captured(1).toInt(), window->width());
    const int at = svg.indexOf(title->text.left(9));
    ASSERT_GT(at, 0);
    // The last font size written before the title's text.
    QRegularExpressionMatch last;
    for (auto it = sizeAttribute.globalMatch(svg.left(at)); it.hasNext();)
        last = it.next();
    ASSERT_TRUE(last.hasMatch());
    const double svgPixels = last.captured(1).toDouble();
    EXPECT_NEAR(svgPixels / screenPixels, 1.0, 0.1) << "svg " << svgPixels << " screen " << screenPixels;
}

} // namespace
} // namespace radirav
