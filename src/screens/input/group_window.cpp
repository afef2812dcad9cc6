#include "screens/input/group_window.h"

#include "model/checks.h"
#include "model/entry.h"
#include "model/text.h"
#include "model/val.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "screens/common/end_question.h"
#include "screens/common/yes_no_window.h"

#include <QLabel>
#include <QListWidget>

namespace radirav {
namespace {

const QString kAcceptCaption = QStringLiteral("НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ");
const QString kEndCorrectionsCaption = QStringLiteral("КОНЕЦ ИСПРАВЛЕНИЙ");
const QString kControlCaption = QStringLiteral("   КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ");
const QString kCheckingCaption = QStringLiteral("   ПРОВЕРКА ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ");
// Corrections are asked under the same title on all three windows.
const QString kCorrectionBoxTitle = QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ");
const QString kHint = QStringLiteral(" Подведите указатель мыши к   строке, информацию которой   Вы будете "
                                     "исправлять и  щёлкните левой кнопкой");

constexpr std::uint32_t kHintBack = 0xFFFFC0, kHintText = 0xC000C0;

// Twips.
constexpr int kListLeft = 500, kListTop = 1200, kListWidth = 9000;
constexpr int kLineLeft = 528, kLineTopBase = 1210, kLineStep = 195;
constexpr int kHighlightTopBase = 1200, kHighlightWidth = 9000, kHighlightHeight = 200;
constexpr int kCorrectionBoxLeft = 4000, kEntryBoxLeft = 4000;
constexpr int kConfirmationLeftOfList = 1600, kConfirmationTop = 4500;
constexpr int kHeaderTop = 300, kHeaderWidth = 5400, kHeaderHeight = 700;
constexpr int kHintTop = 4000, kHintWidth = 3600, kHintHeight = 1300;
constexpr int kButtonWidth = 4200, kButtonHeight = 375, kAcceptTop = 4300, kCorrectTop = 4800;
constexpr int kCommand3Left = 2400, kCommand3Top = 3720, kCommand3Width = 2535;

constexpr double kWindowFontPoints = 9.75;

} // namespace

GroupWindow::GroupWindow(ProgramState& state, Platform platform, Navigator& navigator, GroupDesign design)
    : ScreenWindow(platform.screens, design.name), state_(state), platform_(platform), navigator_(navigator),
      design_(std::move(design)) {
    const QFont windowFont = ScreenFont(QStringLiteral("Courier"), kWindowFontPoints);
    setFont(windowFont);
    Surface().SetFontFamily(windowFont.family());
    Surface().SetFontSize(kWindowFontPoints);
    Surface().SetBackColor(BgrColor(kBgrYellow));
    Surface().SetForeColor(Qt::black);

    const QFont buttonFont = ScreenFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    Command1 = MakeButton(this, QStringLiteral("Command1"), kAcceptCaption, {}, buttonFont);
    Command2 = MakeButton(this, QStringLiteral("Command2"), design_.command2Caption, {}, buttonFont);
    Command3 = MakeButton(this, QStringLiteral("Command3"), kEndCorrectionsCaption,
                          TwipsRect(kCommand3Left, kCommand3Top, kCommand3Width, kButtonHeight), buttonFont);
    for (CommandButton* button : {Command1, Command2, Command3}) {
        PaintControl(button, kBgrGreen);
    }

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(windowFont);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    // A row per 195 twips, the step of the printed lines and of the correction boxes.
    SetListRowHeight(List1, TwipsToPixels(kLineStep));

    Label1 = MakeLabel(this, QStringLiteral("Label1"), {}, ScreenFont(QStringLiteral("Courier"), 12, true));
    PaintControl(Label1, kBgrYellow, kBgrBlue);
    Label2 = MakeLabel(this, QStringLiteral("Label2"), {}, windowFont);
    PaintControl(Label2, kBgrGreen, kBgrRed);
    Label3 = MakeLabel(this, QStringLiteral("Label3"), {},
                       ScreenFont(QStringLiteral("Times New Roman"), 12, true));
    Label3->setWordWrap(true);
    PaintControl(Label3, kHintBack, kHintText);

    Command1->OnClick([this] { Command1Click(); });
    Command2->OnClick([this] { Command2Click(); });
    Command3->OnClick([this] { Command3Click(); });
    OnListRowChosen(List1, [this](int row) { List1Click(row); });

    Load();
}

void GroupWindow::Load() {
    Label2->hide();
    Label3->hide();
    const QRect& frame = design_.windowTwips;
    SetOuterGeometryTwips(frame.left(), frame.top(), frame.width(), frame.height());
    const int inner = width();

    List1->setGeometry(TwipsRect(kListLeft, kListTop, kListWidth, design_.listHeightTwips));
    const int buttonWidth = TwipsToPixels(kButtonWidth);
    Command1->setGeometry(CentredLeft(inner, buttonWidth), TwipsToPixels(kAcceptTop), buttonWidth,
                          TwipsToPixels(kButtonHeight));
    Command2->setGeometry(CentredLeft(inner, buttonWidth), TwipsToPixels(kCorrectTop), buttonWidth,
                          TwipsToPixels(kButtonHeight));
    const int headerWidth = TwipsToPixels(kHeaderWidth);
    Label1->setGeometry(CentredLeft(inner, headerWidth), TwipsToPixels(kHeaderTop), headerWidth,
                        TwipsToPixels(kHeaderHeight));
    Label1->setText(design_.header);
    Label1->setFont(FitFontToWidth(Label1->font(), design_.header, headerWidth - 4));

    const int hintWidth = TwipsToPixels(kHintWidth);
    const int hintLeft = design_.hintCentredOnList ? List1->x() + CentredLeft(List1->width(), hintWidth)
                                                   : CentredLeft(inner, hintWidth);
    Label3->setGeometry(hintLeft, TwipsToPixels(kHintTop), hintWidth, TwipsToPixels(kHintHeight));
    Label3->setText(kHint);
}

std::uint8_t GroupWindow::CheckGroup() {
    state_.ErrorIndex = CheckGroupOf(state_, design_.firstParam);
    return state_.ErrorIndex;
}

void GroupWindow::EnterGroup() {
    setWindowTitle(design_.typingCaption);
    Command1->hide();
    Command2->hide();
    Command3->hide();
    HideFurtherControls();
    Label1->show();
    Label2->hide();
    show();
    List1->clear();
    List1->show();
    List1->setEnabled(true);

    for (int k = 1; k <= design_.paramCount; ++k) {
        const int i = design_.firstParam + k - 1;
        const QString answer =
            platform_.dialogs.InputBox({QString::fromStdString(state_.InputParams[i].Label),
                                        design_.boxTitle,
                                        {},
                                        QPoint(kEntryBoxLeft, k * kLineStep + design_.entryBoxBaseTwips)});
        EnterParamValue(state_, i, answer.toStdString());
        List1->addItem(QString::fromStdString(ParamLine(state_, i)));
    }

    List1->hide();
    setWindowTitle(kControlCaption);
    Command1->show();
    Command2->show();
    Label1->show();
    PrintGroupLines();

    CheckGroup();
    PaintControl(Command2, kBgrGreen);
    if (state_.InputError) {
        PaintControl(Command1, kBgrRed);
        Command2->setFocus();
    } else {
        PaintControl(Command1, kBgrGreen);
        if (design_.focusAcceptWhenValid) {
            Command1->setFocus();
        }
    }
}

void GroupWindow::PrintGroupLines() {
    DrawingSurface& surface = Surface();
    surface.Cls();
    for (int k = 1; k <= design_.paramCount; ++k) {
        surface.SetCurrentX(TwipsToPixels(kLineLeft));
        surface.SetCurrentY(TwipsToPixels(k * kLineStep + kLineTopBase));
        surface.Print(QString::fromStdString(ParamLine(state_, design_.firstParam + k - 1)));
    }
}

void GroupWindow::Command1Click() {
    setWindowTitle(kCheckingCaption);
    Accept();
}

void GroupWindow::Command3Click() {
    setWindowTitle(kCheckingCaption);
    Accept();
}

void GroupWindow::Command2Click() {
    Surface().Cls();
    List1->setEnabled(true);
    List1->show();
    Command1->hide();
    Command2->hide();
    Label3->show();
}

void GroupWindow::List1Click(int row) {
    if (row < 1 || row > design_.paramCount) {
        return;
    }
    const bool corrected = Command3->isVisibleTo(this);
    Label3->hide();
    confirmation_.Close();
    Command3->hide();

    const int i = design_.firstParam + row - 1;
    // The box offers the value it corrects, as typed, so that Enter keeps it.
    const std::optional<QString> answer = platform_.dialogs.AskInput(
        {QString::fromStdString(state_.InputParams[i].Label), kCorrectionBoxTitle,
         QString::fromStdString(RetypedDecimalText(state_.InputValueTexts[i])),
         QPoint(kCorrectionBoxLeft, row * kLineStep + design_.correctionBoxBaseTwips)});
    if (!answer) {
        // A cancelled correction keeps the value and the window as they were.
        if (corrected) {
            Command3->show();
        } else {
            Label3->show();
        }
        return;
    }
    EnterParamValue(state_, i, answer->toStdString());
    delete List1->takeItem(row - 1);
    List1->insertItem(row - 1, QString::fromStdString(ParamLine(state_, i)));
    List1->setCurrentRow(row - 1);

    CheckGroup();
    PaintControl(Command3, state_.InputError ? kBgrRed : kBgrGreen);
    Command3->show();
}

bool GroupWindow::PassesAcceptanceCheck() {
    CheckGroup();
    if (!state_.InputError) {
        return true;
    }
    platform_.dialogs.Beep();
    PrintGroupLines();
    List1->hide();
    Command1->hide();
    Command2->hide();
    Command3->hide();

    const int k = state_.ErrorIndex - design_.firstParam + 1;
    Label2->setText(QString::fromStdString(ParamLine(state_, state_.ErrorIndex)));
    Label2->setGeometry(
        TwipsRect(kLineLeft, k * kLineStep + kHighlightTopBase, kHighlightWidth, kHighlightHeight));
    Label2->show();

    YesNoWindow* confirmation = MakeConfirmation();
    confirmation->MoveOuter(TwipsToPixels(QPoint(kListLeft + kConfirmationLeftOfList, kConfirmationTop)));
    confirmation_.Show(confirmation, *this);
    return false;
}

bool GroupWindow::LeftForChangeMenu() {
    if (!(state_.*design_.changeFlag)) {
        return false;
    }
    Unload();
    navigator_.ReturnToChangeMenu();
    return true;
}

void GroupWindow::LeaveForNextGroup() {
    Unload();
    platform_.screens.UnloadOtherForms();
    if (design_.nextGroup) {
        navigator_.EnterGroup(*design_.nextGroup);
    }
}

void GroupWindow::PrepareForEditing() {
    setWindowTitle(design_.typingCaption);
    Surface().Cls();
    List1->clear();
    List1->setEnabled(true);
    List1->show();
    Command1->hide();
    Command2->hide();
    Command3->hide();
    HideFurtherControls();
    Label2->hide();
    Label3->show();
    Label1->show();
    for (int i = design_.firstParam; i < design_.firstParam + design_.paramCount; ++i) {
        state_.InputParams[i].Value = ToSingle(Val(state_.InputValueTexts[i]));
        List1->addItem(QString::fromStdString(ParamLine(state_, i)));
    }
    PaintControl(Command1, kBgrGreen);
    Command2->setFocusPolicy(Qt::StrongFocus);
    show();
}

void GroupWindow::ResumeCorrecting() {
    show();
    List1->setEnabled(true);
    Surface().Cls();
    List1->show();
    Label2->hide();
    Label3->show();
    Command3->hide();
    confirmation_.Close();
    // The keyboard goes on where the mouse would: the arrow keys and Enter pick a line.
    activateWindow();
    List1->setFocus();
}

YesNoWindow* GroupWindow::Confirmation() const {
    return confirmation_.Get();
}

void GroupWindow::OnCloseRequested() {
    if (ConfirmEndOfWork(platform_.dialogs)) {
        EndProgram();
    }
}

void GroupWindow::EndProgram() {
    confirmation_.Close();
    Unload();
    navigator_.EndProgram();
}

} // namespace radirav
