#include "screens/equilibrium/form12_points_error.h"

namespace radirav {

Form12::Form12(ScreenList& screens, std::function<void()> yes, std::function<void()> no)
    : YesNoWindow(screens, InputErrorQuestion(QStringLiteral("Form12"), QStringLiteral("ВНИМАНИЕ !")),
                  std::move(yes), std::move(no)) {}

} // namespace radirav
