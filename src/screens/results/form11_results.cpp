#include "screens/results/form11_results.h"

#include "model/equilibrium_choice.h"
#include "model/text.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/regional_format.h"
#include "platform/twips.h"
#include "report/line_breaks.h"
#include "report/report_text.h"
#include "report/results_text.h"
#include "report/stop_message.h"
#include "report/stop_text.h"
#include "screens/common/alfa_question.h"
#include "screens/common/end_question.h"
#include "screens/common/equilibrium_drawing.h"
#include "screens/results/print_report.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>

namespace radirav {
namespace {

const QString kCaption = QStringLiteral("РАСЧЁТ");
const QString kResultsCaption = QStringLiteral("РЕЗУЛЬТАТЫ РАСЧЁТА");
const QString kCalculateCaption = QStringLiteral("ПЕРЕХОД\nК\nРАСЧЁТУ");
const QString kGraphEditorCaption = QStringLiteral("ВОЗВРАТ К\nКОРРЕКЦИИ\nРАВНОВЕСНОЙ\nЗАВИСИМОСТИ");
const QString kPrintCaption = QStringLiteral("  Печать результатов");
const QString kChangeCaption = QStringLiteral("Изменение исходной информации");
const QString kEndCaption = QStringLiteral("Окончание расчёта");
const QString kDiagramCaption = QStringLiteral("Диаграмма и\nпрофиль колонны");
const QString kTrayCaption = QStringLiteral("Расчёт тарелки");
const QString kCompareCaption = QStringLiteral("Сравнить расчёты");

QFont ButtonFont() {
    return ScreenFont(QStringLiteral("MS Sans Serif"), 10, true);
}

QLabel* MakeNoteLabel(QWidget* parent, const QString& name, const QRect& geometry, const QColor& color) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(ScreenFont(QStringLiteral("MS Sans Serif"), 10, false));
    label->setStyleSheet(QStringLiteral("color: %1;").arg(color.name()));
    label->setGeometry(geometry);
    label->hide();
    return label;
}

// Read-only prose in the look of the note labels, `lines` whole lines high (no line shows cut in
// half at its foot), scrolled by the wheel, the arrows or its bar when there is more.
QPlainTextEdit* MakeNoteList(QWidget* parent, const QString& name, QPoint topLeft, int width, int lines,
                             const QColor& color) {
    auto* list = new QPlainTextEdit(parent);
    list->setObjectName(name);
    list->setReadOnly(true);
    list->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    list->setWordWrapMode(QTextOption::WordWrap);
    list->setFrameShape(QFrame::NoFrame);
    list->setFont(ScreenFont(QStringLiteral("MS Sans Serif"), 10, false));
    // On the window's own drawing, as the labels are.
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, color);
    list->setPalette(palette);
    list->viewport()->setAutoFillBackground(false);
    list->document()->setDocumentMargin(0);
    // The view keeps two pixels beside its lines.
    list->setGeometry(QRect(topLeft, QSize(width, lines * list->fontMetrics().lineSpacing() + 2)));
    list->hide();
    return list;
}

} // namespace

Form11::Form11(ProgramState& state, Platform platform, Navigator& navigator)
    : ScreenWindow(platform.screens, QStringLiteral("Form11")), state_(state), platform_(platform),
      navigator_(navigator) {
    setWindowTitle(kCaption);
    SetOuterGeometryTwips(10, 5, 12000, 9000);
    Surface().SetFontFamily(FixedPitchCyrillicFamily(QStringLiteral("Courier New")));

    Command1 =
        MakeButton(this, QStringLiteral("Command1"), kCalculateCaption, {150, 120, 170, 80}, ButtonFont());
    Command2 =
        MakeButton(this, QStringLiteral("Command2"), kGraphEditorCaption, {150, 240, 170, 100}, ButtonFont());
    Command3 = MakeButton(this, QStringLiteral("Command3"), kPrintCaption, {280, 350, 240, 32}, ButtonFont());
    Command4 =
        MakeButton(this, QStringLiteral("Command4"), kChangeCaption, {280, 400, 240, 32}, ButtonFont());
    Command5 = MakeButton(this, QStringLiteral("Command5"), kEndCaption, {300, 450, 200, 32}, ButtonFont());
    // Right of the print and change buttons, where the results leave the window empty.
    DiagramButton =
        MakeButton(this, QStringLiteral("DiagramButton"), kDiagramCaption, {540, 350, 200, 82}, ButtonFont());
    // Under it, level with the end button.
    TrayButton =
        MakeButton(this, QStringLiteral("TrayButton"), kTrayCaption, {540, 450, 200, 32}, ButtonFont());
    // Left of the end button, where neither the table, the stop's message nor the warnings reach.
    CompareButton =
        MakeButton(this, QStringLiteral("CompareButton"), kCompareCaption, {40, 450, 200, 32}, ButtonFont());
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setFont(ScreenFont(QStringLiteral("MS Sans Serif"), 14, true));
    Label2->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    Label2->move(200, 200);
    // The notes sit where the results leave the window empty: under the stop's message, and
    // under the buttons after the table.
    ReasonLabel = MakeNoteLabel(this, QStringLiteral("ReasonLabel"), {60, 240, 680, 90}, QColor(128, 0, 0));
    WarningList = MakeNoteList(this, QStringLiteral("WarningList"), {30, 495}, 740, 4, QColor(128, 64, 0));

    Command3->hide();
    Command4->hide();
    Command5->hide();
    DiagramButton->hide();
    TrayButton->hide();
    CompareButton->hide();
    Label2->hide();

    Command1->OnClick([this] { Command1Click(); });
    Command2->OnClick([this] { Command2Click(); });
    Command3->OnClick([this] { Command3Click(); });
    Command4->OnClick([this] { Command4Click(); });
    Command5->OnClick([this] { Command5Click(); });
    DiagramButton->OnClick([this] { DiagramButtonClick(); });
    TrayButton->OnClick([this] { TrayButtonClick(); });
    CompareButton->OnClick([this] { CompareButtonClick(); });
}

