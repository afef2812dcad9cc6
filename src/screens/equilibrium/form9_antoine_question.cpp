#include "screens/equilibrium/form9_antoine_question.h"

namespace radirav {

Form9::Form9(ScreenList& screens, std::function<void()> yes, std::function<void()> no)
    : YesNoWindow(screens, InputErrorQuestion(QStringLiteral("Form9"), QStringLiteral("Внимание !"), true),
                  std::move(yes), std::move(no)) {}

} // namespace radirav
