#include "screens/input/form1_title.h"

#include "model/case_file.h"
#include "model/sample_data.h"
#include "model/text.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/gradient.h"
#include "platform/twips.h"
#include "screens/common/end_question.h"

#include <QLabel>
#include <QPushButton>

namespace radirav {
namespace {

const QString kCaption = QStringLiteral("Введение");
const QString kLabel1Caption = QStringLiteral("            П Р О Г Р А М М А        R A D I R A V - 9\n"
                                              "\n"
                                              "                                     Р а с ч ё т\n"
                                              "  Бинарной ректификации в колоннах с колпачковыми\n"
                                              "                         и ситчатыми тарелками\n"
                                              "\n"
                                              "             ОПРЕДЕЛЕНИЕ ЧИСЛА ТАРЕЛОК");
const QString kLabel2Caption = QStringLiteral(" Учебная версия");
const QString kLabel3Caption = QStringLiteral(" Для проведения расчётов необходимо изучить описание\n"
                                              "              и подготовить исходные данные");
const QString kStartCaption = QStringLiteral("Готовы к работе ?");
const QString kQuitCaption = QStringLiteral("Не готовы к работе ?");

const QString kNamePrompt = QStringLiteral("  ВВЕДИТЕ ФАМИЛИЮ И НОМЕР ГРУППЫ ");
const QString kNameTitle = QStringLiteral("ВВОД ФАМИЛИИ");
const QString kSystemPrompt =
    QStringLiteral("  ВВЕДИТЕ ЧЕРЕЗ ТИРЕ НАИМЕНОВАНИЕ КОМПОНЕНТОВ РАЗДЕЛЯЕМОЙ СМЕСИ ");
const QString kSystemTitle = QStringLiteral("ВВОД НАИМЕНОВАНИЙ КОМПОНЕНТОВ");

constexpr int kWindowWidthTwips = 12000;

QFont ButtonFont() {
    return ScreenFont(QStringLiteral("MS Sans Serif"), 12);
}

} // namespace

Form1::Form1(ProgramState& state, Platform platform, Navigator& navigator)
    : ScreenWindow(platform.screens, QStringLiteral("Form1")), state_(state), platform_(platform),
      navigator_(navigator) {
    setWindowTitle(kCaption);
    setFont(ScreenFont(QStringLiteral("Courier"), 15, true, true));

    Label1 = MakeLabel(this, QStringLiteral("Label1"), TwipsRect(1560, 600, 6375, 2655),
                       ScreenFont(QStringLiteral("Microsoft Sans Serif"), 14.25, true, true));
    PaintControl(Label1, 0x80FF80, 0xFF0000);
    Label2 = MakeLabel(this, QStringLiteral("Label2"), TwipsRect(6960, 6360, 2295, 375),
                       ScreenFont(QStringLiteral("Arial"), 14.25, false, true));
    PaintControl(Label2, 0xFF, 0xFFC0C0);
    Label3 = MakeLabel(this, QStringLiteral("Label3"), TwipsRect(1200, 3960, 7215, 615),
                       ScreenFont(QStringLiteral("Courier"), 12));
    PaintControl(Label3, 0xFFC0C0, 0x80);
    const QFont barFont = ScreenFont(QStringLiteral("MS Sans Serif"), 8.25);
    Label4 = MakeLabel(this, QStringLiteral("Label4"), {}, barFont);
    PaintControl(Label4, 0xC000C0);
    Label5 = MakeLabel(this, QStringLiteral("Label5"), {}, barFont);
    PaintControl(Label5, 0xC000C0);

    Command1 = MakeButton(this, QStringLiteral("Command1"), kStartCaption, TwipsRect(2520, 5760, 2775, 375),
                          ButtonFont());
    PaintControl(Command1, 0xFF00);
    Command2 = MakeButton(this, QStringLiteral("Command2"), kQuitCaption, TwipsRect(6960, 5760, 2655, 375),
                          ButtonFont());
    PaintControl(Command2, 0x80FF);
    setTabOrder(Command1, Command2);
    Command1->setFocus();
    Command1->OnClick([this] { Command1Click(); });
    Command2->OnClick([this] { Command2Click(); });

    Load();
}

void Form1::Load() {
    // As tall as the screen leaves room for, frame included.
    const QRect screen = platform_.screen.Available();
    SetOuterGeometry({screen.topLeft(), QSize(TwipsToPixels(kWindowWidthTwips), screen.height())});

    // From here on the controls are placed in pixels.
    Label1->setGeometry(120, Label1->y(), 540, Label1->height());
    Label1->setText(kLabel1Caption);
    Label1->setFont(FitFontToWidth(Label1->font(), kLabel1Caption, Label1->width() - 4));
    Label2->move(600, 500);
    Label2->setText(kLabel2Caption);
    Label2->setFont(FitFontToWidth(Label2->font(), kLabel2Caption, Label2->width() - 4));
    Label3->move(170, 270);
    Label3->setText(kLabel3Caption);
    Label3->setFont(FitFontToWidth(Label3->font(), kLabel3Caption, Label3->width() - 4));
    // Shadow bars along the right and the bottom edge of the title.
    const QRect title = Label1->geometry();
    Label4->setGeometry(title.x() + title.width(), title.y() + 10, 5, title.height() - 5);
    Label5->setGeometry(title.x() + 10, title.y() + title.height(), title.width() - 5, 5);

    // A loaded case keeps the equilibrium it was saved with.
    if (!state_.CaseLoaded) {
        state_.ConstantVolatility = false;
        state_.AntoineMode = false;
        state_.TableMode = false;
        state_.AlfaEntered = false;
        state_.PointsEntered = false;
        state_.AntoineEntered = false;
    }
    state_.ChangeRectifyingMode = false;
}

void Form1::resizeEvent(QResizeEvent* event) {
    Surface().Cls();
    Surface().Picture(TriangleGradient(size()));
    ScreenWindow::resizeEvent(event);
}

void Form1::Command1Click() {
    // This window is unloaded before the names are asked, and a modal box's event loop may
    // delete it: everything after the hand-over goes through these, never through `this`.
    ProgramState& state = state_;
    const Platform platform = platform_;
    Navigator& navigator = navigator_;
    if (!state.CaseLoaded) {
        LoadSampleData(state);
        state.ConstantVolatility = true;
    }
    state.ChangeGeneralMode = false;
    state.ChangeRectifyingMode = false;
    state.ChangeStrippingMode = false;

    Unload();
    platform.screens.UnloadOtherForms();
    navigator.ShowNameBackdrop();

    // Names are typed in Cyrillic, the numbers that follow in Latin.
    platform.keyboard.Activate(kRussianLayout);
    // A loaded case offers its own names.
    const auto offered = [&](const std::string& name) {
        return state.CaseLoaded ? QString::fromStdString(name) : QString();
    };
    const QString name =
        platform.dialogs.InputBox({kNamePrompt, kNameTitle, offered(state.StudentName), QPoint(500, 300)});
    state.StudentName = ProperCase(name.toStdString());
    const QString system =
        platform.dialogs.InputBox({kSystemPrompt, kSystemTitle, offered(state.SystemName), QPoint(500, 500)});
    state.SystemName = ProperCase(system.toStdString());
    platform.keyboard.Activate(kEnglishUsLayout);

    if (!state.CaseLoaded) {
        navigator.EnterGroup(ParamGroup::General);
        return;
    }
    // A kept input goes back to where its equilibrium data are corrected, when they fail.
    switch (ResumptionOf(state)) {
    case CaseResumption::PointsCheck:
        navigator.ShowEquilibriumCheck();
        return;
    case CaseResumption::AntoineCorrection:
        navigator.CorrectAntoineConstants();
        return;
    case CaseResumption::Calculation:
        break;
    }
    navigator.CalculateAndShow();
}

void Form1::OnCloseRequested() {
    if (ConfirmEndOfWork(platform_.dialogs)) {
        Command2Click();
    }
}

void Form1::Command2Click() {
    Unload();
    navigator_.EndProgram();
}

} // namespace radirav
