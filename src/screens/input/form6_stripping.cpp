#include "screens/input/form6_stripping.h"

#include "model/checks.h"
#include "model/equilibrium_choice.h"
#include "model/text.h"
#include "model/val.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "screens/common/alfa_question.h"

#include <QLabel>
#include <QListWidget>
#include <cmath>

namespace radirav {
namespace {

const QString kTrayChoiceCaption = QStringLiteral("ВЫБОР ТАРЕЛОК");
const QString kVolatilityCaption = QStringLiteral("ОПРЕДЕЛЕНИЕ ЛЕТУЧЕСТИ");
const QString kAlfaEntryCaption = QStringLiteral("Ввод исходной информации");
const QString kNotConstantCaption = QStringLiteral("Для данной системы\nлетучесть не постоянна ?");
const QString kConstantCaption = QStringLiteral(" Для данной системы\n  летучесть постоянна ? ");
const QString kBubbleCapCaption = QStringLiteral("  Тарелки колпачковые");
const QString kSieveCaption = QStringLiteral("   Тарелки   ситчатые");
const QString kTrayQuestion = QStringLiteral("Назовите тип тарелок");

// Twips.
constexpr int kQuestionTop = 2000, kQuestionWidth = 6000, kQuestionHeight = 500;
constexpr int kChoiceTop = 3000, kChoiceWidth = 3600, kTrayButtonHeight = 500, kVolatilityButtonHeight = 700;

GroupDesign StrippingDesign() {
    GroupDesign design;
    design.name = QStringLiteral("Form6");
    design.firstParam = param::kFirstStripping;
    design.paramCount = param::kSectionCount;
    design.typingCaption = QStringLiteral("   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (Исчерпывающая часть)");
    design.boxTitle = QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (Исчерпывающая часть)");
    design.header = QStringLiteral("  Исчерпывающая часть\n(исходная информация)");
    design.command2Caption = QStringLiteral("ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ");
    design.windowTwips = {100, 100, 12000, 9000};
    design.listHeightTwips = 1800;
    design.entryBoxBaseTwips = 1680 - 195; // the first box at 1680
    design.correctionBoxBaseTwips = 1780;
    design.focusAcceptWhenValid = true;
    design.hintCentredOnList = true;
    design.changeFlag = &ProgramState::ChangeStrippingMode;
    return design;
}

// Two buttons side by side with three equal gaps across `inner` pixels.
void SpreadPair(QWidget* left, QWidget* right, int inner) {
    const int gap = static_cast<int>(std::lround((inner - left->width() - right->width()) / 3.0));
    left->move(gap, left->y());
    right->move(gap + left->width() + gap, right->y());
}

} // namespace

Form6::Form6(ProgramState& state, Platform platform, Navigator& navigator)
    : GroupWindow(state, platform, navigator, StrippingDesign()) {
    const QFont answerFont = ScreenFont(QStringLiteral("MS Sans Serif"), 10, true);
    const QFont trayFont = ScreenFont(QStringLiteral("Courier"), 12, true);
    const int choiceWidth = TwipsToPixels(kChoiceWidth);
    const int choiceTop = TwipsToPixels(kChoiceTop);
    Command4 = MakeButton(this, QStringLiteral("Command4"), {},
                          {0, choiceTop, choiceWidth, TwipsToPixels(kVolatilityButtonHeight)}, answerFont);
    Command5 = MakeButton(this, QStringLiteral("Command5"), {},
                          {0, choiceTop, choiceWidth, TwipsToPixels(kVolatilityButtonHeight)}, answerFont);
    Command6 = MakeButton(this, QStringLiteral("Command6"), kBubbleCapCaption,
                          {0, choiceTop, choiceWidth, TwipsToPixels(kTrayButtonHeight)}, trayFont);
    Command7 = MakeButton(this, QStringLiteral("Command7"), kSieveCaption,
                          {0, choiceTop, choiceWidth, TwipsToPixels(kTrayButtonHeight)}, trayFont);
    for (CommandButton* button : {Command6, Command7}) {
        button->setFont(FitFontToWidth(trayFont, button->text(), choiceWidth - 8));
    }

    const int questionWidth = TwipsToPixels(kQuestionWidth);
    Label4 = MakeLabel(this, QStringLiteral("Label4"),
                       {CentredLeft(width(), questionWidth), TwipsToPixels(kQuestionTop), questionWidth,
                        TwipsToPixels(kQuestionHeight)},
                       ScreenFont(QStringLiteral("Times New Roman"), 18, true));
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    Label4->setText(kTrayQuestion);
    HideFurtherControls();

    Command4->OnClick([this] { Command4Click(); });
    Command5->OnClick([this] { Command5Click(); });
    Command6->OnClick([this] { Command6Click(); });
    Command7->OnClick([this] { Command7Click(); });
}

void Form6::HideFurtherControls() {
    for (QWidget* control : std::initializer_list<QWidget*>{Command4, Command5, Command6, Command7, Label4}) {
        control->hide();
    }
}

YesNoWindow* Form6::MakeConfirmation() {
    return MakeConfirmationOf<Form7>();
}

void Form6::ChooseTrayType() {
    if (!PassesAcceptanceCheck() || LeftForChangeMenu()) {
        return;
    }
    Surface().Cls();
    for (QWidget* control : std::initializer_list<QWidget*>{Command1, Command2, Command3, Command4, Command5,
                                                            List1, Label1, Label2, Label3}) {
        control->hide();
    }
    ShowTrayChoice();
}

void Form6::ShowTrayChoice() {
    setWindowTitle(kTrayChoiceCaption);
    Command4->setText(kNotConstantCaption);
    Command5->setText(kConstantCaption);
    // Spread now: the inside is known once the window manager's frame is.
    SpreadPair(Command6, Command7, width());
    Command6->show();
    Command7->show();
    Label4->show();
    show();
}

void Form6::SetTrayType(const char* trayType) {
    state_.TrayType = trayType;
    setWindowTitle(kVolatilityCaption);
    SpreadPair(Command4, Command5, width());
    Command4->show();
    Command5->show();
    Command6->hide();
    Command7->hide();
    Label4->hide();
}

void Form6::Command4Click() {
    ChooseVariableVolatility(state_);
    Unload();
    platform_.screens.UnloadOtherForms();
    navigator_.ShowIdealityChoice();
}

void Form6::Command5Click() {
    setWindowTitle(kAlfaEntryCaption);
    Command4->hide();
    Command5->hide();
    ChooseConstantAlfa(state_);
    if (!AskAlfa()) {
        return;
    }
    MarkAlfaEntered(state_);
    Unload();
    platform_.screens.UnloadOtherForms();
    navigator_.CalculateAndShow();
}

bool Form6::AskAlfa() {
    if (AskAlfaUntilInRange(state_, platform_.dialogs)) {
        return true;
    }
    EndProgram();
    return false;
}

Form7::Form7(ScreenList& screens, std::function<void()> yes, std::function<void()> no)
    : YesNoWindow(screens, InputErrorQuestion(QStringLiteral("Form7"), QStringLiteral("Внимание !")),
                  std::move(yes), std::move(no)) {}

} // namespace radirav
