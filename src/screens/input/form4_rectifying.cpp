#include "screens/input/form4_rectifying.h"

namespace radirav {
namespace {

GroupDesign RectifyingDesign() {
    GroupDesign design;
    design.name = QStringLiteral("Form4");
    design.firstParam = param::kFirstRectifying;
    design.paramCount = param::kSectionCount;
    design.typingCaption = QStringLiteral("   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (Укрепляющая часть)");
    design.boxTitle = QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (Укрепляющая часть)");
    design.header = QStringLiteral("  Укрепляющая часть\n(исходная информация)");
    // This window's own spelling.
    design.command2Caption = QStringLiteral("ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОМАЦИЮ");
    design.windowTwips = {100, 100, 12000, 8000};
    design.listHeightTwips = 1800;
    design.entryBoxBaseTwips = 1680 - 195; // the first box at 1680
    design.correctionBoxBaseTwips = 1780;
    // A valid rectifying group leaves the focus where it was.
    design.focusAcceptWhenValid = false;
    design.hintCentredOnList = true;
    design.nextGroup = ParamGroup::Stripping;
    design.changeFlag = &ProgramState::ChangeRectifyingMode;
    return design;
}

} // namespace

Form4::Form4(ProgramState& state, Platform platform, Navigator& navigator)
    : GroupWindow(state, platform, navigator, RectifyingDesign()) {}

void Form4::EnterStrippingParams() {
    if (!PassesAcceptanceCheck() || LeftForChangeMenu()) {
        return;
    }
    LeaveForNextGroup();
}

YesNoWindow* Form4::MakeConfirmation() {
    return MakeConfirmationOf<Form5>();
}

Form5::Form5(ScreenList& screens, std::function<void()> yes, std::function<void()> no)
    : YesNoWindow(screens, InputErrorQuestion(QStringLiteral("Form5"), QStringLiteral("Внимание !")),
                  std::move(yes), std::move(no)) {}

} // namespace radirav
