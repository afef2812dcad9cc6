#include "screens/results/form11_results.h"

#include "calc/column.h"
#include "model/text.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/regional_format.h"
#include "platform/twips.h"
#include "report/results_text.h"
#include "screens/results/print_report.h"

#include <QLabel>
#include <QPushButton>

namespace radirav {
namespace {

const QString kCaption = QStringLiteral("РАСЧЁТ");
const QString kResultsCaption = QStringLiteral("РЕЗУЛЬТАТЫ РАСЧЁТА");
const QString kCalculateCaption = QStringLiteral("ПЕРЕХОД\nК\nРАСЧЁТУ");
const QString kGraphEditorCaption = QStringLiteral("ВОЗВРАТ К\nКОРРЕКЦИИ\nРАВНОВЕСНОЙ\nЗАВИСИМОСТИ");
const QString kPrintCaption = QStringLiteral("  Печать результатов");
const QString kChangeCaption = QStringLiteral("Изменение исходной информации");
const QString kEndCaption = QStringLiteral("Окончание расчёта");

QFont ButtonFont() {
    return ScreenFont(QStringLiteral("MS Sans Serif"), 10, true);
}

} // namespace

Form11::Form11(ProgramState& state, Platform platform, Form11HandOver handOver)
    : ScreenWindow(platform.screens, QStringLiteral("Form11")), state_(state), platform_(platform),
      handOver_(std::move(handOver)) {
    setWindowTitle(kCaption);
    move(TwipsToPixels(10), TwipsToPixels(5));
    resize(TwipsToPixels(12000), TwipsToPixels(9000));
    Surface().SetFontFamily(FixedPitchCyrillicFamily(QStringLiteral("Courier New")));

    Command1 =
        MakeButton(this, QStringLiteral("Command1"), kCalculateCaption, {150, 120, 170, 80}, ButtonFont());
    Command2 =
        MakeButton(this, QStringLiteral("Command2"), kGraphEditorCaption, {150, 240, 170, 100}, ButtonFont());
    Command3 = MakeButton(this, QStringLiteral("Command3"), kPrintCaption, {280, 350, 240, 32}, ButtonFont());
    Command4 =
        MakeButton(this, QStringLiteral("Command4"), kChangeCaption, {280, 400, 240, 32}, ButtonFont());
    Command5 = MakeButton(this, QStringLiteral("Command5"), kEndCaption, {300, 450, 200, 32}, ButtonFont());
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setFont(ScreenFont(QStringLiteral("MS Sans Serif"), 14, true));
    Label2->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    Label2->move(200, 200);

    Command2->setVisible(static_cast<bool>(handOver_.openGraphEditor));
    Command3->hide();
    Command4->hide();
    Command5->hide();
    Label2->hide();

    connect(Command1, &QPushButton::clicked, this, &Form11::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &Form11::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &Form11::Command3Click);
    connect(Command4, &QPushButton::clicked, this, &Form11::Command4Click);
    connect(Command5, &QPushButton::clicked, this, &Form11::Command5Click);
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
    const ColumnResult result = CalculateColumn(state_);
    if (result.stop == CalcStop::InputDataError || result.stop == CalcStop::AntoineError) {
        ShowStop(result.stop);
        return;
    }
    ShowResults();
    Command3->setVisible(!state_.InputError);
    Command4->setVisible(static_cast<bool>(handOver_.openChangeMenu));
    Command5->show();
}

void Form11::ShowStop(CalcStop stop) {
    platform_.dialogs.Beep();
    state_.InputError = true;
    Surface().Cls();
    Label2->setText(QString::fromStdString(StopMessage(stop).value_or(std::string())));
    Label2->adjustSize();
    Label2->show();
    Command1->hide();
    Command2->hide();
    Command3->hide();
    Command4->setVisible(static_cast<bool>(handOver_.openChangeMenu));
    Command5->show();
}

void Form11::ShowResults() {
    DrawingSurface& surface = Surface();
    surface.Cls();
    Label2->hide();
    Command2->hide();
    Command3->hide();

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

void Form11::LeaveFor(const std::function<void()>& next) {
    Unload();
    platform_.screens.UnloadOtherForms();
    if (next) {
        next();
    }
}

void Form11::Command2Click() {
    state_.EditMode = false;
    LeaveFor(handOver_.openGraphEditor);
}

void Form11::Command3Click() {
    Command3->hide();
    Command3->setEnabled(false);
    PrintReport(state_, platform_.printer, platform_.clock);
    Command3->show();
    Command3->setEnabled(true);
}

void Form11::Command4Click() {
    LeaveFor(handOver_.openChangeMenu);
}

void Form11::Command5Click() {
    LeaveFor([this] { platform_.programEnd.EndProgram(); });
}

} // namespace radirav
