#include "screens/equilibrium/form14_remove_point.h"

#include "model/text.h"

namespace radirav {
namespace {

YesNoDesign RemovalQuestion(int row) {
    YesNoDesign design{QStringLiteral("Form14"), QStringLiteral("ВНИМАНИЕ !!!"), QStringLiteral("Убираете "),
                       QString::fromStdString(FormatShortSingle(static_cast<float>(row))) +
                           QStringLiteral(" пару равновесной зависимости?")};
    design.cancelAnswersYes = false; // "Да" removes the point
    return design;
}

} // namespace

Form14::Form14(ScreenList& screens, int row, std::function<void()> yes, std::function<void()> no)
    : YesNoWindow(screens, RemovalQuestion(row), std::move(yes), std::move(no)) {}

} // namespace radirav
