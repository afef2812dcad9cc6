#include "screens/input/form2_general.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace radirav {
namespace {

GroupDesign GeneralDesign() {
    GroupDesign design;
    design.name = QStringLiteral("Form2");
    design.firstParam = param::kFirstGeneral;
    design.paramCount = param::kGeneralCount;
    design.typingCaption = QStringLiteral("   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ");
    design.boxTitle = QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ");
    design.header = QStringLiteral("Общие физико-химические параметры\n       (исходная информация)");
    design.command2Caption = QStringLiteral("ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ");
    design.windowTwips = {50, 50, 10000, 7000};
    design.listHeightTwips = 2500;
    design.entryBoxBaseTwips = 1520;
    design.correctionBoxBaseTwips = 1680;
    design.focusAcceptWhenValid = true;
    design.hintCentredOnList = false;
    design.nextGroup = ParamGroup::Rectifying;
    design.changeFlag = &ProgramState::ChangeGeneralMode;
    return design;
}

} // namespace

Form2::Form2(ProgramState& state, Platform platform, Navigator& navigator)
    : GroupWindow(state, platform, navigator, GeneralDesign()) {}

void Form2::PrepareForNames() {
    setWindowTitle(Design().typingCaption);
    Command1->hide();
    Command2->hide();
    Command3->hide();
    List1->hide();
    Label1->hide();
    Label2->hide();
    show();
}

void Form2::EnterRectifyingParams() {
    if (!PassesAcceptanceCheck() || LeftForChangeMenu()) {
        return;
    }
    LeaveForNextGroup();
}

YesNoWindow* Form2::MakeConfirmation() {
    return MakeConfirmationOf<Form3>();
}

Form3::Form3(ScreenList& screens, std::function<void()> yes, std::function<void()> no)
    : YesNoWindow(screens, InputErrorQuestion(QStringLiteral("Form3"), QStringLiteral("Внимание !")),
                  std::move(yes), std::move(no)) {}

} // namespace radirav
