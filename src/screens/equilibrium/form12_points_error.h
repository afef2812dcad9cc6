#pragma once

#include "screens/common/yes_no_window.h"

namespace radirav {

// Asks whether the student corrects a point table that failed its check: "Да" opens the graph
// editor, "Нет" ends the program.
class Form12 final : public YesNoWindow {
    Q_OBJECT
public:
    Form12(ScreenList& screens, std::function<void()> yes, std::function<void()> no);
};

} // namespace radirav
