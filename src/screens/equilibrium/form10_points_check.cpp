#include "screens/equilibrium/form10_points_check.h"

#include "model/equilibrium_choice.h"
#include "model/equilibrium_points.h"
#include "model/point_entry.h"
#include "model/text.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "screens/common/end_question.h"
#include "screens/equilibrium/form12_points_error.h"

#include <QLabel>
#include <QListWidget>
#include <QWindow>

namespace radirav {
namespace {

const QString kDesignCaption = QStringLiteral("Ввод исходной информации");
const QString kEntryCaption = QStringLiteral("Ввод равновесной зависимости");
const QString kCheckCaption = QStringLiteral("   КОНТРОЛЬ ВВОДА РАВНОВЕСНОЙ ЗАВИСИМОСТИ");
const QString kTitleLine = QStringLiteral("КООРДИНАТЫ ТОЧЕК РАВНОВЕСНОЙ ЗАВИСИМОСТИ");
const QString kAcceptCaption = QStringLiteral("НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ");
const QString kChangeCaption = QStringLiteral("ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ");
const QString kCountPrompt = QStringLiteral("Сколько пар равновесных точек будете вводить");
const QString kCountTitle = QStringLiteral("Ввод кол-ва пар равн. зависимости");
const QString kCountError =
    QStringLiteral("Количество пар от 8 до 20 !!!") + QStringLiteral("    Продолжаете работу ?");
const QString kCountErrorTitle = QStringLiteral("ОШИБКА !");
const QString kXTitle = QStringLiteral("ВВОД X РАВНОВЕСНОГО ");
const QString kYTitle = QStringLiteral("ВВОД Y РАВНОВЕСНОГО");

constexpr std::uint32_t kDarkText = 0x28; // RGB 40, 0, 0
constexpr std::uint32_t kMessageText = 0x80FF80;

// Twips.
constexpr int kRowStep = 195, kRowLeft = 1000, kRowTopBase = 1000;
constexpr int kCountBoxLeft = 1000, kCountBoxTop = 1000;
constexpr int kXBoxLeft = 1000, kYBoxLeft = 4000, kPointBoxTopBase = 755;
constexpr int kListTop = 500, kListWidth = 9000;
constexpr int kLabel1LoadTop = 600, kLabel1CheckTop = 200, kLabel1Width = 6600, kLabel1Height = 330;
constexpr int kHighlightWidth = 10600, kHighlightHeight = 200;
constexpr int kButtonWidth = 4200, kButtonHeight = 375, kAcceptTop = 6000, kChangeTop = 6500;
constexpr int kConfirmationBelowPrint = 800;

constexpr double kWindowFontPoints = 9.75;

} // namespace

Form10::Form10(ProgramState& state, Platform platform, Navigator& navigator)
    : ScreenWindow(platform.screens, QStringLiteral("Form10")), state_(state), platform_(platform),
      navigator_(navigator) {
    setWindowTitle(kDesignCaption);
    const QFont windowFont = ScreenFont(QStringLiteral("Courier"), kWindowFontPoints);
    setFont(windowFont);
    Surface().SetFontFamily(windowFont.family());
    Surface().SetFontSize(kWindowFontPoints);
    Surface().SetForeColor(Qt::black);
    SetOuterGeometryTwips(0, 0, 12000, 9000);
    const int inner = width();

    const QFont buttonFont = ScreenFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    const int buttonWidth = TwipsToPixels(kButtonWidth);
    Command1 = MakeButton(this, QStringLiteral("Command1"), kAcceptCaption,
                          {CentredLeft(inner, buttonWidth), TwipsToPixels(kAcceptTop), buttonWidth,
                           TwipsToPixels(kButtonHeight)},
                          buttonFont);
    Command2 = MakeButton(this, QStringLiteral("Command2"), kChangeCaption,
                          {CentredLeft(inner, buttonWidth), TwipsToPixels(kChangeTop), buttonWidth,
                           TwipsToPixels(kButtonHeight)},
                          buttonFont);
    for (CommandButton* button : {Command1, Command2}) {
        PaintControl(button, kBgrGreen);
    }

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(windowFont);
    List1->setSelectionMode(QAbstractItemView::NoSelection);
    SetListRowHeight(List1, TwipsToPixels(kRowStep));
    const int listWidth = TwipsToPixels(kListWidth);
    List1->setGeometry(CentredLeft(inner, listWidth), TwipsToPixels(kListTop), listWidth,
                       TwipsToPixels(kRowStep));

    const int labelWidth = TwipsToPixels(kLabel1Width);
    Label1 = MakeLabel(this, QStringLiteral("Label1"),
                       {CentredLeft(inner, labelWidth), TwipsToPixels(kLabel1LoadTop), labelWidth,
                        TwipsToPixels(kLabel1Height)},
                       ScreenFont(QStringLiteral("Courier"), 12, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setText(kTitleLine);
    Label1->setFont(FitFontToWidth(Label1->font(), kTitleLine, labelWidth - 4));
    PaintControl(Label1, kBgrYellow, kDarkText);
    Label2 = MakeLabel(this, QStringLiteral("Label2"), {}, windowFont);
    PaintControl(Label2, kBgrGreen, kBgrRed);
    Label2->hide();

    Command1->OnClick([this] { Command1Click(); });
    Command2->OnClick([this] { Command2Click(); });
}

Form10::~Form10() = default; // closes the open question

void Form10::EnterEquilibriumPoints(AfterPointEntry next) {
    List1->setEnabled(true);
    List1->hide();
    Command1->hide();
    Command2->hide();
    Label1->hide();
    Label2->hide();
    confirmation_.Close();
    Surface().Cls();
    setWindowTitle(kEntryCaption);
    show();

    const std::optional<int> count = AskPointCount();
    if (!count) {
        return; // the student chose to end
    }
    state_.EqPointCount = *count;
    List1->clear();
    List1->resize(List1->width(), TwipsToPixels((*count + 1) * kRowStep));
    List1->show();
    for (int i = 1; i <= *count; ++i) {
        EnterPoint(i);
    }
    FinishPointsEntry(state_);
    ShowEquilibriumCheck();
    if (next == AfterPointEntry::Editor) {
        LeaveForEditor();
    }
}

std::optional<int> Form10::AskPointCount() {
    for (;;) {
        const QString answer =
            platform_.dialogs.InputBox({kCountPrompt, kCountTitle, {}, QPoint(kCountBoxLeft, kCountBoxTop)});
        state_.EntryText = NormalizeDecimalText(answer.toStdString());
        if (const std::optional<int> count = PointCountFromAnswer(state_.EntryText)) {
            return count;
        }
        platform_.dialogs.Beep();
        if (!platform_.dialogs.AskYesNo(kCountError, kCountErrorTitle, SafeAnswer::Yes)) {
            EndProgram();
            return std::nullopt;
        }
    }
}

void Form10::EnterPoint(int i) {
    const QString number = QString::number(i);
    const int boxTop = i * kRowStep + kPointBoxTopBase;
    const QString x = platform_.dialogs.InputBox(
        {QStringLiteral(" X [ ") + number + QStringLiteral(" ] = "), kXTitle, {}, QPoint(kXBoxLeft, boxTop)});
    EnterPointX(state_, i, x.toStdString());
    List1->addItem(QStringLiteral("   X[") + number + QStringLiteral("]=") +
                   QString::fromStdString(state_.EqXText[i]));

    const QString y = platform_.dialogs.InputBox(
        {QStringLiteral(" Y [ ") + number + QStringLiteral(" ] = "), kYTitle, {}, QPoint(kYBoxLeft, boxTop)});
    EnterPointY(state_, i, y.toStdString());
    ComputePointAlfa(state_, i);
    RefillList(i);
}

void Form10::RefillList(int count) {
    List1->clear();
    for (int k = 1; k <= count; ++k) {
        List1->addItem(QString::fromStdString(PointListLine(state_, k)));
    }
}

void Form10::ShowEquilibriumCheck() {
    SortPointsAndComputeAlfa(state_);
    setWindowTitle(kCheckCaption);
    DrawingSurface& surface = Surface();
    surface.Cls();
    surface.SetForeColor(Qt::black);
    List1->hide();
    Label2->hide();
    Command1->show();
    Command2->show();
    Label1->move(Label1->x(), TwipsToPixels(kLabel1CheckTop));
    Label1->setText(kTitleLine);
    PaintControl(Label1, kBgrYellow, kBgrBlue);
    Label1->show();

    RereadPointTexts(state_);
    for (int i = 1; i <= state_.EqPointCount; ++i) {
        surface.SetCurrentX(TwipsToPixels(kRowLeft));
        surface.SetCurrentY(TwipsToPixels(i * kRowStep + kRowTopBase));
        surface.Print(QString::fromStdString(PointCheckRow(state_, i)));
    }

    state_.ErrorIndex = CheckEquilibriumPoints(state_).point;
    if (state_.InputError) {
        platform_.dialogs.Beep();
        PaintControl(Label1, kBgrYellow, kDarkText);
        // The editor comes back here only from its idle state, never while a point is retyped.
        if (Command2->isVisibleTo(this) && Command2->isEnabled()) {
            Command2->setFocus();
        }
        Command2->setFocusPolicy(Qt::StrongFocus);
        Command1->setFocusPolicy(Qt::ClickFocus);
        PaintControl(Command1, kBgrRed);
        PaintControl(Command2, kBgrGreen);
    } else {
        Command1->setFocusPolicy(Qt::StrongFocus);
        Command2->setFocusPolicy(Qt::StrongFocus);
        PaintControl(Command1, kBgrGreen);
        PaintControl(Command2, kBgrGreen);
        Command1->setFocus();
    }
    show();
}

void Form10::ShowCheckError() {
    const int k = state_.ErrorIndex;
    // The check's own message stays in the title line while the question is open.
    const PointCheck check = CheckEquilibriumPoints(state_);
    Label1->setText(QString::fromStdString(check.caption));
    PaintControl(Label1, kBgrRed, kMessageText);
    Label1->show();
    Command1->hide();
    Command2->hide();
    Label2->setText(QString::fromStdString(PointCheckRow(state_, k)));
    Label2->setGeometry(TwipsRect(kRowLeft, k * kRowStep + kRowTopBase, kHighlightWidth, kHighlightHeight));
    Label2->show();
    show();

    auto* question = new Form12(platform_.screens, WhileLoaded(this, &Form10::LeaveForEditor),
                                WhileLoaded(this, &Form10::EndProgram));
    confirmation_.Show(question, *this);
    // Below what is printed, centred on this window's inside; the frame is known once shown.
    const int top =
        TwipsToPixels(PixelsToTwips(static_cast<int>(Surface().CurrentY())) + kConfirmationBelowPrint);
    const int left = geometry().x() + CentredLeft(width(), question->frameGeometry().width());
    question->MoveOuter({left, top});
}

void Form10::Command1Click() {
    if (state_.InputError) {
        ShowCheckError();
        return;
    }
    AcceptPointTable(state_);
    Unload();
    platform_.screens.UnloadOtherForms();
    navigator_.ShowEquilibriumGraph();
}

void Form10::Command2Click() {
    LeaveForEditor();
}

void Form10::LeaveForEditor() {
    confirmation_.Close();
    Unload();
    platform_.screens.UnloadOtherForms();
    navigator_.OpenGraphEditor();
}

Form12* Form10::Confirmation() const {
    return confirmation_.Get();
}

void Form10::OnCloseRequested() {
    if (ConfirmEndOfWork(platform_.dialogs)) {
        EndProgram();
    }
}

void Form10::EndProgram() {
    confirmation_.Close();
    Unload();
    navigator_.EndProgram();
}

} // namespace radirav
