#pragma once

#include "screens/common/yes_no_window.h"

namespace radirav {

// Asks whether the student corrects Antoine constants that failed their range check: "Да"
// goes back to the constants' list, "Нет" ends the program. Both answers are tab stops.
class Form9 final : public YesNoWindow {
    Q_OBJECT
public:
    Form9(ScreenList& screens, std::function<void()> yes, std::function<void()> no);
};

} // namespace radirav
