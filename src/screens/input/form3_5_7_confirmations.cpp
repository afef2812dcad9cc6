#include "screens/input/form3_5_7_confirmations.h"

namespace radirav {
namespace {

YesNoDesign GroupQuestion(const QString& name) {
    return InputErrorQuestion(name, QStringLiteral("Внимание !"));
}

} // namespace

Form3::Form3(ScreenList& screens, std::function<void()> yes, std::function<void()> no)
    : YesNoWindow(screens, GroupQuestion(QStringLiteral("Form3")), std::move(yes), std::move(no)) {}

Form5::Form5(ScreenList& screens, std::function<void()> yes, std::function<void()> no)
    : YesNoWindow(screens, GroupQuestion(QStringLiteral("Form5")), std::move(yes), std::move(no)) {}

Form7::Form7(ScreenList& screens, std::function<void()> yes, std::function<void()> no)
    : YesNoWindow(screens, GroupQuestion(QStringLiteral("Form7")), std::move(yes), std::move(no)) {}

} // namespace radirav
