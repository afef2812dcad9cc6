#pragma once

#include "screens/common/yes_no_window.h"

namespace radirav {

// Asks whether the student will correct a group that failed its check: "Да" goes back to the
// group's list, "Нет" ends the program. Form3, Form5 and Form7 serve Form2, Form4 and Form6.
class Form3 final : public YesNoWindow {
    Q_OBJECT
public:
    Form3(ScreenList& screens, std::function<void()> yes, std::function<void()> no);
};

class Form5 final : public YesNoWindow {
    Q_OBJECT
public:
    Form5(ScreenList& screens, std::function<void()> yes, std::function<void()> no);
};

class Form7 final : public YesNoWindow {
    Q_OBJECT
public:
    Form7(ScreenList& screens, std::function<void()> yes, std::function<void()> no);
};

} // namespace radirav