void Form11::PrepareForDirectResults() {
    setWindowTitle(kResultsCaption);
    Command1->hide();
    Command2->hide();
}

void Form11::Calculate() {
    Command1->hide();
    Command2->hide();
    Label2->hide();
    QElapsedTimer timer;
    timer.start();
    column_ = std::make_shared<HeldColumn>(HeldColumn{CalculateColumn(state_), {}});
    platform_.diagnostics.Timing(QStringLiteral("column calculated"), timer.elapsed());
    const ColumnResult& result = column_->result;
    StoreColumnResult(result, state_);
    emit Calculated(result);
    // A stop is worth comparing with the calculations before it, as a finished column is.
    CompareButton->show();
    if (result.stop == CalcStop::InputDataError || result.stop == CalcStop::AntoineError) {
        ShowStop(result);
        return;
    }
    ShowResults();
    ShowNote(ReasonLabel, StopReasonText(result.reason));
    ShowWarnings(result.warnings);
    Command3->setVisible(!state_.InputError);
    Command4->show();
    Command5->show();
    DiagramButton->setVisible(!state_.InputError);
    TrayButton->setVisible(!state_.InputError);
}

void Form11::AskAlfaAndCalculate() {
    PrepareForDirectResults();
    show();
    if (!AskAlfaUntilInRange(state_, platform_.dialogs)) {
        Leave();
        navigator_.EndProgram();
        return;
    }
    MarkAlfaEntered(state_);
    Calculate();
}

std::shared_ptr<const ColumnResult> Form11::Result() const {
    if (!column_)
        return nullptr;
    return std::shared_ptr<const ColumnResult>(column_, &column_->result);
}

void Form11::ShowNote(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(BindNamesToValues(text)));
    label->setVisible(!text.empty());
}

void Form11::ShowWarnings(const std::vector<HydraulicWarning>& warnings) {
    QStringList paragraphs;
    for (const std::string& sentence : WarningSentences(warnings)) {
        paragraphs << QString::fromStdString(BindNamesToValues(sentence));
    }
    WarningList->setPlainText(paragraphs.join(QLatin1Char('\n')));
    WarningList->setVisible(!warnings.empty());
}

void Form11::ShowStop(const ColumnResult& result) {
    platform_.dialogs.Beep();
    state_.InputError = true;
    Surface().Cls();
    Label2->setText(QString::fromStdString(StopMessage(result.stop).value_or(std::string())));
    Label2->adjustSize();
    Label2->show();
    ShowNote(ReasonLabel, StopReasonText(result.reason));
    ShowWarnings({});
    Command1->hide();
    Command2->hide();
    Command3->hide();
    DiagramButton->hide();
    TrayButton->hide();
    Command4->show();
    Command5->show();
}

void Form11::ShowResults() {
    DrawingSurface& surface = Surface();
    surface.Cls();
    Label2->hide();
    ReasonLabel->hide();
    WarningList->hide();
    Command2->hide();
    Command3->hide();
    DiagramButton->hide();
    TrayButton->hide();

    surface.SetCurrentX(30);
    surface.SetCurrentY(20);
    surface.SetFontSize(11);
    surface.SetBackColor(BgrColor(0xC0C0FF));
    surface.SetForeColor(BgrColor(0x8000));
    if (state_.RequiredTrays >= kMaxTrays) {
        platform_.dialogs.Beep();
        surface.SetCurrentY(200);
        surface.SetForeColor(BgrColor(0xFF));
        surface.Print(QString::fromUtf8(kTrayLimitMessage));
        state_.InputError = true;
        return;
    }
    surface.Print(QString::fromStdString(TrayCountLine(state_.RequiredTrays, state_.FeedTray)));

    surface.SetFontSize(10);
    surface.SetCurrentY(60);
    surface.SetForeColor(BgrColor(0x800000));
    surface.Print(QString::fromUtf8(kResultsTitleLine));
    surface.Print({});
    for (const std::string& line : ResultsTableLines(state_, RegionalDecimalSeparator())) {
        surface.Print(QString::fromStdString(line));
    }
}

void Form11::ShowEquilibriumGraph() {
    Surface().Cls();
    ReasonLabel->hide();
    WarningList->hide();
    DrawEquilibriumDiagram(Surface(), state_, GraphFrame{}, BgrColor(0xFFFF), BgrColor(0xFF0000));
    Label2->hide();
    Command1->show();
    Command2->show();
}

void Form11::Leave() {
    Unload();
    platform_.screens.UnloadOtherForms();
}

void Form11::Command2Click() {
    Leave();
    navigator_.OpenGraphEditor();
}

void Form11::Command3Click() {
    Command3->hide();
    Command3->setEnabled(false);
    // The report carries the warnings of the column it prints.
    PrintReport(state_, column_ ? column_->result.warnings : std::vector<HydraulicWarning>{},
                platform_.printer, platform_.clock);
    Command3->show();
    Command3->setEnabled(true);
    // The focus comes back to printing, never to the buttons that leave the results.
    Command3->setFocus();
}

void Form11::Command4Click() {
    Leave();
    navigator_.OpenChangeMenu();
}

void Form11::OnCloseRequested() {
    if (ConfirmEndOfWork(platform_.dialogs)) {
        Command5Click();
    }
}

void Form11::Command5Click() {
    Leave();
    navigator_.EndProgram();
}

} // namespace radirav
