#include "screens/equilibrium/form8_review.h"

#include "model/checks.h"
#include "model/entry.h"
#include "model/equilibrium_choice.h"
#include "model/text.h"
#include "model/val.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "screens/common/end_question.h"
#include "screens/equilibrium/form9_antoine_question.h"

#include <QLabel>
#include <QListWidget>
#include <algorithm>

namespace radirav {
namespace {

const QString kLoadCaption = QStringLiteral("Ввод исходной информации");
const QString kIdealityCaption = QStringLiteral("ОПРЕДЕЛЕНИЕ ИДЕАЛЬНОСТИ");
const QString kEntryCaption = QStringLiteral("Ввод констант Антуана");
const QString kCheckingCaption = QStringLiteral("   ПРОВЕРКА ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ");
const QString kNonIdealCaption = QStringLiteral("Смесь рассматривается\n как неидеальная");
const QString kIdealCaption = QStringLiteral("Смесь рассматривается\n  как идеальная");
const QString kAcceptCaption = QStringLiteral("НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ");
const QString kCorrectCaption = QStringLiteral("ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ");
const QString kEndCorrectionsCaption = QStringLiteral("КОНЕЦ ИСПРАВЛЕНИЙ");
const QString kMixtureLine = QStringLiteral("Смесь рассматривается\n     как идеальная");
const QString kCorrectingMixtureLine = QStringLiteral("   Смесь рассматривается\n            как идеальная");
const QString kEquationText = QStringLiteral("  УРАВНЕНИЕ АНТУАНА ДЛЯ ДАВЛЕНИЙ НАСЫЩЕННЫХ ПАРОВ:\n"
                                             "                ln(Po) = A - B/(C + T)\n"
                                             "   где :\n"
                                             "   Po - ДАВЛЕНИЕ НАСЫЩЕННОГО ПАРА В ММ. РТ. СТ.\n"
                                             "   T - ТЕМПЕРАТУРА В КЕЛЬВИНА");
const QString kHint = QStringLiteral(" Подведите указатель мыши к   строке, информацию которой   Вы будете "
                                     "исправлять и  щёлкните левой кнопкой");
const QString kMoreVolatileTitle = QStringLiteral("Ведите параметры ур-ния для более летуч. компонента");
const QString kLessVolatileTitle = QStringLiteral("Ведите параметры ур-ния для менее летуч. компонента");
const QString kCorrectionTitle = QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ");

constexpr int kConstantCount = 6;

constexpr std::uint32_t kHintBack = 0xFFFFC0, kHintText = 0xC000C0;

// Twips.
constexpr int kLeft = 100, kTop = 100, kWidth = 12000, kHeight = 9000;
constexpr int kChoiceTop = 3000, kChoiceWidth = 3600, kChoiceHeight = 700;
constexpr int kBannerTop = 300, kBannerWidth = 4800, kBannerHeight = 600;
constexpr int kEquationGap = 100, kEquationWidth = 7200, kEquationHeight = 1100;
constexpr int kListGap = 400, kListWidth = 6000, kListHeight = 1225;
constexpr int kHintGap = 200, kHintWidth = 4800, kHintHeight = 1000;
constexpr int kButtonWidth = 4200, kButtonHeight = 375, kAcceptTop = 5200, kCorrectTop = 5800;
constexpr int kEndCorrectionsWidth = 2535;
// Printed constant i at x 2500, y i * 195 + 2500; the highlight covers it, 200 high.
constexpr int kLineLeft = 2500, kLineTopBase = 2500, kLineStep = 195;
constexpr int kHighlightShiftedLeft = 2380, kHighlightWidth = 4200, kHighlightHeight = 200;
// Input boxes of constant i: entry at x 3350, correction at x 3000, both at y i * 195 + 3150.
constexpr int kEntryBoxLeft = 3350, kCorrectionBoxLeft = 3000, kBoxTopBase = 3150;
// The question after an accepted list, and after the end of corrections.
constexpr int kQuestionLeft = 2500, kQuestionTop = 5000, kQuestionTopAfterCorrections = 7000;

constexpr double kWindowFontPoints = 9.75;

// A constant as listed and printed: the name padded to 30 characters, then the text as typed.
QString ConstantLine(const ProgramState& state, int i) {
    const std::string& name = state.AntoineNames[i];
    return QString::fromStdString(name + PadSpaces(name, 30) + state.AntoineTexts[i]);
}

// The highlight's caption after a failed check: one blank more before the name keeps the text on
// the printed row while the highlight reaches 120 twips to its left.
QString ShiftedLine(const ProgramState& state, int k) {
    const std::string shifted = " " + state.AntoineNames[k];
    return QString::fromStdString(shifted + PadSpaces(shifted, 31) + state.AntoineTexts[k]);
}

} // namespace

Form8::Form8(ProgramState& state, Platform platform, Navigator& navigator)
    : ScreenWindow(platform.screens, QStringLiteral("Form8")), state_(state), platform_(platform),
      navigator_(navigator) {
    const QFont windowFont = ScreenFont(QStringLiteral("Courier"), kWindowFontPoints);
    setFont(windowFont);
    Surface().SetFontFamily(windowFont.family());
    Surface().SetFontSize(kWindowFontPoints);
    Surface().SetForeColor(Qt::black);

    const QFont choiceFont = ScreenFont(QStringLiteral("MS Sans Serif"), 10, true);
    const QFont buttonFont = ScreenFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    Command1 = MakeButton(this, QStringLiteral("Command1"), {}, {}, choiceFont);
    Command2 = MakeButton(this, QStringLiteral("Command2"), {}, {}, choiceFont);
    Command3 = MakeButton(this, QStringLiteral("Command3"), kAcceptCaption, {}, buttonFont);
    Command4 = MakeButton(this, QStringLiteral("Command4"), kCorrectCaption, {}, buttonFont);
    Command5 = MakeButton(this, QStringLiteral("Command5"), kEndCorrectionsCaption, {}, buttonFont);
    for (CommandButton* button : {Command1, Command2, Command3, Command4, Command5}) {
        PaintControl(button, kBgrGreen);
        // Every shown button is reached with Tab: in the ideality question and after the
        // corrections a button is the only way on, and a student may have only the keyboard.
        button->setFocusPolicy(Qt::StrongFocus);
    }

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(windowFont);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    // A row per 195 twips, the step of the printed lines and of the input boxes.
    SetListRowHeight(List1, TwipsToPixels(kLineStep));

    Label1 = MakeLabel(this, QStringLiteral("Label1"), {}, ScreenFont(QStringLiteral("Courier"), 12, true));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    PaintControl(Label1, kBgrYellow);
    Label2 = MakeLabel(this, QStringLiteral("Label2"), {}, windowFont);
    PaintControl(Label2, kBgrYellow, kBgrRed);
    Label3 = MakeLabel(this, QStringLiteral("Label3"), {}, windowFont);
    PaintControl(Label3, kBgrGreen, kBgrRed);
    Label4 = MakeLabel(this, QStringLiteral("Label4"), {},
                       ScreenFont(QStringLiteral("Times New Roman"), 12, true));
    Label4->setWordWrap(true);
    Label4->setText(kHint);
    PaintControl(Label4, kHintBack, kHintText);

    Command1->OnClick([this] { Command1Click(); });
    Command2->OnClick([this] { Command2Click(); });
    Command3->OnClick([this] { Command3Click(); });
    Command4->OnClick([this] { Command4Click(); });
    Command5->OnClick([this] { Command5Click(); });
    OnListRowChosen(List1, [this](int row) { List1Click(row); });

    Load();
}

Form8::~Form8() = default; // closes the open question

void Form8::Load() {
    SetOuterGeometryTwips(kLeft, kTop, kWidth, kHeight);
    setWindowTitle(kLoadCaption);
    const int inner = width();

    // The two choices with a gap of a fifth of the room they leave, left-aligned in pairs.
    const int choiceWidth = TwipsToPixels(kChoiceWidth);
    const int gap = (inner - 2 * choiceWidth) / 5;
    const QRect choice(0, TwipsToPixels(kChoiceTop), choiceWidth, TwipsToPixels(kChoiceHeight));
    Command1->setGeometry(choice.translated(gap, 0));
    Command2->setGeometry(choice.translated(gap + choiceWidth + gap, 0));

    // The banner in the middle of the room between the choices, the equation under it.
    const int middle = (Command1->geometry().right() + 1 + Command2->x()) / 2;
    const int bannerWidth = TwipsToPixels(kBannerWidth);
    Label1->setGeometry(middle - bannerWidth / 2, TwipsToPixels(kBannerTop), bannerWidth,
                        TwipsToPixels(kBannerHeight));
    Label1->setFont(FitFontToWidth(Label1->font(), kCorrectingMixtureLine, bannerWidth - 4));
    const int equationWidth = TwipsToPixels(kEquationWidth);
    Label2->setGeometry(middle - equationWidth / 2,
                        Label1->geometry().bottom() + 1 + TwipsToPixels(kEquationGap), equationWidth,
                        TwipsToPixels(kEquationHeight));
    Label2->setFont(FitFontToWidth(Label2->font(), kEquationText, equationWidth - 4));

    const int listWidth = TwipsToPixels(kListWidth);
    List1->setGeometry(CentredLeft(inner, listWidth),
                       Label2->geometry().bottom() + 1 + TwipsToPixels(kListGap), listWidth,
                       TwipsToPixels(kListHeight));
    const int buttonWidth = TwipsToPixels(kButtonWidth);
    Command3->setGeometry(CentredLeft(inner, buttonWidth), TwipsToPixels(kAcceptTop), buttonWidth,
                          TwipsToPixels(kButtonHeight));
    Command4->setGeometry(CentredLeft(inner, buttonWidth), TwipsToPixels(kCorrectTop), buttonWidth,
                          TwipsToPixels(kButtonHeight));
    const int endWidth = TwipsToPixels(kEndCorrectionsWidth);
    Command5->setGeometry(CentredLeft(inner, endWidth), TwipsToPixels(kAcceptTop), endWidth,
                          TwipsToPixels(kButtonHeight));

    const int hintWidth = TwipsToPixels(kHintWidth);
    Label4->setGeometry(List1->x() + CentredLeft(List1->width(), hintWidth),
                        List1->geometry().bottom() + 1 + TwipsToPixels(kHintGap), hintWidth,
                        TwipsToPixels(kHintHeight));
    Label4->hide();
}

void Form8::ShowOnly(std::initializer_list<QWidget*> shown) {
    for (QWidget* control : std::initializer_list<QWidget*>{Command1, Command2, Command3, Command4, Command5,
                                                            List1, Label1, Label2, Label3, Label4}) {
        control->setVisible(std::find(shown.begin(), shown.end(), control) != shown.end());
    }
}

void Form8::ShowChoiceState() {
    ShowOnly({Command1, Command2});
}

void Form8::ShowEntryState() {
    Surface().Cls();
    Label1->setText(kMixtureLine);
    Label2->setText(kEquationText);
    ShowOnly({Label1, Label2, List1});
}

void Form8::ShowReviewState() {
    PrintConstantLines();
    List1->setEnabled(false);
    ShowOnly({Label1, Label2, Command3, Command4});
}

void Form8::ShowCorrectionState(bool corrected) {
    Surface().Cls();
    List1->setEnabled(true);
    // The end of corrections is offered once a line was corrected; the hint until then.
    if (corrected) {
        ShowOnly({Label1, Label2, List1, Command5});
    } else {
        ShowOnly({Label1, Label2, List1, Label4});
    }
}

void Form8::ShowErrorState(const QString& caption, int leftTwips) {
    PrintConstantLines();
    const int k = state_.ErrorIndex;
    Label3->setText(caption);
    Label3->setGeometry(
        TwipsRect(leftTwips, k * kLineStep + kLineTopBase, kHighlightWidth, kHighlightHeight));
    ShowOnly({Label1, Label2, Label3});
}

void Form8::ShowIdealityChoice() {
    setWindowTitle(kIdealityCaption);
    Command1->setText(kNonIdealCaption);
    Command2->setText(kIdealCaption);
    ShowChoiceState();
    show();
    Command1->setFocus();
}

void Form8::Command1Click() {
    ChooseTabulatedPoints(state_);
    Close();
    navigator_.EnterEquilibriumPoints();
}

void Form8::EnterAntoineConstants() {
    show();
    setWindowTitle(kEntryCaption);
    List1->clear();
    ShowEntryState();

    for (int i = 1; i <= kConstantCount; ++i) {
        const QString answer =
            platform_.dialogs.InputBox({QString::fromStdString(state_.AntoineNames[i]),
                                        i <= 3 ? kMoreVolatileTitle : kLessVolatileTitle,
                                        {},
                                        QPoint(kEntryBoxLeft, i * kLineStep + kBoxTopBase)});
        EnterAntoineValue(state_, i, answer.toStdString());
        List1->addItem(ConstantLine(state_, i));
    }

    setWindowTitle(kCheckingCaption);
    FinishAntoineEntry(state_);
    ShowReviewState();

    Check();
    PaintControl(Command4, kBgrGreen);
    if (state_.InputError) {
        PaintControl(Command3, kBgrRed);
        Command4->setFocus();
    } else {
        PaintControl(Command3, kBgrGreen);
        Command3->setFocus();
    }
}

void Form8::CorrectConstants() {
    errorQuestion_.Close();
    show();
    Label1->setText(kMixtureLine);
    Label2->setText(kEquationText);
    FillList();
    ShowCorrectionState(false);
    Check();
    PaintControl(Command5, state_.InputError ? kBgrRed : kBgrGreen);
}

void Form8::FillList() {
    List1->clear();
    for (int i = 1; i <= kConstantCount; ++i) {
        state_.AntoineValues[i] = ToSingle(Val(state_.AntoineTexts[i]));
        List1->addItem(ConstantLine(state_, i));
    }
}

std::uint8_t Form8::Check() {
    state_.ErrorIndex = CheckAntoineConstants(state_);
    return state_.ErrorIndex;
}

void Form8::PrintConstantLines() {
    DrawingSurface& surface = Surface();
    surface.Cls();
    for (int i = 1; i <= kConstantCount; ++i) {
        surface.SetCurrentX(TwipsToPixels(kLineLeft));
        surface.SetCurrentY(TwipsToPixels(i * kLineStep + kLineTopBase));
        surface.Print(ConstantLine(state_, i));
    }
}

void Form8::ReportAntoineError() {
    Check();
    if (!state_.InputError) {
        return;
    }
    platform_.dialogs.Beep();
    // The rows are printed here, on the window that shows the constants.
    ShowErrorState(ShiftedLine(state_, state_.ErrorIndex), kHighlightShiftedLeft);
    OpenErrorQuestion(TwipsToPixels(kQuestionTopAfterCorrections));
}

void Form8::OpenErrorQuestion(int topPixels) {
    ProgramState& state = state_;
    ScreenList& screens = platform_.screens;
    Navigator& navigator = navigator_;
    auto* question = new Form9(
        platform_.screens,
        [&state, &screens, &navigator] {
            // Back to correcting: the Antoine constants stay the model of the calculation.
            ChooseAntoineConstants(state);
            FinishAntoineEntry(state);
            screens.UnloadOtherForms();
            navigator.CorrectAntoineConstants();
        },
        [&navigator] { navigator.EndProgram(); });
    // Centred on this window.
    question->MoveOuter({x() + (frameGeometry().width() - question->frameGeometry().width()) / 2, topPixels});
    errorQuestion_.Show(question, *this);
}

Form9* Form8::ErrorQuestion() const {
    return errorQuestion_.Get();
}

void Form8::Command3Click() {
    setWindowTitle(kCheckingCaption);
    ReportAntoineError();
    if (!state_.InputError) {
        HandOver();
        return;
    }
    // Accepted as typed: the highlight lies exactly on the printed row.
    ShowErrorState(ConstantLine(state_, state_.ErrorIndex), kLineLeft);
    if (Form9* question = errorQuestion_.Get()) {
        question->MoveOuter(TwipsToPixels(QPoint(kQuestionLeft, kQuestionTop)));
    }
}

void Form8::Command4Click() {
    ShowCorrectionState(false);
    List1->move(List1->x(), Label2->geometry().bottom() + 1 + TwipsToPixels(kListGap));
}

void Form8::List1Click(int row) {
    if (row < 1 || row > kConstantCount) {
        return;
    }
    const bool corrected = Command5->isVisibleTo(this);
    errorQuestion_.Close();
    Label1->setText(kCorrectingMixtureLine);
    List1->resize(List1->width(), TwipsToPixels(kListHeight));
    FillList();
    ChooseAntoineConstants(state_);
    ShowCorrectionState(corrected);

    // The box offers the constant it corrects, as typed, so that Enter keeps it.
    const std::optional<QString> answer =
        platform_.dialogs.AskInput({QString::fromStdString(state_.AntoineNames[row]), kCorrectionTitle,
                                    QString::fromStdString(RetypedDecimalText(state_.AntoineTexts[row])),
                                    QPoint(kCorrectionBoxLeft, row * kLineStep + kBoxTopBase)});
    // A cancelled correction keeps the constant and its text as they were.
    if (answer) {
        EnterAntoineValue(state_, row, answer->toStdString());
        delete List1->takeItem(row - 1);
        List1->insertItem(row - 1, ConstantLine(state_, row));
        List1->setCurrentRow(row - 1);
        ShowCorrectionState(true);
    }
    Check();
    PaintControl(Command5, state_.InputError ? kBgrRed : kBgrGreen);
}

void Form8::Command5Click() {
    setWindowTitle(kCheckingCaption);
    // On a failure the check leaves the constants printed with the first bad one highlighted.
    ReportAntoineError();
    if (!state_.InputError) {
        HandOver();
    }
}

void Form8::HandOver() {
    Close();
    if (state_.AntoineMode) {
        navigator_.CalculateAndShow();
    } else {
        navigator_.EnterEquilibriumPoints();
    }
}

void Form8::Close() {
    errorQuestion_.Close();
    Unload();
    platform_.screens.UnloadOtherForms();
}

void Form8::OnCloseRequested() {
    if (ConfirmEndOfWork(platform_.dialogs)) {
        EndProgram();
    }
}

void Form8::EndProgram() {
    errorQuestion_.Close();
    Unload();
    navigator_.EndProgram();
}

} // namespace radirav
